#include <cstddef>
#include <cstdint>
#include <span>

#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    quillby::Result<quillby::OwnPuzzle> puzzle = quillby::ParsePuz(bytes);
    if (!puzzle) {
        return 0;
    }
    // Whatever the reader accepts, the writers write and the readers take back.
    if (!quillby::ParsePuz(quillby::SerializePuz(puzzle.Value())) ||
        !quillby::ParseIpuz(quillby::SerializeIpuz(puzzle.Value()))) {
        __builtin_trap();
    }
    puzzle->crossword.BuildAnswerList();
    puzzle->crossword.SetAnswersFromGrid();
    return 0;
}
