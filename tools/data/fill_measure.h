#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/model/crossword.h"
#include "core/wordgraph/dawg.h"
#include "data/grid_pattern.h"

namespace quillby::data {

// How often the game's filler completes one pattern in single attempts, one per seed.
struct FillMeasure {
    int attempts = 0;
    int filled = 0;
    double totalMillis = 0;
    std::map<std::string, int> answerFills;  // in how many whole fills each answer appears

    double Rate() const { return attempts == 0 ? 0.0 : static_cast<double>(filled) / attempts; }
    // Counts one attempt that took millis; a whole fill's answers are counted once each.
    void Count(bool wasFilled, const Crossword& crossword, double millis);
};

// Seeds 1..count: the fixed seeds that template selection and the shipped-template test use.
std::vector<std::uint32_t> FillSeeds(int count);

// One attempt exactly as a generation makes it: the pattern loaded as a template, the answer
// list built, one fill with a fresh budget from Rng and edge coin seeded with seed. True when
// the grid came out whole; the crossword holds the attempt's grid.
bool FillOnce(const GridPattern& pattern, const Dawg& dawg, const ClueStore& clues,
              std::uint32_t seed, Crossword& crossword);

FillMeasure MeasureFill(const GridPattern& pattern, const Dawg& dawg, const ClueStore& clues,
                        std::span<const std::uint32_t> seeds);

}  // namespace quillby::data
