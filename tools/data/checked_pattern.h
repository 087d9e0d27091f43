#pragma once

#include <cstdint>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/fill_index.h"
#include "data/fill_measure.h"
#include "data/grid_pattern.h"

namespace quillby::data {

// The most answers a fully checked pattern of this size may have: 78 at 15 x 15 and 66 at
// 13 x 13, as newspaper grids keep to; about a third of the squares for other sizes.
int MaxCheckedAnswers(int size);
// The most blocks: 16 % of the squares.
int MaxCheckedBlocks(int size);

// What keeps a pattern from being a good fully checked (American-style) template, empty when
// nothing does: it must be rotationally symmetric, every open square in an across and a down
// entry, every entry at least 3 long, all open squares linked, and within the answer and
// block limits above.
std::vector<std::string> CheckedPatternProblems(const GridPattern& pattern);

// Answers (entries) of a pattern, and the longest.
int CountEntries(const GridPattern& pattern);
int LongestEntry(const GridPattern& pattern);

// Answers of 3 letters.
int CountThreeLetterEntries(const GridPattern& pattern);

// The shape a fully checked template is grown to, beyond the rules above: wide open corners
// and long entries are what make a fill fail, and fewer 3-letter entries give the fill more
// words to choose from (the short ones it has are few and keep coming back).
struct GrowthLimits {
    int longest = 8;  // no entry longer
    int window = 4;   // no open window x window square
    int threes = 12;  // 3-letter entries past this count against a shape, but do not rule it out
};

// True when the pattern keeps every rule of CheckedPatternProblems, no entry is longer than
// limits.longest and no window x window square is open.
bool KeepsGrowthLimits(const GridPattern& pattern, const GrowthLimits& limits);

// A candidate grown by a hill climb: from a random scatter of symmetric block pairs, a pair is
// toggled while that lowers a penalty for squares in runs shorter than 3, letters past
// limits.longest, open windows, unlinked squares, blocks and answers past the limits, and
// 3-letter entries past limits.threes; a climb that stops short of the limits is begun again, a
// few times. The same generator state grows the same pattern. It may still miss the limits;
// KeepsGrowthLimits tells.
GridPattern GrowCheckedPattern(int size, const GrowthLimits& limits, std::mt19937& random);
// A variation: a few random symmetric pairs toggled, then the same climb from there, kept
// near the pattern; it too may miss the limits.
GridPattern VaryCheckedPattern(const GridPattern& pattern, int changes, const GrowthLimits& limits,
                               std::mt19937& random);

// The same for a pattern and its mirror images, transposes and quarter turns (the least of
// the eight), so a set can keep one of each shape.
std::vector<bool> ShapeKey(const GridPattern& pattern);

// The same figures as the Original templates' measure.
using CheckedMeasure = FillMeasure;

// How the fully checked fill does on one pattern: one generation attempt per seed (the
// CheckedFiller with steps placements), as the game makes it.
CheckedMeasure MeasureCheckedFill(const GridPattern& pattern, const FillIndex& index,
                                  const FillWordList& words, const ClueStore& clues,
                                  std::span<const std::uint32_t> seeds, std::int64_t steps);

}  // namespace quillby::data
