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

// A candidate grown from an open grid: symmetric pairs of blocks put into every open window of
// window x window squares and into the entries longer than longest until none is left (wide
// open corners and long entries are what make a fill fail), then extraPairs more where they
// keep the pattern sound.
GridPattern ProposeCheckedPattern(int size, int longest, int window, int extraPairs,
                                  std::mt19937& random);
// A variation of a sound pattern: a few symmetric block pairs moved, added or taken away,
// each change kept only when the pattern stays sound.
GridPattern VaryCheckedPattern(const GridPattern& pattern, int changes, std::mt19937& random);

// The same figures as the Original templates' measure.
using CheckedMeasure = FillMeasure;

// How the fully checked fill does on one pattern: one generation attempt per seed (the
// CheckedFiller with steps placements), as the game makes it.
CheckedMeasure MeasureCheckedFill(const GridPattern& pattern, const FillIndex& index,
                                  const FillWordList& words, const ClueStore& clues,
                                  std::span<const std::uint32_t> seeds, std::int64_t steps);

}  // namespace quillby::data
