#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/common/result.h"
#include "core/model/crossword.h"
#include "core/model/own_clues.h"
#include "core/storage/puzzle_file.h"

namespace quillby {

// A puzzle that carries its own clues, as the .puz and .ipuz readers give it and their writers
// take it. The crossword has its squares (open, solution, guess, style, number) and no answer
// list: whoever installs the puzzle builds it.
struct OwnPuzzle {
    Crossword crossword;
    OwnClues own;
    Clock clock;
    bool completed = false;
};

// The longest clue text (in the clue window's markup) a puzzle file may hold.
inline constexpr std::size_t kMaxClueTextBytes = 4096;

// The longest clock a puzzle file may hold: 9999:59:59.
inline constexpr std::int64_t kMaxClockSeconds = 9999LL * 3600 + 59 * 60 + 59;

// Seconds as the game's clock (ticks count every second), and back.
Clock ClockFromSeconds(std::int64_t seconds);
std::int64_t SecondsOf(const Clock& clock);

// Whether every open square holds its own solution letter.
bool AllSolved(const Crossword& crossword);

// Checks a puzzle a reader has built before anything uses it: every open square has a letter
// 'A'..'Z', every run of two or more starts at a numbered square, no number is on two squares,
// clues and runs agree one to one, and no clue is longer than kMaxClueTextBytes. The reason follows
// a file's name: "has no clue for 5 Down".
Status CheckOwnPuzzle(const OwnPuzzle& puzzle);

// Why this grid cannot be written as .puz or .ipuz (an open square without its letter, a size
// outside 1..25), or nullopt when it can.
std::optional<std::string> WhyNotWritable(const Crossword& crossword);

// "5 Across", "12 Down".
std::string EntryName(int number, int direction);
// "row 2, column 3" for the square at column 2, row 1, as messages name squares.
std::string SquareName(int col, int row);

// A copy of a crossword's squares (open, solution, guess, style, number), without its answers.
Crossword CopySquares(const Crossword& crossword);

}  // namespace quillby
