#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/clues/clue_merge.h"

// Two clue files, as a data update meets them: the first byte splits the input into the
// shipped file and the player's. Whatever both hold, the merge keeps the shipped records and
// gives every word the turns 0..n-1.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const auto bytes = std::as_bytes(std::span(data + 1, size - 1));
    const std::size_t split = std::min<std::size_t>(bytes.size(), data[0] * 16u);
    quillby::ClueStore shipped;
    quillby::ClueStore player;
    if (!shipped.Parse(bytes.first(split)) || !player.Parse(bytes.subspan(split))) {
        return 0;
    }
    const quillby::ClueMerge merge = quillby::MergeClueStores(shipped, player);
    std::size_t valid = 0;
    for (const quillby::ClueRecord& record : shipped.Records()) {
        valid += quillby::IsAnswerWord(record.answer) ? 1 : 0;
    }
    if (merge.store.Size() != valid || merge.carried > valid) {
        __builtin_trap();
    }
    std::map<std::string, std::vector<std::int32_t>> turns;
    for (const quillby::ClueRecord& record : merge.store.Records()) {
        turns[record.answer].push_back(record.rotation);
    }
    for (auto& [word, rotations] : turns) {
        std::sort(rotations.begin(), rotations.end());
        for (std::size_t i = 0; i < rotations.size(); ++i) {
            if (rotations[i] != static_cast<std::int32_t>(i)) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
