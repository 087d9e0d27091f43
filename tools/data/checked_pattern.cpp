#include "data/checked_pattern.h"

#include <algorithm>
#include <chrono>
#include <cmath>

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

int Blocks(const GridPattern& pattern)
{
    int blocks = 0;
    for (const bool open : pattern.open) {
        blocks += open ? 0 : 1;
    }
    return blocks;
}

Cell RandomCell(int size, std::mt19937& random)
{
    const auto n = static_cast<unsigned>(size);
    return {static_cast<int>(random() % n), static_cast<int>(random() % n)};
}

void Toggle(GridPattern& pattern, Cell cell)
{
    const Cell partner = Partner(pattern, cell);
    const bool open = !pattern.Open(cell.col, cell.row);
    pattern.open[At(pattern, cell.col, cell.row)] = open;
    pattern.open[At(pattern, partner.col, partner.row)] = open;
}

// Open squares outside the largest linked group.
int Unlinked(const GridPattern& pattern)
{
    std::vector<bool> reached(pattern.open.size(), false);
    int open = 0;
    int largest = 0;
    std::vector<Cell> pending;
    for (int row = 0; row < pattern.size; ++row) {
        for (int col = 0; col < pattern.size; ++col) {
            if (!pattern.Open(col, row) || reached[At(pattern, col, row)]) {
                continue;
            }
            int group = 0;
            reached[At(pattern, col, row)] = true;
            pending.push_back({col, row});
            while (!pending.empty()) {
                const Cell cell = pending.back();
                pending.pop_back();
                ++group;
                for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int c = cell.col + dc;
                    const int r = cell.row + dr;
                    if (pattern.Open(c, r) && !reached[At(pattern, c, r)]) {
                        reached[At(pattern, c, r)] = true;
                        pending.push_back({c, r});
                    }
                }
            }
            open += group;
            largest = std::max(largest, group);
        }
    }
    return open - largest;
}

// The runs of open squares across and down, counted against the limits.
struct RunTally {
    int shortSquares = 0;  // squares in a run shorter than 3 (unchecked or in a 2-letter run)
    int longExcess = 0;    // letters past the longest allowed, over all entries
    int entries = 0;
    int threes = 0;
};

RunTally TallyRuns(const GridPattern& pattern, int longest)
{
    RunTally tally;
    auto count = [&](int length) {
        if (length == 0) {
            return;
        }
        if (length < 3) {
            tally.shortSquares += length;
            tally.entries += length == 2 ? 1 : 0;
            return;
        }
        ++tally.entries;
        tally.threes += length == 3 ? 1 : 0;
        tally.longExcess += std::max(0, length - longest);
    };
    for (int line = 0; line < pattern.size; ++line) {
        int across = 0;
        int down = 0;
        for (int k = 0; k < pattern.size; ++k) {
            across = pattern.Open(k, line) ? across + 1 : (count(across), 0);
            down = pattern.Open(line, k) ? down + 1 : (count(down), 0);
        }
        count(across);
        count(down);
    }
    return tally;
}

int OpenWindows(const GridPattern& pattern, int window)
{
    int windows = 0;
    for (int row = 0; row + window <= pattern.size; ++row) {
        for (int col = 0; col + window <= pattern.size; ++col) {
            bool open = true;
            for (int r = row; r < row + window && open; ++r) {
                for (int c = col; c < col + window && open; ++c) {
                    open = pattern.Open(c, r);
                }
            }
            windows += open ? 1 : 0;
        }
    }
    return windows;
}

// What the hill climb lowers. Broken rules weigh most; 3-letter entries past the aim weigh
// least, so the climb trades them away only once the shape is sound.
int Penalty(const GridPattern& pattern, const GrowthLimits& limits)
{
    const RunTally runs = TallyRuns(pattern, limits.longest);
    return 10 * runs.shortSquares + 10 * runs.longExcess +
           10 * OpenWindows(pattern, limits.window) + 10 * Unlinked(pattern) +
           10 * std::max(0, Blocks(pattern) - MaxCheckedBlocks(pattern.size)) +
           10 * std::max(0, runs.entries - MaxCheckedAnswers(pattern.size)) +
           2 * std::max(0, runs.threes - limits.threes);
}

// One square of each symmetric pair (the centre of an odd grid is its own partner).
std::vector<Cell> PairSquares(int size)
{
    std::vector<Cell> squares;
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            if (row * size + col <= (size - 1 - row) * size + (size - 1 - col)) {
                squares.push_back({col, row});
            }
        }
    }
    return squares;
}

// Fisher-Yates with the generator's raw output, so a seed gives the same order with any
// standard library (std::shuffle's use of the generator is not fixed by the standard).
void Shuffle(std::vector<Cell>& cells, std::mt19937& random)
{
    for (std::size_t i = cells.size(); i > 1; --i) {
        std::swap(cells[i - 1], cells[random() % i]);
    }
}

// A climb may stop short of the limits; this many are tried before giving up.
constexpr int kClimbs = 8;

// Toggles random symmetric block pairs, keeping every toggle that lowers the penalty and, while
// the temperature is high, some that raise it (a lone toggle nearly always leaves a short run
// somewhere, so a climb that only went down would stop at the first); then, cold, takes in
// random order the first toggle that still lowers it until none does.
GridPattern Climb(GridPattern pattern, const GrowthLimits& limits, double hot, int steps,
                  std::mt19937& random)
{
    constexpr double kCold = 0.2;
    int penalty = Penalty(pattern, limits);
    for (int step = 0; step < steps && penalty > 0; ++step) {
        const double temperature = hot * std::pow(kCold / hot, static_cast<double>(step) / steps);
        const Cell cell = RandomCell(pattern.size, random);
        Toggle(pattern, cell);
        const int trial = Penalty(pattern, limits);
        const double chance = static_cast<double>(random()) / std::mt19937::max();
        if (trial <= penalty || chance < std::exp((penalty - trial) / temperature)) {
            penalty = trial;
        } else {
            Toggle(pattern, cell);
        }
    }
    // Cold: the first toggle in random order that lowers the penalty, and where none does, the
    // first two toggles together that do (a block moved, or a pair added beside another).
    std::vector<Cell> squares = PairSquares(pattern.size);
    auto lowers = [&](Cell cell) {
        Toggle(pattern, cell);
        const int trial = Penalty(pattern, limits);
        if (trial < penalty) {
            penalty = trial;
            return true;
        }
        Toggle(pattern, cell);
        return false;
    };
    for (bool lowered = true; lowered && penalty > 0;) {
        Shuffle(squares, random);
        lowered = std::ranges::any_of(squares, lowers);
        for (std::size_t i = 0; i < squares.size() && !lowered; ++i) {
            Toggle(pattern, squares[i]);
            lowered = std::any_of(squares.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                  squares.end(), lowers);
            if (!lowered) {
                Toggle(pattern, squares[i]);
            }
        }
    }
    return pattern;
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
    if (const auto square = FirstUnturnedSquare(pattern)) {
        problems.push_back("it is not the same turned half way round, at column " +
                           std::to_string(square->first) + ", row " +
                           std::to_string(square->second));
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
    if (Unlinked(pattern) > 0 || Blocks(pattern) == size * size) {
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

int CountThreeLetterEntries(const GridPattern& pattern)
{
    return TallyRuns(pattern, pattern.size).threes;
}

bool KeepsGrowthLimits(const GridPattern& pattern, const GrowthLimits& limits)
{
    return CheckedPatternProblems(pattern).empty() && LongestEntry(pattern) <= limits.longest &&
           OpenWindows(pattern, limits.window) == 0;
}

GridPattern GrowCheckedPattern(int size, const GrowthLimits& limits, std::mt19937& random)
{
    constexpr double kHot = 12.0;  // about a short run's weight: early on most toggles pass
    GridPattern pattern;
    for (int climb = 0; climb < kClimbs && !KeepsGrowthLimits(pattern, limits); ++climb) {
        pattern =
            Climb(GridPattern{size, std::vector<bool>(static_cast<std::size_t>(size * size), true)},
                  limits, kHot, 100 * size * size, random);
    }
    return pattern;
}

GridPattern VaryCheckedPattern(const GridPattern& pattern, int changes, const GrowthLimits& limits,
                               std::mt19937& random)
{
    // Warm enough to mend what the changes broke, not to wander far from the pattern.
    constexpr double kWarm = 3.0;
    GridPattern varied = pattern;
    // The climb may well lead straight back to the pattern; that is no variation.
    for (int climb = 0;
         climb < kClimbs && (varied == pattern || !KeepsGrowthLimits(varied, limits)); ++climb) {
        varied = pattern;
        for (int k = 0; k < changes; ++k) {
            Toggle(varied, RandomCell(pattern.size, random));
        }
        varied = Climb(std::move(varied), limits, kWarm, 40 * pattern.size * pattern.size, random);
    }
    return varied;
}

std::vector<bool> ShapeKey(const GridPattern& pattern)
{
    const int last = pattern.size - 1;
    std::vector<bool> least;
    for (int turn = 0; turn < 8; ++turn) {
        std::vector<bool> key;
        for (int row = 0; row <= last; ++row) {
            for (int col = 0; col <= last; ++col) {
                const int c = (turn & 1) != 0 ? last - col : col;
                const int r = (turn & 2) != 0 ? last - row : row;
                key.push_back((turn & 4) != 0 ? pattern.Open(r, c) : pattern.Open(c, r));
            }
        }
        if (least.empty() || key < least) {
            least = std::move(key);
        }
    }
    return least;
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
