#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/common/result.h"
#include "core/storage/own_puzzle.h"
#include "core/storage/puz_checksums.h"

namespace quillby {

// No real .puz file comes near this; anything larger is refused before it is read.
inline constexpr std::size_t kMaxPuzFileBytes = 1024 * 1024;

// Reads a .puz image. Refuses, with the reason, a file that is not a .puz file, ends early, is
// larger than 25 x 25, has solution letters outside A to Z, a player's letter it cannot show,
// a clue count that disagrees with the grid, checksums that fail (under both readings of empty
// strings that writers use), a scrambled solution, rebus squares, or a damaged extra section.
// Strings are Windows-1252 and come back as UTF-8, clues in the clue window's markup. Circles
// (GEXT) become kStyleCircle; the timer (LTIM) becomes the clock; the puzzle is completed when
// every square holds its solution.
Result<OwnPuzzle> ParsePuz(std::span<const std::byte> bytes);

// The .puz image of a puzzle, version 1.3, every checksum right: clues in standard numbering
// order, taken from puzzle.own by the number of each run's first square (an empty clue where
// there is none), as plain Windows-1252 text ('?' for a character it lacks); a GEXT section
// for circles (shading has no place in the format) and an LTIM section with the clock, stopped
// when the puzzle is completed. The crossword must pass WhyNotWritable.
std::vector<std::byte> SerializePuz(const OwnPuzzle& puzzle);

}  // namespace quillby
