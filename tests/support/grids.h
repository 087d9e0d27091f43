#pragma once

#include <string>
#include <vector>

#include "core/model/crossword.h"

namespace quillby::testing {

// Builds a grid from rows of text: '#' a block, '.' an open square without a letter, a letter
// an open square with that solution.
void SetGrid(Crossword& crossword, const std::vector<std::string>& rows);

// The grid's squares back as text in the same form (solutions, or guesses when asked).
std::vector<std::string> GridRows(const Crossword& crossword, bool guesses = false);

}  // namespace quillby::testing
