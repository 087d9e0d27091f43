#pragma once

#include <vector>

#include "core/model/crossword.h"

namespace quillby {

// A square that starts an Across or a Down run of two or more open squares, with the number
// standard newspaper numbering gives it.
struct NumberedStart {
    int col = 0;
    int row = 0;
    int number = 0;
    bool across = false;  // starts an Across run of two or more
    bool down = false;    // starts a Down run of two or more
    bool operator==(const NumberedStart&) const = default;
};

// Standard numbering, the one .puz files imply: squares in reading order, each that starts a
// run of two or more takes the next number from 1. On Quillby's generated puzzles it gives
// the numbers the game does.
std::vector<NumberedStart> StandardNumbering(const Crossword& crossword);

// Writes those numbers into the squares, 0 in every other square.
void ApplyStandardNumbering(Crossword& crossword);

}  // namespace quillby
