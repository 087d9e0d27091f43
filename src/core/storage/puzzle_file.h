#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/common/result.h"
#include "core/model/crossword.h"

namespace quillby {

// The play clock, in the order the game shows it.
struct Clock {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int ticks = 0;  // one a second since the clock was last cleared; stored, never shown
    bool operator==(const Clock&) const = default;
};

// Everything a .crs file holds. The crossword has its squares only: the answers are rebuilt
// from them by whoever installs the puzzle.
struct PuzzleFile {
    std::uint8_t userMade = 0;
    Crossword crossword;
    Clock clock;
    bool completed = false;
};

inline constexpr int kMaxPuzzleSide = 25;

// Parses a .crs image. Refuses, with the reason, any image that is not exactly
// 29 + 27 * W * H bytes, whose sides are outside 1..25, or whose square records disagree with
// their place in the file or hold letters outside 'A'..'Z' and 0.
Result<PuzzleFile> ParsePuzzle(std::span<const std::byte> bytes);

// The .crs image of a puzzle.
std::vector<std::byte> SerializePuzzle(const Crossword& crossword, std::uint8_t userMade,
                                       const Clock& clock, bool completed);

}  // namespace quillby
