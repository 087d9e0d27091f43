#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/result.h"

namespace quillby::data {

// One block pattern of a square template: open[row * size + col] is true for a letter square.
struct GridPattern {
    int size = 0;
    std::vector<bool> open;

    bool Open(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < size && row < size &&
               open[static_cast<std::size_t>(row * size + col)];
    }
    bool operator==(const GridPattern&) const = default;
};

// Patterns kept as text: `size` lines of '#' (block) and '.' (open) each, separated by blank
// lines; lines starting with ';' are comments.
Result<std::vector<GridPattern>> ParsePatterns(std::string_view text, int size);
std::string PatternText(const GridPattern& pattern);

// What keeps a pattern from being a good British-style template, empty when none: it must be
// rotationally symmetric, every entry (run of two or more) at least 3 long, every open square
// in an entry, every entry reached through crossings from the first, and no entry with two
// unchecked squares side by side.
std::vector<std::string> PatternProblems(const GridPattern& pattern);
// The first square (reading row by row) that differs from its partner half a turn away, if any.
std::optional<std::pair<int, int>> FirstUnturnedSquare(const GridPattern& pattern);

// The template file's bytes: one byte a square, 1 open and 0 block, pattern after pattern.
std::vector<std::byte> PatternBytes(const std::vector<GridPattern>& patterns);

// A random candidate: blocks on every square of odd row and odd column (which checks every
// other square of each entry), plus `extraPairs` symmetric pairs of blocks elsewhere. It may
// break the rules; PatternProblems tells.
GridPattern ProposePattern(int size, int extraPairs, std::mt19937& random);
// The same lattice, with symmetric blocks put into entries longer than longestEntry (at least
// 7) until none is left: short entries fill far more easily.
GridPattern ProposeShortEntries(int size, int longestEntry, std::mt19937& random);

}  // namespace quillby::data
