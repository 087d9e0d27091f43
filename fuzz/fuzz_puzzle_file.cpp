#include <cstddef>
#include <cstdint>
#include <span>

#include "core/common/file_io.h"
#include "core/game/game.h"
#include "core/storage/puzzle_file.h"
#include "fuzz_support.h"

namespace {

using quillby::Game;

// Plays an accepted puzzle as a player would: a minute and more of clock, a letter in every
// run the grid's first squares start, and a save whose file must read back.
void PlayAndSave(const std::span<const std::byte> bytes, const quillby::PuzzleFile& parsed)
{
    const std::string& folder = quillby::fuzz::ScratchFolder();
    const std::string opened = folder + "/opened.crs";
    const std::string saved = folder + "/saved.crs";
    if (!quillby::WriteFileAtomically(opened, bytes)) {
        return;
    }
    quillby::fuzz::QuietHost host;
    Game game(host, folder);
    if (!game.OpenPuzzle(opened, false)) {
        __builtin_trap();  // the file reader accepted it, so the game must
    }
    for (int second = 0; second < 70; ++second) {
        game.ClockTick();
    }
    const quillby::Crossword& grid = game.crossword;
    for (int i = 0; i < grid.width && i < 4; ++i) {
        game.LeftClick(quillby::kGridMargin + quillby::kSquarePitch * i + 5,
                       quillby::kGridMargin + 5);
        game.KeyDown('A' + i);
        game.KeyDown(quillby::kKeyBackspace);
        game.KeyDown('E');
    }
    game.GiveHint();
    game.puzzlePath = saved;
    if (!game.SavePuzzle(false)) {
        __builtin_trap();
    }
    const auto again = quillby::ReadPuzzleFile(saved);
    if (!again || again->crossword.width != parsed.crossword.width ||
        again->crossword.height != parsed.crossword.height) {
        __builtin_trap();  // what the game saves, the game must read
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    quillby::Result<quillby::PuzzleFile> puzzle = quillby::ParsePuzzle(bytes);
    if (!puzzle) {
        return 0;
    }
    // The writer gives back the image the reader took, filler bytes aside.
    auto written = quillby::SerializePuzzle(puzzle->crossword, puzzle->userMade, puzzle->clock,
                                            puzzle->completed);
    auto expected = std::vector<std::byte>(bytes.begin(), bytes.end());
    expected[1] = expected[2] = expected[3] = std::byte{0};
    expected.back() = puzzle->completed ? std::byte{1} : std::byte{0};
    for (std::size_t i = 12; i + 27 <= expected.size() - 17; i += 27) {
        expected[i + 16] = expected[i + 16] != std::byte{0} ? std::byte{1} : std::byte{0};
    }
    if (written != expected) {
        __builtin_trap();
    }
    PlayAndSave(bytes, puzzle.Value());
    return 0;
}
