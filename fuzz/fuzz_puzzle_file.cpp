#include <cstddef>
#include <cstdint>
#include <span>

#include "core/storage/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    quillby::Result<quillby::PuzzleFile> puzzle = quillby::ParsePuzzle(bytes);
    if (puzzle) {
        // Whatever the reader accepts must survive what the game does with it next.
        puzzle->crossword.BuildAnswerList();
        puzzle->crossword.SetAnswersFromGrid();
        puzzle->crossword.NumberSquares();
    }
    return 0;
}
