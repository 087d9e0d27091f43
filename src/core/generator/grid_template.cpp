#include "core/generator/grid_template.h"

#include <vector>

#include "core/common/file_io.h"
#include "core/storage/puzzle_file.h"

namespace quillby {

namespace {

// The open squares of one template, with bounds: outside the grid is a block.
class TemplateGrid {
public:
    TemplateGrid(std::span<const std::byte> squares, int width, int height)
        : squares(squares), width(width), height(height)
    {
    }

    bool Open(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < width && row < height &&
               squares[Index(col, row)] != std::byte{0};
    }
    std::size_t Index(int col, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(col);
    }
    // The length of the run through (col, row) in one direction, 1 for a lone square.
    int RunLength(int col, int row, int dc, int dr) const
    {
        int start = 0;
        while (Open(col - dc * (start + 1), row - dr * (start + 1))) {
            ++start;
        }
        int end = 0;
        while (Open(col + dc * (end + 1), row + dr * (end + 1))) {
            ++end;
        }
        return start + end + 1;
    }

    std::span<const std::byte> squares;
    int width;
    int height;
};

std::string At(int col, int row)
{
    return "column " + std::to_string(col) + ", row " + std::to_string(row);
}

// Every open square in an entry and every entry at least 3 long, or what is wrong first.
std::string EntryProblem(const TemplateGrid& grid)
{
    for (int row = 0; row < grid.height; ++row) {
        for (int col = 0; col < grid.width; ++col) {
            if (!grid.Open(col, row)) {
                continue;
            }
            const int across = grid.RunLength(col, row, 1, 0);
            const int down = grid.RunLength(col, row, 0, 1);
            if (across < 2 && down < 2) {
                return "has a square in no entry, at " + At(col, row);
            }
            if (across == 2 || down == 2) {
                return "has an entry shorter than 3, through " + At(col, row);
            }
        }
    }
    return {};
}

// With every open square in an entry, entries linked through crossings are open squares
// linked side by side: one flood fill from the first open square tells.
bool AllLinked(const TemplateGrid& grid, int firstCol, int firstRow)
{
    std::vector<bool> reached(grid.squares.size(), false);
    std::vector<std::pair<int, int>> pending{{firstCol, firstRow}};
    reached[grid.Index(firstCol, firstRow)] = true;
    std::size_t count = 0;
    while (!pending.empty()) {
        const auto [col, row] = pending.back();
        pending.pop_back();
        ++count;
        for (const auto& [dc, dr] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            if (grid.Open(col + dc, row + dr) && !reached[grid.Index(col + dc, row + dr)]) {
                reached[grid.Index(col + dc, row + dr)] = true;
                pending.emplace_back(col + dc, row + dr);
            }
        }
    }
    std::size_t open = 0;
    for (const std::byte square : grid.squares) {
        open += square != std::byte{0} ? 1 : 0;
    }
    return count == open;
}

}  // namespace

std::string TemplateProblem(std::span<const std::byte> squares, int width, int height)
{
    if (width < 1 || height < 1 ||
        squares.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return "is not " + std::to_string(width) + " x " + std::to_string(height) + " squares";
    }
    const TemplateGrid grid(squares, width, height);
    std::size_t first = 0;
    while (first < squares.size() && squares[first] == std::byte{0}) {
        ++first;
    }
    if (first == squares.size()) {
        return "has no open square";
    }
    if (std::string problem = EntryProblem(grid); !problem.empty()) {
        return problem;
    }
    const int firstCol = static_cast<int>(first % static_cast<std::size_t>(width));
    const int firstRow = static_cast<int>(first / static_cast<std::size_t>(width));
    if (!AllLinked(grid, firstCol, firstRow)) {
        return "has entries not linked to the others";
    }
    return {};
}

std::size_t TemplateFile::Count() const
{
    if (width < 1 || height < 1) {
        return 0;
    }
    return bytes.size() / (static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

Result<TemplateFile> ReadTemplateFile(const std::string& path, int width, int height)
{
    if (width < 1 || width > kMaxPuzzleSide || height < 1 || height > kMaxPuzzleSide) {
        return Result<TemplateFile>::Failure("no templates of " + std::to_string(width) + " x " +
                                             std::to_string(height) + " squares exist");
    }
    auto bytes = ReadWholeFile(path, kMaxTemplateFileBytes);
    if (!bytes) {
        return Result<TemplateFile>::Failure(bytes.Error());
    }
    TemplateFile templates{width, height, std::move(bytes.Value())};
    if (templates.Count() == 0) {
        return Result<TemplateFile>::Failure(path + " holds no whole " + std::to_string(width) +
                                             " x " + std::to_string(height) + " template");
    }
    return templates;
}

Status CheckTemplates(const TemplateFile& templates, const std::string& path)
{
    const std::size_t area =
        static_cast<std::size_t>(templates.width) * static_cast<std::size_t>(templates.height);
    for (std::size_t i = 0; i < templates.Count(); ++i) {
        const std::span<const std::byte> one(templates.bytes.data() + i * area, area);
        const std::string problem = TemplateProblem(one, templates.width, templates.height);
        if (!problem.empty()) {
            return Status::Failure(path + ": template " + std::to_string(i + 1) + " " + problem);
        }
    }
    return Done{};
}

int LoadTemplate(Crossword& crossword, const TemplateFile& templates, Rng& rng)
{
    const std::size_t count = templates.Count();
    if (count == 0 || crossword.width != templates.width || crossword.height != templates.height ||
        crossword.squares.empty()) {
        return -1;
    }
    const std::int32_t chosen = rng.RandBelow(static_cast<std::int32_t>(count));
    const std::size_t area = crossword.squares.size();
    const std::size_t offset = static_cast<std::size_t>(chosen) * area;
    for (std::size_t i = 0; i < area; ++i) {
        crossword.squares[i].open = templates.bytes[offset + i] != std::byte{0};
    }
    return chosen;
}

bool LoadTemplate(Crossword& crossword, const std::string& path, int width, int height, Rng& rng)
{
    const auto templates = ReadTemplateFile(path, width, height);
    return templates && LoadTemplate(crossword, templates.Value(), rng) >= 0;
}

}  // namespace quillby
