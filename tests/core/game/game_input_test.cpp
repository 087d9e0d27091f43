#include <gtest/gtest.h>

#include <limits>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;

// The pixel at the middle of a square.
int X(int col)
{
    return kGridMargin + kSquarePitch * col + 18;
}
int Y(int row)
{
    return kGridMargin + kSquarePitch * row + 18;
}

class GameInput : public GameFixture {
protected:
    void SetUp() override
    {
        // CAT across the top, COW down the left, TEN down the right, WET along the bottom.
        MakePuzzle({"CAT", "O#E", "WEN"});
        game.clues.AddClue("Feline", "CAT");
        game.clues.AddClue("Dairy animal", "COW");
    }
    std::string Highlighted() const
    {
        std::string text;
        for (const Square& square : game.crossword.squares) {
            text.push_back(square.highlighted ? '*' : '.');
        }
        return text;
    }
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            game.KeyDown(key);
        }
    }
};

TEST_F(GameInput, ClicksOnACrossingSwitchDirectionEachTime)
{
    game.LeftClick(X(0), Y(0));
    EXPECT_EQ(Highlighted(), "***......");
    EXPECT_EQ(host.promptText, "Clue: Feline");
    game.LeftClick(X(0), Y(0));
    EXPECT_EQ(Highlighted(), "*..*..*..");
    EXPECT_EQ(host.promptText, "Clue: Dairy animal");
    game.LeftClick(X(0), Y(0));
    EXPECT_EQ(Highlighted(), "***......");

    // A square on one run only selects that run, whichever its direction.
    game.LeftClick(X(0), Y(1));
    EXPECT_EQ(Highlighted(), "*..*..*..");
    EXPECT_TRUE(game.crossword.cursorSquare->cursorDown);
}

TEST_F(GameInput, TheMarginBelongsToTheFirstColumnAndRowAndBlocksDoNothing)
{
    game.LeftClick(3, 3);
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
    game.LeftClick(X(1), Y(1));  // a block
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
    game.LeftClick(X(5), Y(0));  // beyond the grid
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
}

TEST_F(GameInput, ARunWithoutAClueTakesTheClueOfTheRunBeforeOffThePrompt)
{
    // The prompt pane kept the clue of the run selected before ("Clue: Dairy animal") when
    // the next run had no clue to show, as if it were that run's.
    game.LeftClick(X(0), Y(1));  // COW
    EXPECT_EQ(host.promptText, "Clue: Dairy animal");
    game.LeftClick(X(2), Y(1));  // TEN: the store has no clue for it
    EXPECT_EQ(host.promptText, "No clue for this run");

    // A hand-made puzzle: the right column holds only the letter of a crossing answer.
    MakePuzzle({"COW", "A#.", "T.."});
    game.userMade = 1;
    ASSERT_TRUE(game.userClues.AddClue("Dairy animal", "COW"));
    game.LeftClick(X(0), Y(0));
    EXPECT_EQ(host.promptText, "Clue: Dairy animal");
    game.LeftClick(X(2), Y(1));
    EXPECT_EQ(host.promptText, "No clue for this run");
    // A run without a single letter says so as it always has.
    MakePuzzle({"COW#.", "A###.", "T###."});
    game.LeftClick(X(4), Y(1));
    EXPECT_EQ(host.promptText, "Create Crossword Mode");
}

TEST_F(GameInput, HitTestingFollowsTheGeometry)
{
    // The Original geometry: 36 pixels a square from a margin of 10.
    EXPECT_EQ(game.Geometry(), GridGeometry{});
    EXPECT_EQ(game.HitTest(98, 10), game.crossword.SquareAt(2, 0));
    // A larger pitch (zoom) moves every square at once, and the frame is fitted to it.
    const int fits = host.fits;
    game.SetGeometry({.margin = 10, .pitch = 48, .squareSize = 49});
    EXPECT_EQ(host.fits, fits + 1);
    EXPECT_EQ(game.HitTest(98, 10), game.crossword.SquareAt(1, 0));
    game.LeftClick(10 + 48 * 2 + 5, 10 + 48 * 1 + 5);
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(2, 1));
}

TEST_F(GameInput, TypingFillsTheRunAndStopsAtItsEnd)
{
    game.LeftClick(X(0), Y(0));
    game.KeyDown('Q');
    game.KeyDown('1');  // ignored
    Type("RSX");
    EXPECT_EQ(GridRows(game.crossword, true)[0], "QRX");
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(2, 0));
    EXPECT_TRUE(game.modified);

    // Backspace on a filled square clears it in place; on an empty one it moves back first.
    game.KeyDown(kKeyBackspace);
    EXPECT_EQ(GridRows(game.crossword, true)[0], "QR.");
    game.KeyDown(kKeyBackspace);
    EXPECT_EQ(GridRows(game.crossword, true)[0], "Q..");
    game.KeyDown(kKeyBackspace);
    game.KeyDown(kKeyBackspace);
    EXPECT_EQ(GridRows(game.crossword, true)[0], "...");
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
}

TEST_F(GameInput, KeysAreSwallowedWhilePausedOrCompletedButClicksStillSelect)
{
    game.LeftClick(X(0), Y(0));
    game.clockPaused = true;
    game.KeyDown('C');
    game.KeyDown(kKeyEscape);
    EXPECT_EQ(GridRows(game.crossword, true)[0], "...");
    EXPECT_EQ(host.minimised, 0);
    game.LeftClick(X(2), Y(1));
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(2, 1));
    game.clockPaused = false;
    game.completed = true;
    game.KeyDown('C');
    EXPECT_EQ(game.crossword.SquareAt(2, 1)->guess, 0);
    game.completed = false;
    game.KeyDown(kKeyEscape);
    EXPECT_EQ(host.minimised, 1);
}

TEST_F(GameInput, CommandsAreEnabledByModeAndClock)
{
    using enum CommandId;
    const CommandId playOnly[] = {SolvePuzzle, CheckPuzzle, Hint, ShowClueWindow};
    for (CommandId id : playOnly) {
        EXPECT_TRUE(game.StateOf(id).enabled);
    }
    EXPECT_TRUE(game.StateOf(PauseClock).enabled);
    EXPECT_FALSE(game.StateOf(ResumeClock).enabled);
    EXPECT_EQ(game.StateOf(CrosswordCreator).text, "Create Crossword Mode");
    EXPECT_FALSE(game.StateOf(CrosswordCreator).checked);

    game.clockPaused = true;
    EXPECT_FALSE(game.StateOf(ResetPuzzle).enabled);
    EXPECT_FALSE(game.StateOf(PauseClock).enabled);
    EXPECT_TRUE(game.StateOf(ResumeClock).enabled);
    game.completed = true;
    EXPECT_TRUE(game.StateOf(SolvePuzzle).enabled);  // Solve itself ignores a completed puzzle

    game.settings.createMode = true;
    for (CommandId id :
         {ResetPuzzle, SolvePuzzle, CheckPuzzle, Hint, ShowClueWindow, PauseClock, ResumeClock}) {
        EXPECT_FALSE(game.StateOf(id).enabled) << static_cast<int>(id);
    }
    for (CommandId id :
         {NewPuzzle, OpenPuzzle, SavePuzzle, SavePuzzleAs, Print, SchemeRose, ShowInstructions}) {
        EXPECT_TRUE(game.StateOf(id).enabled) << static_cast<int>(id);
    }
    EXPECT_TRUE(game.StateOf(CrosswordCreator).checked);
    EXPECT_EQ(game.StateOf(CrosswordCreator).text, "Original Mode");
}

TEST_F(GameInput, TheClockRollsOverAndShowsItsText)
{
    game.clock = {.hours = 0, .minutes = 0, .seconds = 59, .ticks = 59};
    game.ClockTick();
    EXPECT_EQ(host.timeText, "Time: 00:01:00");
    game.clock = {.hours = 0, .minutes = 59, .seconds = 59, .ticks = 0};
    game.ClockTick();
    EXPECT_EQ(host.timeText, "Time: 01:00:00");
    game.clock = {.hours = 99, .minutes = 59, .seconds = 59, .ticks = 0};
    game.ClockTick();
    EXPECT_EQ(host.timeText, "Time: 100:00:00");
    EXPECT_EQ(game.clock.ticks, 1);

    game.RunCommand(CommandId::PauseClock);
    game.ClockTick();
    EXPECT_EQ(host.timeText, "Time: 100:00:00");
    EXPECT_EQ(game.clock.ticks, 1);

    game.settings.createMode = true;
    game.ClockTick();
    EXPECT_EQ(host.timeText, "");
    EXPECT_EQ(host.promptText, "Mouse: Pick Run. Space: Enter clue. Del: Delete clue");
}

TEST_F(GameInput, TheClockStopsAtItsLongestTimeRatherThanOverflow)
{
    // Counting on from the largest times a file can hold overflowed a signed int.
    const int most = std::numeric_limits<int>::max();
    game.clock = {.hours = kMaxClockHours - 1, .minutes = 59, .seconds = 59, .ticks = most};
    game.ClockTick();
    EXPECT_EQ(game.clock,
              (Clock{.hours = kMaxClockHours, .minutes = 0, .seconds = 0, .ticks = most}));
    game.ClockTick();
    EXPECT_EQ(game.clock,
              (Clock{.hours = kMaxClockHours, .minutes = 0, .seconds = 0, .ticks = most}));
}

TEST_F(GameInput, ALateTimerCountsTheSecondsThatReallyPassed)
{
    game.StartClock(10'000);
    game.OnClockTimer(10'990);  // early: nothing yet
    EXPECT_EQ(game.clock.seconds, 0);
    game.OnClockTimer(14'500);  // three and a half seconds late
    EXPECT_EQ(game.clock.seconds, 4);
    game.OnClockTimer(15'000);  // the half second left over is not lost
    EXPECT_EQ(game.clock.seconds, 5);

    // Time spent paused is not counted after resuming.
    game.RunCommand(CommandId::PauseClock);
    game.OnClockTimer(60'000);
    game.RunCommand(CommandId::ResumeClock);
    game.OnClockTimer(61'000);
    EXPECT_EQ(game.clock.seconds, 6);
    EXPECT_EQ(host.timeText, "Time: 00:00:06");
}

TEST_F(GameInput, SwitchingModesTwiceKeepsBothPuzzles)
{
    game.LeftClick(X(0), Y(0));
    Type("CA");
    game.puzzlePath = folder.Path() + "/mine.crs";
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_TRUE(game.CreateMode());
    EXPECT_EQ(game.crossword.width, 11);
    EXPECT_EQ(host.Title(), "Untitled - Create Crossword");
    game.crossword.SquareAt(1, 1)->open = true;  // the designer opens a block
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_FALSE(game.CreateMode());
    EXPECT_EQ(GridRows(game.crossword, true)[0], "CA.");
    EXPECT_EQ(host.promptText, kClickASquare);
    EXPECT_TRUE(game.puzzlePath.empty());
    EXPECT_TRUE(game.modified);
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_TRUE(game.crossword.SquareAt(1, 1)->open);
    EXPECT_TRUE(game.puzzlePath.empty());
}

TEST_F(GameInput, NewPuzzleWithUnsavedChangesAnsweredNoSavesNothing)
{
    game.modified = true;
    host.replies = {Reply::No};
    game.PromptSaveBeforeNew();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Would you like to save your progress before creating a new puzzle?");
    EXPECT_TRUE(host.savePaths.empty());
}

}  // namespace
}  // namespace quillby
