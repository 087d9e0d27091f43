#pragma once

#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/wordgraph/dawg.h"

namespace quillby::testing {

// A word graph and a main clue store built in memory from a word list; each word gets the
// clue "Clue for WORD".
struct WordWorld {
    Dawg dawg;
    ClueStore clues;
};
void BuildWorld(WordWorld& world, const std::vector<std::string>& words);

// The 5 x 5 grid with blocks where row and column are both odd: three across and three down
// answers of five letters, crossing at nine squares.
extern const std::vector<std::string> kLatticeRows;

// A size x size template whose only answers are kLatticeRows in its top left corner.
std::vector<std::string> LatticeInCorner(int size);

// count five-letter words over a small alphabet, fixed by seed, so lattices fill easily and
// in many ways.
std::vector<std::string> LatticeWords(unsigned seed, int count);

// Writes data/eng_dawg, data/eng_clues.b and the template file for size under folder. Each
// template is given as rows of '#' and '.'.
void WriteWorldFiles(const std::string& folder, const std::vector<std::string>& words, int size,
                     const std::vector<std::vector<std::string>>& templates);

}  // namespace quillby::testing
