#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/model/crossword.h"
#include "core/wordgraph/rng.h"

namespace quillby {

// A template file longer than this is refused: 1,600 templates of 25 x 25.
inline constexpr std::size_t kMaxTemplateFileBytes = std::size_t{1} << 20;

// A template file: no header, a sequence of width x height byte blocks, one byte per square in
// row-major order, 0 for a block and anything else for an open square. Bytes after the last
// whole template are ignored.
struct TemplateFile {
    int width = 0;
    int height = 0;
    std::vector<std::byte> bytes;

    std::size_t Count() const;
};

// Reads a template file. Fails, naming the path, when it is missing, unreadable, not a regular
// file or longer than kMaxTemplateFileBytes, when the size is not 1..25, or when it holds no
// whole template.
Result<TemplateFile> ReadTemplateFile(const std::string& path, int width, int height);

// What keeps one width x height template from being a crossword, empty when nothing does: it
// needs an open square, every open square in an entry (a run of two or more), every entry at
// least 3 long, and every entry linked to the others through crossings.
std::string TemplateProblem(std::span<const std::byte> squares, int width, int height);
// Fails, naming the file (path) and the template, when any template of the file has a
// problem. A generation checks its file first: a damaged one would keep it trying for ever.
Status CheckTemplates(const TemplateFile& templates, const std::string& path);

// Draws one template with RandBelow(count) (exactly one draw) and copies it into the open
// flags of a crossword already sized width x height. Returns the template's index; -1, with
// no draw, when the file holds none or the crossword's size differs.
int LoadTemplate(Crossword& crossword, const TemplateFile& templates, Rng& rng);

// The same from the file: false when it cannot be read or holds no whole template.
bool LoadTemplate(Crossword& crossword, const std::string& path, int width, int height, Rng& rng);

}  // namespace quillby
