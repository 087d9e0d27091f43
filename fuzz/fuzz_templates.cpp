#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/generator/grid_template.h"
#include "core/model/crossword.h"
#include "core/wordgraph/rng.h"

// The first byte chooses the template size (1..25 squares a side), the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const int side = 1 + data[0] % 25;
    const auto bytes = std::as_bytes(std::span(data + 1, size - 1));
    quillby::TemplateFile templates{side, side, {bytes.begin(), bytes.end()}};
    if (templates.Count() == 0 || !quillby::CheckTemplates(templates, "fuzz")) {
        return 0;
    }
    // A template the check passes gives the fill a grid whose every open square is in an
    // answer reached from the first: nothing is left over.
    quillby::Crossword crossword;
    crossword.SetGridSize(side, side);
    quillby::Rng rng(1);
    if (quillby::LoadTemplate(crossword, templates, rng) < 0) {
        __builtin_trap();
    }
    crossword.BuildAnswerList();
    std::vector<bool> covered(crossword.squares.size(), false);
    for (const quillby::AnswerEntry& entry : crossword.answers) {
        if (entry.length < 3) {
            __builtin_trap();
        }
        for (const quillby::Square* square : crossword.EntrySquares(entry)) {
            covered[static_cast<std::size_t>(square - crossword.squares.data())] = true;
        }
    }
    for (std::size_t i = 0; i < covered.size(); ++i) {
        if (crossword.squares[i].open && !covered[i]) {
            __builtin_trap();
        }
    }
    return 0;
}
