#include "data/grid_pattern.h"

#include <deque>
#include <sstream>

#include "data/text_util.h"

namespace quillby::data {

namespace {

struct Run {
    int col = 0;
    int row = 0;
    bool across = true;
    int length = 0;
};

std::vector<Run> Runs(const GridPattern& pattern)
{
    std::vector<Run> runs;
    for (int across = 1; across >= 0; --across) {
        for (int row = 0; row < pattern.size; ++row) {
            for (int col = 0; col < pattern.size; ++col) {
                const int pc = across ? col - 1 : col;
                const int pr = across ? row : row - 1;
                if (!pattern.Open(col, row) || pattern.Open(pc, pr)) {
                    continue;
                }
                Run run{col, row, across != 0, 0};
                while (pattern.Open(col + (across ? run.length : 0),
                                    row + (across ? 0 : run.length))) {
                    ++run.length;
                }
                if (run.length >= 2) {
                    runs.push_back(run);
                }
            }
        }
    }
    return runs;
}

bool Covers(const Run& run, int col, int row)
{
    return run.across ? row == run.row && col >= run.col && col < run.col + run.length
                      : col == run.col && row >= run.row && row < run.row + run.length;
}

bool Crosses(const Run& a, const Run& b)
{
    if (a.across == b.across) {
        return false;
    }
    const Run& across = a.across ? a : b;
    const Run& down = a.across ? b : a;
    return Covers(across, down.col, across.row) && Covers(down, down.col, across.row);
}

std::string Where(const Run& run)
{
    return std::string(run.across ? "across" : "down") + " entry at column " +
           std::to_string(run.col) + ", row " + std::to_string(run.row);
}

void CheckEntries(const GridPattern& pattern, const std::vector<Run>& runs,
                  std::vector<std::string>& problems)
{
    for (const Run& run : runs) {
        if (run.length < 3) {
            problems.push_back("the " + Where(run) + " is shorter than 3");
        }
        int uncheckedInARow = 0;
        for (int i = 0; i < run.length; ++i) {
            const int col = run.col + (run.across ? i : 0);
            const int row = run.row + (run.across ? 0 : i);
            const bool checked = run.across
                                     ? pattern.Open(col, row - 1) || pattern.Open(col, row + 1)
                                     : pattern.Open(col - 1, row) || pattern.Open(col + 1, row);
            uncheckedInARow = checked ? 0 : uncheckedInARow + 1;
            if (uncheckedInARow == 2) {
                problems.push_back("the " + Where(run) + " has two unchecked squares together");
                break;
            }
        }
    }
}

}  // namespace

Result<std::vector<GridPattern>> ParsePatterns(std::string_view text, int size)
{
    std::vector<GridPattern> patterns;
    GridPattern current{size, {}};
    std::istringstream lines{std::string(text)};
    std::string raw;
    int lineNumber = 0;
    auto finish = [&]() -> bool {
        if (current.open.empty()) {
            return true;
        }
        if (current.open.size() != static_cast<std::size_t>(size * size)) {
            return false;
        }
        patterns.push_back(current);
        current.open.clear();
        return true;
    };
    while (std::getline(lines, raw)) {
        ++lineNumber;
        const std::string_view line = Trim(raw);
        if (!line.empty() && line[0] == ';') {
            continue;
        }
        const bool wellFormed = line.empty() || (line.size() == static_cast<std::size_t>(size) &&
                                                 line.find_first_not_of("#.") == line.npos);
        if (!wellFormed || (line.empty() && !finish()) ||
            current.open.size() >= static_cast<std::size_t>(size * size)) {
            return Result<std::vector<GridPattern>>::Failure(
                "line " + std::to_string(lineNumber) + " does not continue a " +
                std::to_string(size) + " x " + std::to_string(size) + " pattern");
        }
        for (char c : line) {
            current.open.push_back(c == '.');
        }
    }
    if (!finish()) {
        return Result<std::vector<GridPattern>>::Failure("the last pattern is incomplete");
    }
    return patterns;
}

std::string PatternText(const GridPattern& pattern)
{
    std::string text;
    for (int row = 0; row < pattern.size; ++row) {
        for (int col = 0; col < pattern.size; ++col) {
            text.push_back(pattern.Open(col, row) ? '.' : '#');
        }
        text.push_back('\n');
    }
    return text;
}

std::optional<std::pair<int, int>> FirstUnturnedSquare(const GridPattern& pattern)
{
    const int n = pattern.size;
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            if (pattern.Open(col, row) != pattern.Open(n - 1 - col, n - 1 - row)) {
                return std::pair{col, row};
            }
        }
    }
    return std::nullopt;
}

std::vector<std::string> PatternProblems(const GridPattern& pattern)
{
    std::vector<std::string> problems;
    const int n = pattern.size;
    if (FirstUnturnedSquare(pattern)) {
        problems.push_back("not rotationally symmetric");
    }
    const std::vector<Run> runs = Runs(pattern);
    if (runs.empty()) {
        problems.push_back("no entries");
        return problems;
    }
    CheckEntries(pattern, runs, problems);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            bool covered = false;
            for (const Run& run : runs) {
                covered = covered || Covers(run, col, row);
            }
            if (pattern.Open(col, row) && !covered) {
                problems.push_back("the square at column " + std::to_string(col) + ", row " +
                                   std::to_string(row) + " is in no entry");
            }
        }
    }
    // The game fills only what it reaches from its first entry through crossings.
    std::vector<bool> reached(runs.size(), false);
    std::deque<std::size_t> queue{0};
    reached[0] = true;
    while (!queue.empty()) {
        const std::size_t at = queue.front();
        queue.pop_front();
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (!reached[i] && Crosses(runs[at], runs[i])) {
                reached[i] = true;
                queue.push_back(i);
            }
        }
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!reached[i]) {
            problems.push_back("the " + Where(runs[i]) + " is not linked to the first entry");
        }
    }
    return problems;
}

std::vector<std::byte> PatternBytes(const std::vector<GridPattern>& patterns)
{
    std::vector<std::byte> bytes;
    for (const GridPattern& pattern : patterns) {
        for (bool open : pattern.open) {
            bytes.push_back(open ? std::byte{1} : std::byte{0});
        }
    }
    return bytes;
}

GridPattern ProposeShortEntries(int size, int longestEntry, std::mt19937& random)
{
    GridPattern pattern = ProposePattern(size, 0, random);
    for (int round = 0; round < size * size; ++round) {
        std::vector<Run> tooLong;
        for (const Run& run : Runs(pattern)) {
            if (run.length > longestEntry) {
                tooLong.push_back(run);
            }
        }
        if (tooLong.empty()) {
            break;
        }
        const Run& run = tooLong[random() % tooLong.size()];
        // A block that leaves at least 3 squares on each side of it.
        const int at = 3 + static_cast<int>(random() % static_cast<std::uint32_t>(run.length - 6));
        const int col = run.col + (run.across ? at : 0);
        const int row = run.row + (run.across ? 0 : at);
        pattern.open[static_cast<std::size_t>(row * size + col)] = false;
        pattern.open[static_cast<std::size_t>((size - 1 - row) * size + (size - 1 - col))] = false;
    }
    return pattern;
}

GridPattern ProposePattern(int size, int extraPairs, std::mt19937& random)
{
    GridPattern pattern{size, std::vector<bool>(static_cast<std::size_t>(size * size), true)};
    auto block = [&](int col, int row) {
        pattern.open[static_cast<std::size_t>(row * size + col)] = false;
        pattern.open[static_cast<std::size_t>((size - 1 - row) * size + (size - 1 - col))] = false;
    };
    for (int row = 1; row < size; row += 2) {
        for (int col = 1; col < size; col += 2) {
            block(col, row);
        }
    }
    for (int i = 0; i < extraPairs; ++i) {
        const int col = static_cast<int>(random() % static_cast<std::uint32_t>(size));
        const int row = static_cast<int>(random() % static_cast<std::uint32_t>(size));
        block(col, row);
    }
    return pattern;
}

}  // namespace quillby::data
