#include "core/generator/grid_template.h"

#include "core/common/file_io.h"
#include "core/storage/puzzle_file.h"

namespace quillby {

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
    auto bytes = ReadWholeFile(path);
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
