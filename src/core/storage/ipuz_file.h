#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/storage/own_puzzle.h"

namespace quillby {

// No real .ipuz file comes near this; anything larger is refused before it is parsed.
inline constexpr std::size_t kMaxIpuzFileBytes = 4 * 1024 * 1024;

// The member our own .ipuz files (and the own-clue autosave) carry the player's clock and
// completion in: {"clock": seconds, "completed": bool}. Other programs ignore it.
inline constexpr const char* kIpuzPlayKey = "x-quillby:play";

// Reads an .ipuz crossword (JSON, UTF-8; the old "ipuz(...)" wrapping is accepted). Refuses,
// with the reason, anything that is not strict JSON, not of kind http://ipuz.org/crossword,
// of the wrong shape (dimensions, grids and clue lists that disagree, values of the wrong
// kind), larger than 25 x 25, without a solution, with solution letters outside A to Z or
// several letters in a square, or with clues in directions other than Across and Down.
// Squares: blocks ("#" or the file's "block"), empty squares (0, "0", "", null or the file's
// "empty"), numbers as integers or strings, objects {"cell": ..., "style": ...}; the style
// "shapebg": "circle" gives kStyleCircle, "highlight": true or a "color" kStyleShaded. Omitted
// squares (null) become blocks. Guesses come from "saved". Clues are [number, text] or
// {"number": ..., "clue": ...}, their HTML made the clue window's markup. Numbers are the
// file's when it has any, standard numbering otherwise; they must agree with the clues.
Result<OwnPuzzle> ParseIpuz(std::span<const std::byte> bytes);

// The .ipuz image of a puzzle: version http://ipuz.org/v2, kind crossword#1, title, author,
// copyright and notes, dimensions, puzzle (numbers, blocks, styles), solution, saved (the
// guesses), clues Across and Down as [number, text] in the clue window's markup (HTML), and
// the clock and completion under kIpuzPlayKey. The crossword must pass WhyNotWritable.
std::vector<std::byte> SerializeIpuz(const OwnPuzzle& puzzle);

}  // namespace quillby
