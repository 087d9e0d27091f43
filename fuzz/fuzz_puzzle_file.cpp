#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/common/byte_io.h"
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

// Reads the image; whatever the reader accepts must write back the same and play.
void ReadWriteAndPlay(std::span<const std::byte> bytes)
{
    quillby::Result<quillby::PuzzleFile> puzzle = quillby::ParsePuzzle(bytes);
    if (!puzzle) {
        return;
    }
    // The writer gives back the image the reader took, filler bytes and flags aside.
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
}

constexpr std::uint32_t kMostHours = quillby::kMaxClockHours;

// Random bytes almost never make a whole .crs, so the same input is also laid out as one:
// the layout right, every field's value from the input (letters, counts, flags, the clock).
std::vector<std::byte> Shaped(const std::uint8_t* data, std::size_t size)
{
    std::size_t at = 0;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    auto next32 = [&] {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(next()) << (8 * i);
        }
        return value;
    };
    // Nearly always a letter or none; 255 stays as it is, which the reader refuses.
    auto letter = [&] {
        const std::uint8_t raw = next();
        const int index = raw % 27;
        return raw == 255 ? raw : static_cast<std::uint8_t>(index == 0 ? 0 : 'A' + index - 1);
    };
    quillby::ByteWriter image;
    image.WriteU8(next());
    image.WriteU8(0);
    image.WriteU8(0);
    image.WriteU8(0);
    const int width = 1 + next() % 12;
    const int height = 1 + next() % 12;
    image.WriteI32Le(width);
    image.WriteI32Le(height);
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            image.WriteI32Le(quillby::kGridMargin + quillby::kSquarePitch * col);
            image.WriteI32Le(quillby::kGridMargin + quillby::kSquarePitch * row);
            image.WriteI32Le(col);
            image.WriteI32Le(row);
            image.WriteU8(next() & 1);
            image.WriteU8(letter());
            image.WriteU8(letter());
            image.WriteI32Le(next() % 3);
            image.WriteI32Le(next());
        }
    }
    // Mostly in range, up to the largest the reader takes, now and then just past it.
    image.WriteI32Le(next() % 61);                                             // seconds
    image.WriteI32Le(next() % 61);                                             // minutes
    image.WriteI32Le(static_cast<std::int32_t>(next32() >> 1));                // ticks
    image.WriteI32Le(static_cast<std::int32_t>(next32() % (kMostHours + 2)));  // hours
    image.WriteU8(next() & 1);
    return image.Take();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ReadWriteAndPlay(std::as_bytes(std::span(data, size)));
    ReadWriteAndPlay(Shaped(data, size));
    return 0;
}
