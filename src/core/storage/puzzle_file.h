#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
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
// The longest .crs there is: a 25 x 25 puzzle.
inline constexpr std::size_t kMaxPuzzleFileBytes = 29 + 27 * kMaxPuzzleSide * kMaxPuzzleSide;
// The clock stops here rather than overflow: over a hundred years of play.
inline constexpr int kMaxClockHours = 999'999;

// Parses a .crs image. Refuses, with the reason, any image that is not exactly
// 29 + 27 * W * H bytes, whose sides are outside 1..25, whose square records disagree with
// their place in the file or hold letters outside 'A'..'Z' and 0, or whose clock holds
// seconds or minutes outside 0..59, negative ticks, or hours outside 0..kMaxClockHours.
Result<PuzzleFile> ParsePuzzle(std::span<const std::byte> bytes);

// Reads and parses a .crs file (a regular file of at most kMaxPuzzleFileBytes).
Result<PuzzleFile> ReadPuzzleFile(const std::string& path);

// The .crs image of a puzzle.
std::vector<std::byte> SerializePuzzle(const Crossword& crossword, std::uint8_t userMade,
                                       const Clock& clock, bool completed);

}  // namespace quillby
