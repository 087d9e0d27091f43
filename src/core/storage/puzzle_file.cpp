#include "core/storage/puzzle_file.h"

#include <string>

#include "core/common/byte_io.h"
#include "core/common/file_io.h"

namespace quillby {

// The .crs layout, little-endian, no header or checksum:
//
//   offset        size        field
//   0             1           userMade (0 generated, 1 made in Create mode)
//   1             3           filler, ignored
//   4             4           width  (signed)
//   8             4           height (signed)
//   12            27*W*H      square records, row-major
//   12 + 27*W*H   4           clock seconds
//   16 + 27*W*H   4           clock minutes
//   20 + 27*W*H   4           clock ticks
//   24 + 27*W*H   4           clock hours
//   28 + 27*W*H   1           completed
//
// A square record, 27 bytes: left i32, top i32, col i32, row i32, open u8, solution char,
// guess char, useCount i32, number i32. left and top are the square's pixel position in the
// Original geometry: written from col and row for the layout's sake, and never trusted when
// read (a file whose positions disagree would otherwise draw squares out of place).

namespace {

constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kRecordSize = 27;
constexpr std::size_t kTrailerSize = 17;

bool ValidLetter(char letter)
{
    return letter == 0 || (letter >= 'A' && letter <= 'Z');
}

Result<PuzzleFile> Refuse(std::string why)
{
    return Result<PuzzleFile>::Failure(std::move(why));
}

// A clock the game could have written: each field within its range, so that counting on from
// it can never overflow.
bool ValidClock(const Clock& clock)
{
    return clock.seconds >= 0 && clock.seconds < 60 && clock.minutes >= 0 && clock.minutes < 60 &&
           clock.hours >= 0 && clock.hours <= kMaxClockHours && clock.ticks >= 0;
}

}  // namespace

Result<PuzzleFile> ParsePuzzle(std::span<const std::byte> bytes)
{
    ByteReader reader(bytes);
    PuzzleFile puzzle;
    std::int32_t width = 0;
    std::int32_t height = 0;
    if (!reader.ReadU8(puzzle.userMade) || !reader.Skip(3) || !reader.ReadI32Le(width) ||
        !reader.ReadI32Le(height)) {
        return Refuse("ends inside the header");
    }
    if (width < 1 || width > kMaxPuzzleSide || height < 1 || height > kMaxPuzzleSide) {
        return Refuse("has an impossible size of " + std::to_string(width) + " x " +
                      std::to_string(height));
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t expected = kHeaderSize + kRecordSize * count + kTrailerSize;
    if (bytes.size() != expected) {
        return Refuse("is " + std::to_string(bytes.size()) + " bytes long instead of " +
                      std::to_string(expected));
    }
    puzzle.crossword.SetGridSize(width, height);
    for (std::size_t i = 0; i < count; ++i) {
        Square& square = puzzle.crossword.squares[i];
        std::uint8_t open = 0;
        std::uint8_t solution = 0;
        std::uint8_t guess = 0;
        reader.Skip(8);  // left and top: SetGridSize has placed the square from col and row
        reader.ReadI32Le(square.col);
        reader.ReadI32Le(square.row);
        reader.ReadU8(open);
        reader.ReadU8(solution);
        reader.ReadU8(guess);
        reader.ReadI32Le(square.useCount);
        reader.ReadI32Le(square.number);
        square.open = open != 0;
        square.solution = static_cast<char>(solution);
        square.guess = static_cast<char>(guess);
        const std::string where = "square record " + std::to_string(i);
        if (square.col != static_cast<int>(i % static_cast<std::size_t>(width)) ||
            square.row != static_cast<int>(i / static_cast<std::size_t>(width))) {
            return Refuse(where + " is out of place");
        }
        if (!ValidLetter(square.solution) || !ValidLetter(square.guess)) {
            return Refuse(where + " holds a letter outside A to Z");
        }
    }
    std::uint8_t completed = 0;
    reader.ReadI32Le(puzzle.clock.seconds);
    reader.ReadI32Le(puzzle.clock.minutes);
    reader.ReadI32Le(puzzle.clock.ticks);
    reader.ReadI32Le(puzzle.clock.hours);
    reader.ReadU8(completed);
    if (!reader.AtEnd()) {
        return Refuse("ends early");  // unreachable after the length check; kept as a guard
    }
    if (!ValidClock(puzzle.clock)) {
        return Refuse("has an impossible clock of " + std::to_string(puzzle.clock.hours) + ":" +
                      std::to_string(puzzle.clock.minutes) + ":" +
                      std::to_string(puzzle.clock.seconds) + " (" +
                      std::to_string(puzzle.clock.ticks) + " ticks)");
    }
    puzzle.completed = completed != 0;
    return puzzle;
}

Result<PuzzleFile> ReadPuzzleFile(const std::string& path)
{
    const auto bytes = ReadWholeFile(path, kMaxPuzzleFileBytes);
    if (!bytes) {
        return Refuse(bytes.Error());
    }
    Result<PuzzleFile> puzzle = ParsePuzzle(bytes.Value());
    if (!puzzle) {
        return Refuse(path + ": " + puzzle.Error());
    }
    return puzzle;
}

std::vector<std::byte> SerializePuzzle(const Crossword& crossword, std::uint8_t userMade,
                                       const Clock& clock, bool completed)
{
    ByteWriter writer;
    writer.WriteU8(userMade);
    for (int i = 0; i < 3; ++i) {
        writer.WriteU8(0);
    }
    writer.WriteI32Le(crossword.width);
    writer.WriteI32Le(crossword.height);
    const GridGeometry original;
    for (const Square& square : crossword.squares) {
        writer.WriteI32Le(original.Left(square.col));
        writer.WriteI32Le(original.Top(square.row));
        writer.WriteI32Le(square.col);
        writer.WriteI32Le(square.row);
        writer.WriteU8(square.open ? 1 : 0);
        writer.WriteU8(static_cast<std::uint8_t>(square.solution));
        writer.WriteU8(static_cast<std::uint8_t>(square.guess));
        writer.WriteI32Le(square.useCount);
        writer.WriteI32Le(square.number);
    }
    writer.WriteI32Le(clock.seconds);
    writer.WriteI32Le(clock.minutes);
    writer.WriteI32Le(clock.ticks);
    writer.WriteI32Le(clock.hours);
    writer.WriteU8(completed ? 1 : 0);
    return writer.Take();
}

}  // namespace quillby
