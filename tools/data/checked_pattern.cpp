#include "data/checked_pattern.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "core/generator/checked_filler.h"
#include "core/generator/grid_template.h"
#include "core/wordgraph/rng.h"

namespace quillby::data {

namespace {

struct Cell {
    int col = 0;
    int row = 0;
};

std::size_t At(const GridPattern& pattern, int col, int row)
{
    return static_cast<std::size_t>(row * pattern.size + col);
}

Cell Partner(const GridPattern& pattern, Cell cell)
{
    return {pattern.size - 1 - cell.col, pattern.size - 1 - cell.row};
}

// The length of the run through an open square in one direction.
int RunThrough(const GridPattern& pattern, int col, int row, int dc, int dr)
{
    int length = 1;
    for (int k = 1; pattern.Open(col - dc * k, row - dr * k); ++k) {
        ++length;
    }
    for (int k = 1; pattern.Open(col + dc * k, row + dr * k); ++k) {
        ++length;
    }
    return length;
}

bool Linked(const GridPattern& pattern)
{
    std::vector<bool> reached(pattern.open.size(), false);
    std::vector<Cell> pending;
    int open = 0;
    for (int row = 0; row < pattern.size; ++row) {
        for (int col = 0; col < pattern.size; ++col) {
            if (pattern.Open(col, row)) {
                ++open;
                if (pending.empty()) {
                    pending.push_back({col, row});
                    reached[At(pattern, col, row)] = true;
                }
            }
        }
    }
    int count = 0;
    while (!pending.empty()) {
        const Cell cell = pending.back();
        pending.pop_back();
        ++count;
        for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int c = cell.col + dc;
            const int r = cell.row + dr;
            if (pattern.Open(c, r) && !reached[At(pattern, c, r)]) {
                reached[At(pattern, c, r)] = true;
                pending.push_back({c, r});
            }
        }
    }
    return count == open && open > 0;
}

int Blocks(const GridPattern& pattern)
{
    int blocks = 0;
    for (const bool open : pattern.open) {
        blocks += open ? 0 : 1;
    }
    return blocks;
}

// Sets a square and its partner, then blocks every open square left in a run shorter than 3
// (a block beside the edge takes the two squares between it and the edge with it), and keeps
// the result only when it is sound; with cutting, blocks and answers may still be over the
// limits, while long entries are being cut.
bool TrySet(GridPattern& pattern, Cell cell, bool open, bool cutting)
{
    GridPattern trial = pattern;
    const Cell partner = Partner(pattern, cell);
    trial.open[At(trial, cell.col, cell.row)] = open;
    trial.open[At(trial, partner.col, partner.row)] = open;
    for (bool changed = true; changed;) {
        changed = false;
        for (int row = 0; row < trial.size; ++row) {
            for (int col = 0; col < trial.size; ++col) {
                if (trial.Open(col, row) && (RunThrough(trial, col, row, 1, 0) < 3 ||
                                             RunThrough(trial, col, row, 0, 1) < 3)) {
                    const Cell other = Partner(trial, {col, row});
                    trial.open[At(trial, col, row)] = false;
                    trial.open[At(trial, other.col, other.row)] = false;
                    changed = true;
                }
            }
        }
    }
    const bool sound = Linked(trial) && Blocks(trial) <= MaxCheckedBlocks(trial.size) &&
                       (cutting || CountEntries(trial) <= MaxCheckedAnswers(trial.size));
    if (sound) {
        pattern = std::move(trial);
    }
    return sound;
}

Cell RandomCell(int size, std::mt19937& random)
{
    const auto n = static_cast<unsigned>(size);
    return {static_cast<int>(random() % n), static_cast<int>(random() % n)};
}

}  // namespace

int MaxCheckedAnswers(int size)
{
    switch (size) {
        case 15:
            return 78;
        case 13:
            return 66;
        default:
            return size * size * 7 / 20;
    }
}

int MaxCheckedBlocks(int size)
{
    return size * size * 16 / 100;
}

int CountEntries(const GridPattern& pattern)
{
    int entries = 0;
    for (int row = 0; row < pattern.size; ++row) {
        for (int col = 0; col < pattern.size; ++col) {
            if (!pattern.Open(col, row)) {
                continue;
            }
            if (!pattern.Open(col - 1, row) && pattern.Open(col + 1, row)) {
                ++entries;
            }
            if (!pattern.Open(col, row - 1) && pattern.Open(col, row + 1)) {
                ++entries;
            }
        }
    }
    return entries;
}

int LongestEntry(const GridPattern& pattern)
{
    int longest = 0;
    for (int row = 0; row < pattern.size; ++row) {
        for (int col = 0; col < pattern.size; ++col) {
            if (pattern.Open(col, row)) {
                longest = std::max({longest, RunThrough(pattern, col, row, 1, 0),
                                    RunThrough(pattern, col, row, 0, 1)});
            }
        }
    }
    return longest;
}

std::vector<std::string> CheckedPatternProblems(const GridPattern& pattern)
{
    std::vector<std::string> problems;
    const int size = pattern.size;
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            if (pattern.Open(col, row) != pattern.Open(size - 1 - col, size - 1 - row)) {
                problems.push_back("it is not the same turned half way round, at column " +
                                   std::to_string(col) + ", row " + std::to_string(row));
                row = size;
                break;
            }
        }
    }
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            if (!pattern.Open(col, row)) {
                continue;
            }
            const int across = RunThrough(pattern, col, row, 1, 0);
            const int down = RunThrough(pattern, col, row, 0, 1);
            if (across < 3 || down < 3) {
                problems.push_back("the square at column " + std::to_string(col) + ", row " +
                                   std::to_string(row) +
                                   (across < 2 || down < 2 ? " is not in two entries"
                                                           : " is in an entry shorter than 3"));
                row = size;
                break;
            }
        }
    }
    if (!Linked(pattern)) {
        problems.push_back("its open squares are not all linked");
    }
    if (CountEntries(pattern) > MaxCheckedAnswers(size)) {
        problems.push_back("it has " + std::to_string(CountEntries(pattern)) +
                           " answers, more than " + std::to_string(MaxCheckedAnswers(size)));
    }
    if (Blocks(pattern) > MaxCheckedBlocks(size)) {
        problems.push_back("it has " + std::to_string(Blocks(pattern)) + " blocks, more than " +
                           std::to_string(MaxCheckedBlocks(size)));
    }
    return problems;
}

GridPattern ProposeCheckedPattern(int size, int longest, int window, int extraPairs,
                                  std::mt19937& random)
{
    GridPattern pattern{size, std::vector<bool>(static_cast<std::size_t>(size * size), true)};
    for (int guard = 0; guard < 4000; ++guard) {
        std::vector<Cell> inWindow;
        for (int row = 0; row + window <= size; ++row) {
            for (int col = 0; col + window <= size; ++col) {
                bool open = true;
                for (int r = row; r < row + window && open; ++r) {
                    for (int c = col; c < col + window && open; ++c) {
                        open = pattern.Open(c, r);
                    }
                }
                if (open) {
                    inWindow.push_back(
                        {col + static_cast<int>(random() % static_cast<unsigned>(window)),
                         row + static_cast<int>(random() % static_cast<unsigned>(window))});
                }
            }
        }
        if (!inWindow.empty()) {
            TrySet(pattern, inWindow[random() % inWindow.size()], false, true);
            continue;
        }
        std::vector<Cell> inLong;
        for (int row = 0; row < size; ++row) {
            for (int col = 0; col < size; ++col) {
                if (pattern.Open(col, row) && (RunThrough(pattern, col, row, 1, 0) > longest ||
                                               RunThrough(pattern, col, row, 0, 1) > longest)) {
                    inLong.push_back({col, row});
                }
            }
        }
        if (inLong.empty()) {
            break;
        }
        TrySet(pattern, inLong[random() % inLong.size()], false, true);
    }
    for (int added = 0, guard = 0; added < extraPairs && guard < 400; ++guard) {
        const Cell cell = RandomCell(size, random);
        if (pattern.Open(cell.col, cell.row) && TrySet(pattern, cell, false, false)) {
            ++added;
        }
    }
    return pattern;
}

GridPattern VaryCheckedPattern(const GridPattern& pattern, int changes, std::mt19937& random)
{
    GridPattern varied = pattern;
    for (int done = 0, guard = 0; done < changes && guard < 400; ++guard) {
        const Cell cell = RandomCell(pattern.size, random);
        const bool open = varied.Open(cell.col, cell.row);
        // Opening a block and closing a square near it moves the block; either alone adds or
        // takes away blocks.
        if (TrySet(varied, cell, !open, false)) {
            ++done;
        }
    }
    return varied;
}

CheckedMeasure MeasureCheckedFill(const GridPattern& pattern, const FillIndex& index,
                                  const FillWordList& words, const ClueStore& clues,
                                  std::span<const std::uint32_t> seeds, std::int64_t steps)
{
    CheckedMeasure measure;
    const TemplateFile file{pattern.size, pattern.size, PatternBytes({pattern})};
    FillClues clueInfo(clues, words);
    Crossword crossword;
    crossword.SetGridSize(pattern.size, pattern.size);
    for (const std::uint32_t seed : seeds) {
        const auto start = std::chrono::steady_clock::now();
        Rng rng(seed);
        crossword.ClearSquares();
        LoadTemplate(crossword, file, rng);
        crossword.BuildAnswerList();
        CheckedFiller filler(crossword, index, clueInfo, rng);
        const bool filled = filler.Fill({steps, nullptr}) == CheckedFiller::Outcome::kFilled;
        const auto end = std::chrono::steady_clock::now();
        measure.Count(filled, crossword,
                      std::chrono::duration<double, std::milli>(end - start).count());
    }
    return measure;
}

}  // namespace quillby::data
