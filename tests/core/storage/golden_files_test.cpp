// Golden byte images of the two formats other programs read, written out by hand from the
// format tables, not by the code under test: a layout mistake made in both the reader and the
// writer (a swapped field, a wrong width) still fails here.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/storage/puzzle_file.h"

namespace quillby {
namespace {

std::vector<std::byte> Bytes(std::initializer_list<int> values)
{
    std::vector<std::byte> bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<std::byte>(value));
    }
    return bytes;
}

// A 2 x 1 puzzle made in Create mode: H (typed, number 1) then a block; completed in
// 1:04:05, which is 3845 ticks.
const std::vector<std::byte> kGoldenCrs = Bytes({
    0x01, 0x00, 0x00, 0x00,  // userMade 1, three filler bytes
    0x02, 0x00, 0x00, 0x00,  // width 2
    0x01, 0x00, 0x00, 0x00,  // height 1
    // square (0, 0)
    0x0A, 0x00, 0x00, 0x00,  // left 10
    0x0A, 0x00, 0x00, 0x00,  // top 10
    0x00, 0x00, 0x00, 0x00,  // col 0
    0x00, 0x00, 0x00, 0x00,  // row 0
    0x01,                    // open
    0x48,                    // solution 'H'
    0x48,                    // guess 'H'
    0x01, 0x00, 0x00, 0x00,  // useCount 1
    0x01, 0x00, 0x00, 0x00,  // number 1
    // square (1, 0)
    0x2E, 0x00, 0x00, 0x00,  // left 46
    0x0A, 0x00, 0x00, 0x00,  // top 10
    0x01, 0x00, 0x00, 0x00,  // col 1
    0x00, 0x00, 0x00, 0x00,  // row 0
    0x00,                    // a block
    0x00,                    // no solution
    0x00,                    // no guess
    0x00, 0x00, 0x00, 0x00,  // useCount 0
    0x00, 0x00, 0x00, 0x00,  // number 0
    // the clock, in the file's order
    0x05, 0x00, 0x00, 0x00,  // seconds 5
    0x04, 0x00, 0x00, 0x00,  // minutes 4
    0x05, 0x0F, 0x00, 0x00,  // ticks 3845
    0x01, 0x00, 0x00, 0x00,  // hours 1
    0x01,                    // completed
});

// Two clues for CAT: the first solved, the second next in turn with an extra field that shows
// the byte order.
const std::vector<std::byte> kGoldenClues = Bytes({
    0x02, 0x00, 0x00, 0x00,              // 2 records
    0x06, 0x00, 0x00, 0x00,              // question length 6
    0x46, 0x65, 0x6C, 0x69, 0x6E, 0x65,  // "Feline"
    0x03, 0x00, 0x00, 0x00,              // answer length 3
    0x43, 0x41, 0x54,                    // "CAT"
    0x01, 0x00, 0x00, 0x00,              // solved 1
    0x00, 0x00, 0x00, 0x00,              // rotation 0
    0x07, 0x00, 0x00, 0x00,              // extra 7
    0x05, 0x00, 0x00, 0x00,              // question length 5
    0x4D, 0x6F, 0x67, 0x67, 0x79,        // "Moggy"
    0x03, 0x00, 0x00, 0x00,              // answer length 3
    0x43, 0x41, 0x54,                    // "CAT"
    0x00, 0x00, 0x00, 0x00,              // solved 0
    0x01, 0x00, 0x00, 0x00,              // rotation 1
    0x04, 0x03, 0x02, 0x01,              // extra 0x01020304
});

TEST(GoldenFiles, PuzzleFileReadsFieldByFieldAndWritesTheSameBytes)
{
    ASSERT_EQ(kGoldenCrs.size(), 29u + 27u * 2u);
    const Result<PuzzleFile> read = ParsePuzzle(kGoldenCrs);
    ASSERT_TRUE(read) << read.Error();
    EXPECT_EQ(read->userMade, 1);
    const Crossword& grid = read->crossword;
    ASSERT_EQ(grid.width, 2);
    ASSERT_EQ(grid.height, 1);
    const Square& first = grid.squares[0];
    EXPECT_EQ(first.left, 10);
    EXPECT_EQ(first.top, 10);
    EXPECT_TRUE(first.open);
    EXPECT_EQ(first.solution, 'H');
    EXPECT_EQ(first.guess, 'H');
    EXPECT_EQ(first.useCount, 1);
    EXPECT_EQ(first.number, 1);
    const Square& second = grid.squares[1];
    EXPECT_EQ(second.left, 46);
    EXPECT_EQ(second.col, 1);
    EXPECT_FALSE(second.open);
    EXPECT_EQ(read->clock, (Clock{.hours = 1, .minutes = 4, .seconds = 5, .ticks = 3845}));
    EXPECT_TRUE(read->completed);

    // The same puzzle built in memory writes exactly the golden bytes.
    Crossword made;
    made.SetGridSize(2, 1);
    made.squares[0].open = true;
    made.squares[0].solution = 'H';
    made.squares[0].guess = 'H';
    made.squares[0].useCount = 1;
    made.squares[0].number = 1;
    made.squares[1].open = false;
    EXPECT_EQ(SerializePuzzle(made, 1, read->clock, true), kGoldenCrs);
}

TEST(GoldenFiles, ClueFileReadsFieldByFieldAndWritesTheSameBytes)
{
    ClueStore store;
    ASSERT_TRUE(store.Parse(kGoldenClues));
    ASSERT_EQ(store.Size(), 2u);
    const ClueRecord& feline = store.Records().front();
    EXPECT_EQ(feline.question, "Feline");
    EXPECT_EQ(feline.answer, "CAT");
    EXPECT_EQ(feline.solved, 1);
    EXPECT_EQ(feline.rotation, 0);
    EXPECT_EQ(feline.extra, 7);
    const ClueRecord& moggy = store.Records().back();
    EXPECT_EQ(moggy.question, "Moggy");
    EXPECT_EQ(moggy.solved, 0);
    EXPECT_EQ(moggy.rotation, 1);
    EXPECT_EQ(moggy.extra, 0x01020304);
    EXPECT_EQ(store.Find("CAT"), &feline);

    ClueStore made;
    ASSERT_TRUE(made.AddRecord({"Feline", "CAT", 7, 1, 0}));
    ASSERT_TRUE(made.AddRecord({"Moggy", "CAT", 0x01020304, 0, 1}));
    EXPECT_EQ(made.Serialize(), kGoldenClues);
}

}  // namespace
}  // namespace quillby
