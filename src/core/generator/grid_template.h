#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/common/result.h"
#include "core/model/crossword.h"
#include "core/wordgraph/rng.h"

namespace quillby {

// A template file: no header, a sequence of width x height byte blocks, one byte per square in
// row-major order, 0 for a block and anything else for an open square. Bytes after the last
// whole template are ignored.
struct TemplateFile {
    int width = 0;
    int height = 0;
    std::vector<std::byte> bytes;

    std::size_t Count() const;
};

// Reads a template file. Fails, naming the path, when it is missing or unreadable, when the
// size is not 1..25, or when it holds no whole template.
Result<TemplateFile> ReadTemplateFile(const std::string& path, int width, int height);

// Draws one template with RandBelow(count) (exactly one draw) and copies it into the open
// flags of a crossword already sized width x height. Returns the template's index; -1, with
// no draw, when the file holds none or the crossword's size differs.
int LoadTemplate(Crossword& crossword, const TemplateFile& templates, Rng& rng);

// The same from the file: false when it cannot be read or holds no whole template.
bool LoadTemplate(Crossword& crossword, const std::string& path, int width, int height, Rng& rng);

}  // namespace quillby
