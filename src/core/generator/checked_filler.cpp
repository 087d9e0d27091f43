#include "core/generator/checked_filler.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace quillby {

namespace {

constexpr std::uint32_t kAllLetters = (std::uint32_t{1} << 26) - 1;
using Depths = std::bitset<CheckedFiller::kMaxEntries>;

// Words tried at one entry before the search backs off from it: past the first dozen the
// odds that a word works where better-scored ones failed are small, and restarts cover them.
constexpr std::size_t kCandidatesPerEntry = 12;
// The noise drawn for each word once per fill, on top of its familiarity (0..100): large
// enough that the everyday words take turns, small enough that rare ones stay at the back.
constexpr double kFillNoise = 40;
// Short words are few and recur most; a second draw of noise for them alone spreads them.
constexpr int kShortWordLength = 4;
constexpr double kShortWordNoise = 30;
// Taken off a word's score for each recent puzzle that held it: about a third of the
// familiarity range, enough to move the letter-friendly short words (SEE, ERA) aside without
// making grids that need them much slower to fill.
constexpr double kRecentUsePenalty = 80;
// The candidate order is shaken by this much more at each restart.
constexpr double kRestartShake = 6;
// Placements before the first restart, and how much longer each next search may run.
constexpr std::int64_t kFirstRestartSteps = 300;
constexpr double kRestartGrowth = 1.3;
constexpr int kCancelPollSteps = 16;
// Entries whose words left are at most this many have them sorted outright; others walk
// their length's words in score order until they have enough.
constexpr int kSortOutright = 256;
// Words of the best score looked at ahead (what each leaves its crossings) at one entry.
constexpr std::size_t kCandidatePool = 48;
// Score (familiarity and noise) worth one bit of choice left to the crossings.
constexpr double kScorePerBit = 20;

}  // namespace

bool FullyChecked(std::span<const std::byte> squares, int width, int height)
{
    auto open = [&](int col, int row) {
        return col >= 0 && row >= 0 && col < width && row < height &&
               squares[static_cast<std::size_t>(row * width + col)] != std::byte{0};
    };
    bool any = false;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            if (!open(col, row)) {
                continue;
            }
            any = true;
            const bool across = open(col - 1, row) || open(col + 1, row);
            const bool down = open(col, row - 1) || open(col, row + 1);
            if (!across || !down) {
                return false;
            }
        }
    }
    return any;
}

// One fill's working state. Everything that a placement changes and a backtrack restores is
// in State, copied whole per level: a few tens of kilobytes, cheaper than undo records.
struct CheckedFiller::Search {
    struct Slot {
        const LengthIndex* words = nullptr;
        std::vector<int> cells;
        std::vector<int> crossSlot;     // per position, the entry crossing there (-1 for none)
        std::size_t offset = 0;         // of its bitset in State::domains
        std::size_t firstPosition = 0;  // of its positions in State::applied
    };
    struct State {
        std::vector<std::uint64_t> domains;
        std::vector<int> counts;
        std::vector<std::uint32_t> letters;  // per square, the letters still possible
        std::vector<std::uint32_t> applied;  // per entry position, the letters last applied
        std::vector<Depths> narrowedBy;      // per entry, the levels whose placements narrowed it
    };

    Search(CheckedFiller& owner) : owner(owner) {}

    bool Build();
    void DrawScores();
    void StrikeWords();
    std::int64_t Restart(std::int64_t budget);
    int Level(int depth, Depths& conflict);
    int ChooseSlot() const;
    std::vector<int> Candidates(int slot);
    bool Place(int slot, int word, int depth, int& emptied);
    bool Propagate(int depth, int& emptied);
    bool Revise(int slot, int depth);
    void Write();

    static constexpr int kFound = std::numeric_limits<int>::max();
    static constexpr int kStop = std::numeric_limits<int>::max() - 1;
    static constexpr int kNoTarget = -1;

    CheckedFiller& owner;
    std::vector<Slot> slots;
    std::vector<int> crossPosition;  // per entry position, where the crossing entry has it
    State state;
    std::vector<State> saved;
    std::vector<int> assigned;               // per entry, its word (in its length), -1 for none
    std::vector<int> placedAt;               // per list word, the level it was placed at, -1
    std::vector<std::vector<double>> score;  // per length, per word
    std::vector<std::vector<int>> order;     // per length, words best first
    std::vector<int> queue;
    std::vector<char> queued;
    std::vector<std::uint64_t> scratch;
    double shake = 0;
    std::int64_t budget = 0;
    const std::atomic<bool>* cancel = nullptr;
    bool cancelled = false;
    bool forceSupport = false;
};

bool CheckedFiller::Search::Build()
{
    Crossword& grid = owner.crossword;
    const std::size_t count = grid.answers.size();
    if (count == 0 || count > static_cast<std::size_t>(kMaxEntries)) {
        return false;
    }
    std::vector<int> acrossAt(grid.squares.size(), -1);
    std::vector<int> downAt(grid.squares.size(), -1);
    slots.resize(count);
    std::size_t blocks = 0;
    std::size_t positions = 0;
    for (std::size_t s = 0; s < count; ++s) {
        AnswerEntry& entry = grid.answers[s];
        Slot& slot = slots[s];
        slot.words = owner.index.OfLength(entry.length);
        if (slot.words == nullptr) {
            return false;
        }
        for (const Square* square : grid.EntrySquares(entry)) {
            const int cell = static_cast<int>(square - grid.squares.data());
            slot.cells.push_back(cell);
            (entry.direction == kAcross ? acrossAt : downAt)[static_cast<std::size_t>(cell)] =
                static_cast<int>(s);
        }
        if (static_cast<int>(slot.cells.size()) != entry.length) {
            return false;
        }
        slot.offset = blocks;
        slot.firstPosition = positions;
        blocks += slot.words->Blocks();
        positions += slot.cells.size();
    }
    crossPosition.assign(positions, -1);
    for (std::size_t s = 0; s < count; ++s) {
        const bool across = grid.answers[s].direction == kAcross;
        for (std::size_t p = 0; p < slots[s].cells.size(); ++p) {
            const int cell = slots[s].cells[p];
            const int cross = (across ? downAt : acrossAt)[static_cast<std::size_t>(cell)];
            slots[s].crossSlot.push_back(cross);
            if (cross >= 0) {
                const auto& theirs = slots[static_cast<std::size_t>(cross)].cells;
                crossPosition[slots[s].firstPosition + p] = static_cast<int>(
                    std::find(theirs.begin(), theirs.end(), cell) - theirs.begin());
            }
        }
    }
    state.domains.assign(blocks, 0);
    state.counts.assign(count, 0);
    state.letters.assign(grid.squares.size(), kAllLetters);
    state.applied.assign(positions, kAllLetters);
    state.narrowedBy.assign(count, Depths{});
    for (std::size_t s = 0; s < count; ++s) {
        const std::size_t words = slots[s].words->Count();
        for (std::size_t w = 0; w < words; ++w) {
            state.domains[slots[s].offset + w / 64] |= std::uint64_t{1} << (w % 64);
        }
        state.counts[s] = static_cast<int>(words);
    }
    saved.assign(count + 1, state);
    assigned.assign(count, -1);
    queued.assign(count, 0);
    return true;
}

void CheckedFiller::Search::DrawScores()
{
    score.assign(kMaxFillWordLength + 1, {});
    order.assign(kMaxFillWordLength + 1, {});
    std::vector<bool> needed(kMaxFillWordLength + 1, false);
    for (const Slot& slot : slots) {
        needed[static_cast<std::size_t>(slot.words->length)] = true;
    }
    for (int length = kMinFillWordLength; length <= kMaxFillWordLength; ++length) {
        const LengthIndex* words = owner.index.OfLength(length);
        if (words == nullptr || !needed[static_cast<std::size_t>(length)]) {
            continue;
        }
        auto& scores = score[static_cast<std::size_t>(length)];
        scores.resize(words->Count());
        for (std::size_t w = 0; w < words->Count(); ++w) {
            double value = words->familiarity[w] + kFillNoise * owner.rng.NextUnit() -
                           kRecentUsePenalty * owner.clues.RecentUses(words->listIndex[w]);
            if (length <= kShortWordLength) {
                value += kShortWordNoise * owner.rng.NextUnit();
            }
            scores[w] = value;
        }
        auto& best = order[static_cast<std::size_t>(length)];
        best.resize(words->Count());
        for (std::size_t w = 0; w < best.size(); ++w) {
            best[w] = static_cast<int>(w);
        }
        std::stable_sort(best.begin(), best.end(), [&](int a, int b) {
            return scores[static_cast<std::size_t>(a)] > scores[static_cast<std::size_t>(b)];
        });
    }
}

// Left-out words go from every entry's words before the first propagation, so the letters
// they alone could give are struck at once rather than found out by failing placements.
void CheckedFiller::Search::StrikeWords()
{
    for (int length = kMinFillWordLength; length <= kMaxFillWordLength; ++length) {
        const LengthIndex* words = owner.index.OfLength(length);
        if (words == nullptr) {
            continue;
        }
        std::vector<bool> struck(words->Count());
        for (std::size_t w = 0; w < struck.size(); ++w) {
            struck[w] = owner.clues.LeftOut(words->listIndex[w]);
        }
        for (std::size_t s = 0; s < slots.size(); ++s) {
            if (slots[s].words != words) {
                continue;
            }
            for (std::size_t w = 0; w < struck.size(); ++w) {
                if (struck[w]) {
                    state.domains[slots[s].offset + w / 64] &= ~(std::uint64_t{1} << (w % 64));
                    state.counts[s] -= 1;
                }
            }
        }
    }
}

// The entry with the fewest words left; among equals the longest, then the first.
int CheckedFiller::Search::ChooseSlot() const
{
    int best = -1;
    for (std::size_t s = 0; s < slots.size(); ++s) {
        if (assigned[s] >= 0) {
            continue;
        }
        if (best < 0) {
            best = static_cast<int>(s);
            continue;
        }
        const auto b = static_cast<std::size_t>(best);
        if (state.counts[s] < state.counts[b] ||
            (state.counts[s] == state.counts[b] && slots[s].cells.size() > slots[b].cells.size())) {
            best = static_cast<int>(s);
        }
    }
    return best;
}

std::vector<int> CheckedFiller::Search::Candidates(int slot)
{
    const Slot& entry = slots[static_cast<std::size_t>(slot)];
    const LengthIndex& words = *entry.words;
    const auto& scores = score[static_cast<std::size_t>(words.length)];
    const std::uint64_t* domain = state.domains.data() + entry.offset;
    auto fits = [&](int w) {
        const auto u = static_cast<std::size_t>(w);
        const int listWord = words.listIndex[u];
        return ((domain[u / 64] >> (u % 64)) & 1u) != 0 &&
               placedAt[static_cast<std::size_t>(listWord)] < 0 && owner.clues.Usable(listWord);
    };
    std::vector<int> found;
    if (state.counts[static_cast<std::size_t>(slot)] <= kSortOutright) {
        for (std::size_t b = 0; b < words.Blocks(); ++b) {
            for (std::uint64_t bits = domain[b]; bits != 0; bits &= bits - 1) {
                const int w =
                    static_cast<int>(b * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
                if (fits(w)) {
                    found.push_back(w);
                }
            }
        }
        std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
            return scores[static_cast<std::size_t>(a)] > scores[static_cast<std::size_t>(b)];
        });
    } else {
        for (const int w : order[static_cast<std::size_t>(words.length)]) {
            if (fits(w)) {
                found.push_back(w);
                if (found.size() >= kCandidatePool) {
                    break;
                }
            }
        }
    }
    if (found.size() > kCandidatePool) {
        found.resize(kCandidatePool);
    }
    // Each word by what it leaves its crossings (bits of choice: the log of the words that
    // still fit each), plus its score; a word that leaves a crossing nothing is dropped.
    std::vector<std::pair<double, int>> keyed;
    for (const int w : found) {
        const auto u = static_cast<std::size_t>(w);
        double room = 0;
        bool dead = false;
        for (std::size_t p = 0; p < entry.cells.size() && !dead; ++p) {
            const int cross = entry.crossSlot[p];
            if (cross < 0 || assigned[static_cast<std::size_t>(cross)] >= 0) {
                continue;
            }
            const Slot& other = slots[static_cast<std::size_t>(cross)];
            const int at = crossPosition[entry.firstPosition + p];
            const auto with = other.words->WithLetter(at, words.words[u][p] - 'A');
            const std::uint64_t* theirs = state.domains.data() + other.offset;
            int fit = 0;
            for (std::size_t b = 0; b < with.size(); ++b) {
                fit += std::popcount(theirs[b] & with[b]);
            }
            dead = fit == 0;
            room += std::log2(1.0 + fit);
        }
        if (!dead) {
            const double shaken = scores[u] + (shake > 0 ? shake * owner.rng.NextUnit() : 0.0);
            keyed.emplace_back(room + shaken / kScorePerBit, w);
        }
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    found.clear();
    for (std::size_t i = 0; i < keyed.size() && i < kCandidatesPerEntry; ++i) {
        found.push_back(keyed[i].second);
    }
    return found;
}

// Narrows slot's words to the letters its squares still allow, then its squares' letters to
// what its words can put there, queueing each crossing whose square narrowed. False when no
// word is left.
bool CheckedFiller::Search::Revise(int slot, int depth)
{
    const auto s = static_cast<std::size_t>(slot);
    const Slot& entry = slots[s];
    const LengthIndex& words = *entry.words;
    const std::size_t blocks = words.Blocks();
    std::uint64_t* domain = state.domains.data() + entry.offset;
    std::vector<std::uint64_t>& allowed = scratch;
    allowed.resize(blocks);
    bool changed = false;
    for (std::size_t p = 0; p < entry.cells.size(); ++p) {
        const std::uint32_t mask = state.letters[static_cast<std::size_t>(entry.cells[p])];
        std::uint32_t& applied = state.applied[entry.firstPosition + p];
        if (mask == applied) {
            continue;
        }
        applied = mask;
        // Few letters allowed: the union of theirs; many: everything but the union of the rest.
        const bool few = std::popcount(mask) <= 13;
        std::fill(allowed.begin(), allowed.end(), 0);
        for (std::uint32_t m = few ? mask : (~mask & kAllLetters); m != 0; m &= m - 1) {
            const auto with = words.WithLetter(static_cast<int>(p), std::countr_zero(m));
            for (std::size_t b = 0; b < blocks; ++b) {
                allowed[b] |= with[b];
            }
        }
        for (std::size_t b = 0; b < blocks; ++b) {
            const std::uint64_t keep = few ? allowed[b] : ~allowed[b];
            changed = changed || (domain[b] & ~keep) != 0;
            domain[b] &= keep;
        }
    }
    if (!changed && !forceSupport) {
        return state.counts[s] > 0;
    }
    int count = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        count += std::popcount(domain[b]);
    }
    state.counts[s] = count;
    if (count == 0) {
        return false;
    }
    for (std::size_t p = 0; p < entry.cells.size(); ++p) {
        const int cross = entry.crossSlot[p];
        if (cross < 0 || assigned[static_cast<std::size_t>(cross)] >= 0) {
            continue;
        }
        const auto cell = static_cast<std::size_t>(entry.cells[p]);
        std::uint32_t support = 0;
        for (std::uint32_t m = state.letters[cell]; m != 0; m &= m - 1) {
            const int letter = std::countr_zero(m);
            const auto with = words.WithLetter(static_cast<int>(p), letter);
            for (std::size_t b = 0; b < blocks; ++b) {
                if ((domain[b] & with[b]) != 0) {
                    support |= std::uint32_t{1} << letter;
                    break;
                }
            }
        }
        if (support != state.letters[cell]) {
            state.letters[cell] = support;
            const auto c = static_cast<std::size_t>(cross);
            state.narrowedBy[c] |= state.narrowedBy[s];
            if (depth >= 0) {
                state.narrowedBy[c].set(static_cast<std::size_t>(depth));
            }
            if (!queued[c]) {
                queued[c] = 1;
                queue.push_back(cross);
            }
        }
    }
    return true;
}

bool CheckedFiller::Search::Propagate(int depth, int& emptied)
{
    bool sound = true;
    for (std::size_t i = 0; i < queue.size(); ++i) {
        const int slot = queue[i];
        queued[static_cast<std::size_t>(slot)] = 0;
        if (sound && !Revise(slot, depth)) {
            sound = false;
            emptied = slot;
        }
    }
    for (const int slot : queue) {
        queued[static_cast<std::size_t>(slot)] = 0;
    }
    queue.clear();
    return sound;
}

bool CheckedFiller::Search::Place(int slot, int word, int depth, int& emptied)
{
    const auto s = static_cast<std::size_t>(slot);
    const Slot& entry = slots[s];
    std::uint64_t* domain = state.domains.data() + entry.offset;
    std::fill(domain, domain + entry.words->Blocks(), 0);
    const auto w = static_cast<std::size_t>(word);
    domain[w / 64] = std::uint64_t{1} << (w % 64);
    state.counts[s] = 1;
    state.narrowedBy[s].reset();
    state.narrowedBy[s].set(static_cast<std::size_t>(depth));
    for (std::size_t p = 0; p < entry.cells.size(); ++p) {
        const auto cell = static_cast<std::size_t>(entry.cells[p]);
        const std::uint32_t letter = std::uint32_t{1} << (entry.words->words[w][p] - 'A');
        state.applied[entry.firstPosition + p] = letter;
        if (state.letters[cell] != letter) {
            state.letters[cell] = letter;
            const int cross = entry.crossSlot[p];
            if (cross >= 0 && assigned[static_cast<std::size_t>(cross)] < 0 &&
                !queued[static_cast<std::size_t>(cross)]) {
                queued[static_cast<std::size_t>(cross)] = 1;
                queue.push_back(cross);
            }
            if (cross >= 0) {
                state.narrowedBy[static_cast<std::size_t>(cross)].set(
                    static_cast<std::size_t>(depth));
            }
        }
    }
    // The same word nowhere else: out of every open entry of its length.
    for (std::size_t other = 0; other < slots.size(); ++other) {
        if (other == s || assigned[other] >= 0 || slots[other].words != entry.words) {
            continue;
        }
        std::uint64_t& block = state.domains[slots[other].offset + w / 64];
        const std::uint64_t bit = std::uint64_t{1} << (w % 64);
        if ((block & bit) != 0) {
            block &= ~bit;
            state.counts[other] -= 1;
            state.narrowedBy[other].set(static_cast<std::size_t>(depth));
            if (state.counts[other] == 0) {
                emptied = static_cast<int>(other);
                for (const int q : queue) {
                    queued[static_cast<std::size_t>(q)] = 0;
                }
                queue.clear();
                return false;
            }
            // Its squares' letters may have rested on that word alone.
            std::fill(
                state.applied.begin() + static_cast<std::ptrdiff_t>(slots[other].firstPosition),
                state.applied.begin() + static_cast<std::ptrdiff_t>(slots[other].firstPosition +
                                                                    slots[other].cells.size()),
                0);
            if (!queued[other]) {
                queued[other] = 1;
                queue.push_back(static_cast<int>(other));
            }
        }
    }
    assigned[s] = word;
    return Propagate(depth, emptied);
}

// One level of the search: places a word in the most constrained entry and goes deeper.
// Returns kFound, kStop, or the level to jump back to, with conflict holding the levels
// whose placements caused the dead end.
int CheckedFiller::Search::Level(int depth, Depths& conflict)
{
    const int slot = ChooseSlot();
    if (slot < 0) {
        return kFound;
    }
    const auto s = static_cast<std::size_t>(slot);
    const Slot& entry = slots[s];
    Depths conflicts = state.narrowedBy[s];
    State& backup = saved[static_cast<std::size_t>(depth)];
    for (const int word : Candidates(slot)) {
        owner.steps += 1;
        if (owner.steps >= budget) {
            return kStop;
        }
        if (cancel != nullptr && owner.steps % kCancelPollSteps == 0 && cancel->load()) {
            cancelled = true;
            return kStop;
        }
        const int listWord = entry.words->listIndex[static_cast<std::size_t>(word)];
        bool clashes = false;
        for (std::size_t other = 0; other < slots.size(); ++other) {
            const int placed = assigned[other];
            if (placed >= 0 &&
                owner.clues.Clash(
                    listWord, slots[other].words->listIndex[static_cast<std::size_t>(placed)])) {
                conflicts.set(static_cast<std::size_t>(placedAt[static_cast<std::size_t>(
                    slots[other].words->listIndex[static_cast<std::size_t>(placed)])]));
                clashes = true;
                break;
            }
        }
        if (clashes) {
            continue;
        }
        backup = state;
        int emptied = -1;
        if (!Place(slot, word, depth, emptied)) {
            conflicts |= state.narrowedBy[static_cast<std::size_t>(emptied)];
            assigned[s] = -1;
            state = backup;
            continue;
        }
        placedAt[static_cast<std::size_t>(listWord)] = depth;
        Depths below;
        const int result = Level(depth + 1, below);
        if (result == kFound || result == kStop) {
            return result;
        }
        placedAt[static_cast<std::size_t>(listWord)] = -1;
        assigned[s] = -1;
        state = backup;
        if (result < depth) {
            conflict = below;
            return result;
        }
        conflicts |= below;
    }
    conflicts.reset(static_cast<std::size_t>(depth));
    for (int target = depth - 1; target >= 0; --target) {
        if (conflicts.test(static_cast<std::size_t>(target))) {
            conflicts.reset(static_cast<std::size_t>(target));
            conflict = conflicts;
            return target;
        }
    }
    return kNoTarget;
}

void CheckedFiller::Search::Write()
{
    Crossword& grid = owner.crossword;
    for (std::size_t s = 0; s < slots.size(); ++s) {
        AnswerEntry& entry = grid.answers[s];
        const auto w = static_cast<std::size_t>(assigned[s]);
        const auto& scores = score[static_cast<std::size_t>(slots[s].words->length)];
        entry.candidates = {Candidate{std::string(slots[s].words->words[w]),
                                      static_cast<int>(std::lround(scores[w]))}};
        entry.answer = -1;
        grid.PlaceAnswer(entry, 0);
    }
}

CheckedFiller::CheckedFiller(Crossword& crossword, const FillIndex& index, FillClues& clues,
                             Rng& rng)
    : crossword(crossword), index(index), clues(clues), rng(rng)
{
}

CheckedFiller::~CheckedFiller() = default;

std::int64_t CheckedFiller::Steps() const
{
    return steps;
}

int CheckedFiller::Restarts() const
{
    return restarts;
}

CheckedFiller::Outcome CheckedFiller::Fill(const CheckedFillLimits& limits)
{
    Search search(*this);
    if (!search.Build()) {
        return Outcome::kFailed;
    }
    search.cancel = limits.cancel;
    search.placedAt.assign(index.ListSize(), -1);
    search.DrawScores();
    search.StrikeWords();
    // Letters no word of an entry's length has at a position are struck out before anything.
    for (std::size_t s = 0; s < search.slots.size(); ++s) {
        search.queued[s] = 1;
        search.queue.push_back(static_cast<int>(s));
    }
    search.forceSupport = true;
    int emptied = -1;
    const bool sound = search.Propagate(Search::kNoTarget, emptied);
    search.forceSupport = false;
    if (!sound) {
        return Outcome::kFailed;
    }
    const Search::State start = search.state;
    double restartSteps = kFirstRestartSteps;
    for (;;) {
        // The growing run length is compared before it is turned into a count: after many
        // restarts it passes what a 64-bit count can hold.
        const std::int64_t left = limits.steps - steps;
        search.budget = steps + (restartSteps >= static_cast<double>(left)
                                     ? left
                                     : static_cast<std::int64_t>(restartSteps));
        Depths conflict;
        const int result = search.Level(0, conflict);
        if (result == Search::kFound) {
            search.Write();
            return Outcome::kFilled;
        }
        if (search.cancelled) {
            return Outcome::kCancelled;
        }
        if (steps >= limits.steps) {
            return Outcome::kFailed;
        }
        restarts += 1;
        search.state = start;
        std::fill(search.assigned.begin(), search.assigned.end(), -1);
        std::fill(search.placedAt.begin(), search.placedAt.end(), -1);
        search.shake += kRestartShake;
        restartSteps *= kRestartGrowth;
    }
}

}  // namespace quillby
