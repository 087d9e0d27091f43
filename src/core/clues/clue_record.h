#pragma once

#include <cstdint>
#include <string>

namespace quillby {

// One question and answer pair of a clue store, with the two counters that make the main
// store remember play: the solved mark and the word's turn order.
struct ClueRecord {
    std::string question;       // the clue text shown to the player
    std::string answer;         // upper-case letters, the key: fixed while in a store
    std::int32_t extra = 0;     // kept as loaded, written back unchanged
    std::int32_t solved = 0;    // 1 once answered right in a generated puzzle
    std::int32_t rotation = 0;  // 0: the word's current clue; others wait their turn
};

}  // namespace quillby
