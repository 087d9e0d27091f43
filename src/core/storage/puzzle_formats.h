#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/model/own_clues.h"
#include "core/storage/puzzle_file.h"

namespace quillby {

// The puzzle files the game reads and writes: its own .crs (no clues: they come from the clue
// stores) and the two common formats that carry their own clues.
enum class PuzzleFormat { Crs, Puz, Ipuz };

// The format a file name asks for by its extension, in any case: ".puz", ".ipuz", else .crs.
PuzzleFormat FormatOfName(const std::string& path);
// The extension of a format, with its dot.
const char* ExtensionOf(PuzzleFormat format);
// The most bytes a file of the format may have; larger files are refused unread.
std::size_t MaxFileBytes(PuzzleFormat format);

// What a puzzle file holds, whatever its format.
struct LoadedPuzzle {
    PuzzleFormat format = PuzzleFormat::Crs;
    // The squares (with numbers and styles), userMade (0 for .puz and .ipuz), clock, completed.
    PuzzleFile puzzle;
    std::optional<OwnClues> own;  // set for .puz and .ipuz
};

// Reads the bytes of a puzzle in the format its name asks for; a name with another extension
// is read as whichever format its content is (.puz by its magic, .ipuz as a JSON object, else
// .crs). The reason on refusal follows the file's name ("is scrambled: ...").
Result<LoadedPuzzle> ParsePuzzleBytes(const std::string& path, std::span<const std::byte> bytes);

// The bytes of a puzzle file: a regular file (never a pipe or a device) no larger than the
// format its name asks for allows, or than the largest format for another name. The reason on
// refusal starts with the path ("PATH: is not a regular file").
Result<std::vector<std::byte>> ReadPuzzleBytes(const std::string& path);

// Reads a puzzle file of any of the three formats: ReadPuzzleBytes, then ParsePuzzleBytes. The
// reason on refusal follows the file's name ("cannot be found", "is not a regular file", ...).
Result<LoadedPuzzle> ReadAnyPuzzle(const std::string& path);

// The message a refused puzzle file gets, in the game and on the command line:
// "This file is not a valid crossword: NAME REASON".
std::string RefusedPuzzleMessage(const std::string& name, const std::string& reason);

}  // namespace quillby
