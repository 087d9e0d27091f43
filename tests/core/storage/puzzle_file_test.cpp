#include "core/storage/puzzle_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <limits>

#include "core/common/byte_io.h"
#include "support/grids.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::GridRows;
using testing::SetGrid;

// A 3 x 3 puzzle written out by hand, field by field, as another program would.
std::vector<std::byte> HandWrittenThreeByThree()
{
    ByteWriter writer;
    writer.WriteU8(1);     // user-made
    writer.WriteU8(0xAB);  // filler holds anything
    writer.WriteU8(0xCD);
    writer.WriteU8(0xEF);
    writer.WriteI32Le(3);
    writer.WriteI32Le(3);
    const char* solution =
        "CAT"
        "O#A"
        "WET";
    for (int i = 0; i < 9; ++i) {
        const int col = i % 3;
        const int row = i / 3;
        writer.WriteI32Le(10 + 36 * col);
        writer.WriteI32Le(10 + 36 * row);
        writer.WriteI32Le(col);
        writer.WriteI32Le(row);
        const bool open = solution[i] != '#';
        writer.WriteU8(open ? 1 : 0);
        writer.WriteU8(open ? static_cast<std::uint8_t>(solution[i]) : 0);
        writer.WriteU8(i == 0 ? 'C' : 0);  // the player typed the first letter
        writer.WriteI32Le(open ? 1 : 0);
        writer.WriteI32Le(i == 0 ? 1 : i == 2 ? 2 : i == 6 ? 3 : 0);
    }
    writer.WriteI32Le(5);    // seconds
    writer.WriteI32Le(4);    // minutes
    writer.WriteI32Le(245);  // ticks
    writer.WriteI32Le(0);    // hours
    writer.WriteU8(0);
    return writer.Take();
}

TEST(PuzzleFile, ReadsAHandWrittenImageFieldByField)
{
    const auto bytes = HandWrittenThreeByThree();
    ASSERT_EQ(bytes.size(), 29u + 27u * 9u);
    Result<PuzzleFile> puzzle = ParsePuzzle(bytes);
    ASSERT_TRUE(puzzle) << puzzle.Error();
    EXPECT_EQ(puzzle->userMade, 1);
    EXPECT_EQ(GridRows(puzzle->crossword), (std::vector<std::string>{"CAT", "O#A", "WET"}));
    EXPECT_EQ(puzzle->crossword.SquareAt(0, 0)->guess, 'C');
    EXPECT_EQ(puzzle->crossword.SquareAt(2, 0)->number, 2);
    EXPECT_EQ(puzzle->crossword.SquareAt(1, 1)->left, 46);
    EXPECT_EQ(puzzle->clock, (Clock{.hours = 0, .minutes = 4, .seconds = 5, .ticks = 245}));
    EXPECT_FALSE(puzzle->completed);
    // The reader's own writer gives back the same bytes, filler aside.
    auto again = SerializePuzzle(puzzle->crossword, 1, puzzle->clock, false);
    auto expected = bytes;
    expected[1] = expected[2] = expected[3] = std::byte{0};
    EXPECT_EQ(again, expected);
}

TEST(PuzzleFile, StoredPixelPositionsAreNeverTrustedAndAreWrittenFromColumnAndRow)
{
    // The reader kept each square's stored pixel position and drawing used it, so a file
    // whose positions disagreed with its columns and rows drew squares in the wrong place.
    std::vector<std::byte> bytes = HandWrittenThreeByThree();
    const auto put = [&bytes](std::size_t at, std::int32_t value) {
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[at + i] = std::byte{static_cast<std::uint8_t>(value >> (8 * i))};
        }
    };
    put(12, 9999);         // square (0, 0): left
    put(16, -5);           // and top
    put(12 + 27 * 8, 10);  // square (2, 2) claims the top-left corner
    put(12 + 27 * 8 + 4, 10);
    Result<PuzzleFile> puzzle = ParsePuzzle(bytes);
    ASSERT_TRUE(puzzle) << puzzle.Error();
    const Crossword& crossword = puzzle->crossword;
    EXPECT_EQ(crossword.SquareAt(0, 0)->left, 10);
    EXPECT_EQ(crossword.SquareAt(0, 0)->top, 10);
    EXPECT_EQ(crossword.SquareAt(2, 2)->left, 10 + 36 * 2);
    EXPECT_EQ(crossword.SquareAt(2, 2)->top, 10 + 36 * 2);
    // Saved again, the file holds the positions its columns and rows give.
    auto expected = HandWrittenThreeByThree();
    expected[1] = expected[2] = expected[3] = std::byte{0};
    EXPECT_EQ(SerializePuzzle(crossword, 1, puzzle->clock, false), expected);
}

TEST(PuzzleFile, SizesOfTheUsualGrids)
{
    Crossword nine;
    nine.SetGridSize(9, 9);
    const auto image = SerializePuzzle(nine, 0, {}, true);
    EXPECT_EQ(image.size(), 2216u);
    EXPECT_EQ(image[4], std::byte{9});
    EXPECT_EQ(image[8], std::byte{9});
    EXPECT_EQ(image.back(), std::byte{1});
    Crossword eleven;
    eleven.SetGridSize(11, 11);
    EXPECT_EQ(SerializePuzzle(eleven, 0, {}, false).size(), 3296u);
}

TEST(PuzzleFile, RefusesBrokenImagesWithAReason)
{
    const auto good = HandWrittenThreeByThree();
    auto expectRefused = [](std::vector<std::byte> bytes, const std::string& reason) {
        Result<PuzzleFile> puzzle = ParsePuzzle(bytes);
        ASSERT_FALSE(puzzle);
        EXPECT_NE(puzzle.Error().find(reason), std::string::npos) << puzzle.Error();
    };
    expectRefused({}, "header");
    expectRefused(std::vector<std::byte>(good.begin(), good.end() - 1), "bytes long");
    auto longer = good;
    longer.push_back(std::byte{0});
    expectRefused(longer, "bytes long");

    auto huge = good;
    huge[4] = std::byte{0xFF};  // width 255
    expectRefused(huge, "impossible size");
    auto negative = good;
    negative[11] = std::byte{0x80};  // height negative
    expectRefused(negative, "impossible size");

    auto misplaced = good;
    misplaced[12 + 27 * 4 + 8] = std::byte{2};  // record 4 claims column 2
    expectRefused(misplaced, "square record 4 is out of place");
    auto lowercase = good;
    lowercase[12 + 27 * 1 + 17] = std::byte{'a'};
    expectRefused(lowercase, "square record 1 holds a letter");
}

// The hand-written puzzle with its clock fields (in the file's order) replaced.
std::vector<std::byte> WithClock(std::int32_t seconds, std::int32_t minutes, std::int32_t ticks,
                                 std::int32_t hours)
{
    auto bytes = HandWrittenThreeByThree();
    ByteWriter clock;
    for (const std::int32_t field : {seconds, minutes, ticks, hours}) {
        clock.WriteI32Le(field);
    }
    std::copy(clock.Bytes().begin(), clock.Bytes().end(), bytes.begin() + 12 + 27 * 9);
    return bytes;
}

TEST(PuzzleFile, RefusesAClockOutOfRangeSoCountingOnCannotOverflow)
{
    // A file with 2147483647 ticks (or as many hours) was taken as it stood, and the first
    // second of play overflowed a signed int.
    const std::int32_t most = std::numeric_limits<std::int32_t>::max();
    for (const auto& broken :
         {WithClock(60, 0, 0, 0), WithClock(-1, 0, 0, 0), WithClock(0, 60, 0, 0),
          WithClock(0, -5, 0, 0), WithClock(0, 0, -1, 0), WithClock(0, 0, 0, most),
          WithClock(0, 0, 0, kMaxClockHours + 1), WithClock(0, 0, 0, -1)}) {
        const Result<PuzzleFile> puzzle = ParsePuzzle(broken);
        ASSERT_FALSE(puzzle);
        EXPECT_NE(puzzle.Error().find("impossible clock"), std::string::npos) << puzzle.Error();
    }
    // The largest of each still opens.
    const Result<PuzzleFile> longest = ParsePuzzle(WithClock(59, 59, most, kMaxClockHours));
    ASSERT_TRUE(longest) << longest.Error();
    EXPECT_EQ(longest->clock,
              (Clock{.hours = kMaxClockHours, .minutes = 59, .seconds = 59, .ticks = most}));
}

TEST(PuzzleFile, ReadPuzzleFileTakesOnlyARegularFileOfAPuzzlesLength)
{
    // Opening a link to /dev/zero as a puzzle read until memory ran out; a named pipe hung.
    testing::TempAppFolder folder;
    const std::string pipe = folder.Data("pipe.crs");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.Data("zero.crs"));
    for (const std::string& path : {pipe, folder.Data("zero.crs")}) {
        const Result<PuzzleFile> puzzle = ReadPuzzleFile(path);
        ASSERT_FALSE(puzzle);
        EXPECT_EQ(puzzle.Error(), path + ": is not a regular file");
    }
    testing::WriteBytes(folder.Data("long.crs"),
                        std::vector<std::byte>(kMaxPuzzleFileBytes + 1, std::byte{0}));
    EXPECT_NE(ReadPuzzleFile(folder.Data("long.crs")).Error().find("is longer than 16904 bytes"),
              std::string::npos);
    testing::WriteBytes(folder.Data("good.crs"), HandWrittenThreeByThree());
    EXPECT_TRUE(ReadPuzzleFile(folder.Data("good.crs")));
    auto broken = HandWrittenThreeByThree();
    broken.pop_back();
    testing::WriteBytes(folder.Data("broken.crs"), broken);
    EXPECT_EQ(ReadPuzzleFile(folder.Data("broken.crs")).Error(),
              folder.Data("broken.crs") + ": is 271 bytes long instead of 272");
}

}  // namespace
}  // namespace quillby
