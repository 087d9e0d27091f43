#include "core/clues/clue_merge.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillby {

namespace {

// Each word's records, in store order.
using Group = std::vector<const ClueRecord*>;
using Groups = std::unordered_map<std::string_view, Group>;

Groups GroupByAnswer(const ClueStore& store)
{
    Groups groups;
    for (const ClueRecord& record : store.Records()) {
        groups[record.answer].push_back(&record);
    }
    return groups;
}

// Each record's place in its word's turn: the clue the game shows now first (what the store's
// Find returns: the last record with rotation 0), then by rotation, and on a tie the later
// record first, as Find prefers it. Rotations are taken as stored, so a file whose turns are
// not 0..n-1 still gives one order.
std::vector<std::size_t> TurnRanks(const Group& group)
{
    const auto last = std::find_if(group.rbegin(), group.rend(),
                                   [](const ClueRecord* r) { return r->rotation == 0; });
    const ClueRecord* current = last == group.rend() ? nullptr : *last;
    std::vector<std::size_t> order(group.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const bool aCurrent = group[a] == current;
        const bool bCurrent = group[b] == current;
        if (aCurrent != bCurrent) {
            return aCurrent;
        }
        if (group[a]->rotation != group[b]->rotation) {
            return group[a]->rotation < group[b]->rotation;
        }
        return a > b;
    });
    std::vector<std::size_t> ranks(group.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        ranks[order[rank]] = rank;
    }
    return ranks;
}

// Sets the merged solved marks and rotations of one word's shipped records; returns how many
// were carried from the player's records of the word (null when the player has none).
std::size_t MergeWord(const Group& shipped, const Group* player,
                      std::unordered_map<const ClueRecord*, ClueRecord>& merged)
{
    const std::vector<std::size_t> shippedRanks = TurnRanks(shipped);
    const std::vector<std::size_t> playerRanks =
        player ? TurnRanks(*player) : std::vector<std::size_t>{};
    std::vector<bool> used(playerRanks.size(), false);
    std::size_t carried = 0;
    // Carried clues (0, the player's rank) before new ones (1, the shipped rank).
    std::vector<std::pair<std::pair<int, std::size_t>, const ClueRecord*>> turns;
    for (std::size_t i = 0; i < shipped.size(); ++i) {
        ClueRecord& result = merged[shipped[i]] = *shipped[i];
        std::size_t own = 0;
        while (own < used.size() && (used[own] || (*player)[own]->question != result.question)) {
            ++own;
        }
        if (own < used.size()) {
            used[own] = true;
            result.solved = (*player)[own]->solved;
            turns.push_back({{0, playerRanks[own]}, shipped[i]});
            ++carried;
        } else {
            turns.push_back({{1, shippedRanks[i]}, shipped[i]});
        }
    }
    std::sort(turns.begin(), turns.end());
    for (std::size_t turn = 0; turn < turns.size(); ++turn) {
        merged[turns[turn].second].rotation = static_cast<std::int32_t>(turn);
    }
    return carried;
}

}  // namespace

ClueMerge MergeClueStores(const ClueStore& shipped, const ClueStore& player)
{
    const Groups playerGroups = GroupByAnswer(player);
    ClueMerge merge;
    std::unordered_map<const ClueRecord*, ClueRecord> merged;
    merged.reserve(shipped.Size());
    for (const auto& [answer, group] : GroupByAnswer(shipped)) {
        // A file may hold records with an empty answer; the new store refuses them, so they
        // are not carried either.
        if (!IsAnswerWord(answer)) {
            continue;
        }
        const auto own = playerGroups.find(answer);
        merge.carried +=
            MergeWord(group, own == playerGroups.end() ? nullptr : &own->second, merged);
    }
    for (const ClueRecord& record : shipped.Records()) {
        const auto found = merged.find(&record);
        if (found != merged.end()) {
            (void)merge.store.AddRecord(std::move(found->second));
        }
    }
    return merge;
}

}  // namespace quillby
