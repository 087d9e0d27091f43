#include "core/model/crossword.h"

#include <gtest/gtest.h>

#include "support/grids.h"

namespace quillby {
namespace {

using testing::SetGrid;

struct EntryView {
    int col;
    int row;
    int direction;
    int length;
    int level;
    bool operator==(const EntryView&) const = default;
};

std::vector<EntryView> Entries(const Crossword& crossword)
{
    std::vector<EntryView> views;
    for (const AnswerEntry& entry : crossword.answers) {
        views.push_back(
            {entry.start->col, entry.start->row, entry.direction, entry.length, entry.level});
    }
    return views;
}

TEST(Crossword, SquareAtIsNullOutsideTheGridAndBeforeItExists)
{
    Crossword crossword;
    EXPECT_EQ(crossword.SquareAt(0, 0), nullptr);
    crossword.SetGridSize(3, 2);
    EXPECT_EQ(crossword.SquareAt(-1, 0), nullptr);
    EXPECT_EQ(crossword.SquareAt(3, 0), nullptr);
    EXPECT_EQ(crossword.SquareAt(0, 2), nullptr);
    const Square* square = crossword.SquareAt(2, 1);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->left, 10 + 36 * 2);
    EXPECT_EQ(square->top, 10 + 36);
}

TEST(Crossword, SetGridSizeForgetsTheCursorAndTheAnswers)
{
    Crossword crossword;
    SetGrid(crossword, {"CAT", "A#.", "T.."});
    crossword.BuildAnswerList();
    crossword.cursorSquare = crossword.SquareAt(1, 0);
    crossword.SetGridSize(5, 5);
    EXPECT_EQ(crossword.cursorSquare, nullptr);
    EXPECT_TRUE(crossword.answers.empty());
    EXPECT_EQ(crossword.FirstOpenSquare(), nullptr);
}

TEST(Crossword, FirstEntryIsDownWhenBothRunsStartAtTheFirstSquare)
{
    Crossword crossword;
    SetGrid(crossword, {"...", ".#.", "..."});
    crossword.BuildAnswerList();
    const std::vector<EntryView> expected = {
        {0, 0, kDown, 3, 0},    // the first square opens both ways: Down wins
        {0, 0, kAcross, 3, 1},  // crossings of the first run, top to bottom
        {0, 2, kAcross, 3, 1},
        {2, 0, kDown, 3, 2},
    };
    EXPECT_EQ(Entries(crossword), expected);
}

TEST(Crossword, AnIsolatedFirstSquareIsPassedOverAndTheRunsAfterItGetEntries)
{
    // A lone first square used to stop the discovery: the list stayed empty although the
    // grid holds runs, and none of them could take an answer.
    Crossword crossword;
    SetGrid(crossword, {".#...", "#####", "....."});
    crossword.BuildAnswerList();
    const std::vector<EntryView> expected = {
        {2, 0, kAcross, 3, 0},  // the first group with a run: breadth first from its first square
        {0, 2, kAcross, 5, 1},  // the next group, on the levels after it
    };
    EXPECT_EQ(Entries(crossword), expected);
}

TEST(Crossword, EveryGroupOfSquaresGetsEntriesTheFirstGroupFirstAsBefore)
{
    // Runs that no crossing linked to the first run got no entry, so a hand-made or imported
    // grid of two parts lost half its answers.
    Crossword crossword;
    SetGrid(crossword, {"...#.", ".#.##", "...#.", "#####", ".....", "#.#.#", "#.#.#"});
    crossword.BuildAnswerList();
    const std::vector<EntryView> expected = {
        // The group of the first square, in the order it always had.
        {0, 0, kDown, 3, 0},
        {0, 0, kAcross, 3, 1},
        {0, 2, kAcross, 3, 1},
        {2, 0, kDown, 3, 2},
        // (4, 0) and (4, 2) stand alone; the bottom group follows, breadth first.
        {0, 4, kAcross, 5, 3},
        {1, 4, kDown, 3, 4},
        {3, 4, kDown, 3, 4},
    };
    EXPECT_EQ(Entries(crossword), expected);
}

TEST(Crossword, TheCreatorLatticeWithItsCornerCutOffKeepsEveryRun)
{
    // Blocking (1, 0) and (0, 1) of the creator's lattice leaves (0, 0) alone; every run then
    // said it was not joined to the crossword.
    Crossword crossword;
    crossword.SetGridSize(11, 11);
    for (Square& square : crossword.squares) {
        square.open = !(square.col % 2 == 1 && square.row % 2 == 1);
    }
    crossword.SquareAt(1, 0)->open = false;
    crossword.SquareAt(0, 1)->open = false;
    crossword.BuildAnswerList();
    // Six open rows and six open columns; row 0 and column 0 lose their first two squares.
    EXPECT_EQ(crossword.answers.size(), 12u);
    ASSERT_NE(crossword.FindEntryAt(2, 0, kAcross), nullptr);
    EXPECT_EQ(crossword.FindEntryAt(2, 0, kAcross)->length, 9);
    EXPECT_NE(crossword.FindEntryAt(0, 2, kDown), nullptr);
    for (std::size_t i = 1; i < crossword.answers.size(); ++i) {
        EXPECT_LE(crossword.answers[i - 1].level, crossword.answers[i].level);
    }
}

TEST(Crossword, NumbersAllOpenThreeByThree)
{
    Crossword crossword;
    SetGrid(crossword, {"...", "...", "..."});
    crossword.BuildAnswerList();
    crossword.NumberSquares();
    std::vector<int> numbers;
    for (const Square& square : crossword.squares) {
        numbers.push_back(square.number);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 0, 0, 5, 0, 0}));
}

TEST(Crossword, RunsStopAtBlocksEdgesAndCoordinateNinetyNine)
{
    Crossword crossword;
    SetGrid(crossword, {"..#..", "....."});
    int outDirection = 0;
    Square* start = crossword.FindRunStart(crossword.SquareAt(1, 0), kAcross, outDirection);
    EXPECT_EQ(start, crossword.SquareAt(0, 0));
    EXPECT_EQ(crossword.RunLength(start, kAcross), 2);
    EXPECT_EQ(crossword.RunLength(start, 3), 0);
    int length = 0;
    const auto run = crossword.RunSquares(3, 1, kAcross, length);
    EXPECT_EQ(length, 5);
    ASSERT_EQ(run.size(), 5u);
    EXPECT_EQ(run[4], crossword.SquareAt(4, 1));

    Crossword wide;
    wide.SetGridSize(120, 1);
    for (Square& square : wide.squares) {
        square.open = true;
    }
    EXPECT_EQ(wide.RunLength(wide.SquareAt(0, 0), kAcross), 100);
}

TEST(Crossword, CountedRemovalKeepsTheCrossingLetter)
{
    Crossword crossword;
    SetGrid(crossword, {"...", ".#.", "..."});
    crossword.BuildAnswerList();
    AnswerEntry& down = crossword.answers[0];    // (0,0) Down
    AnswerEntry& across = crossword.answers[1];  // (0,0) Across
    down.candidates.push_back({"CAT", 0});
    across.candidates.push_back({"COW", 0});
    crossword.PlaceAnswer(down, 0);
    crossword.PlaceAnswer(across, 0);
    EXPECT_EQ(crossword.SquareAt(0, 0)->useCount, 2);
    EXPECT_FALSE(crossword.AllAnswered());

    crossword.RemoveAnswer(across.start, across.length, kAcross, true);
    EXPECT_EQ(crossword.SquareAt(0, 0)->solution, 'C');
    EXPECT_EQ(crossword.SquareAt(1, 0)->solution, 0);
    EXPECT_EQ(crossword.SquareAt(0, 2)->solution, 'T');

    crossword.RemoveAnswer(down.start, down.length, kDown, false);
    EXPECT_EQ(crossword.SquareAt(0, 0)->solution, 0);
}

TEST(Crossword, LetterPairsAndCrossings)
{
    Crossword crossword;
    SetGrid(crossword, {"AB.", "..#", "C.."});
    EXPECT_TRUE(crossword.HasLetterPairBeside(*crossword.SquareAt(2, 0)));
    EXPECT_FALSE(crossword.HasLetterPairBeside(*crossword.SquareAt(1, 1)));
    EXPECT_TRUE(crossword.IsCrossing(1, 1));
    EXPECT_FALSE(crossword.IsCrossing(2, 0));
}

TEST(Crossword, SetAnswersFromGridStopsAtAnEmptySquareAndFindsEntries)
{
    Crossword crossword;
    SetGrid(crossword, {"CAT", "O#.", "W.."});
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    AnswerEntry* down = crossword.FindEntryAt(0, 2, kDown);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->AnswerWord(), "COW");
    AnswerEntry* right = crossword.FindEntryAt(2, 1, kDown);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->AnswerWord(), "T");
    EXPECT_TRUE(crossword.AllAnswered());
    EXPECT_EQ(crossword.FindEntryAt(1, 1, kDown), nullptr);  // a block

    right->clueItemId = 7;
    EXPECT_EQ(crossword.FindEntryByItemId(7), right);
    EXPECT_EQ(crossword.EntryAt(1, 1), crossword.FindEntryAt(0, 2, kAcross));
}

TEST(Crossword, CursorMovesOnlyOntoOpenSquares)
{
    Crossword crossword;
    SetGrid(crossword, {"..#", "...", "..."});
    crossword.cursorSquare = crossword.SquareAt(0, 0);
    crossword.cursorSquare->isCursor = true;
    crossword.MoveCursor(true);
    EXPECT_EQ(crossword.cursorSquare, crossword.SquareAt(1, 0));
    EXPECT_FALSE(crossword.SquareAt(0, 0)->isCursor);
    crossword.MoveCursor(true);  // a block: stays
    EXPECT_EQ(crossword.cursorSquare, crossword.SquareAt(1, 0));
    crossword.cursorSquare->cursorDown = true;
    crossword.MoveCursor(true);
    EXPECT_EQ(crossword.cursorSquare, crossword.SquareAt(1, 1));
    EXPECT_TRUE(crossword.cursorSquare->cursorDown);
    crossword.SquareAt(0, 0)->highlighted = true;
    crossword.cursorSquare->highlighted = true;
    crossword.ClearHighlights();
    EXPECT_FALSE(crossword.SquareAt(0, 0)->highlighted);
    EXPECT_TRUE(crossword.cursorSquare->highlighted);
}

}  // namespace
}  // namespace quillby
