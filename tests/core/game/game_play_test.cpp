#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::ReadBytes;
using testing::WriteBytes;

const char* const kErrorPrompt =
    "The puzzle contains errors, would you like the incorrect squares to be cleared?";

// A 3 x 3 puzzle: COW and TAT down, CAT and WET across, each with one clue in the main store.
class GamePlay : public GameFixture {
protected:
    void SetUp() override
    {
        MakePuzzle({"CAT", "O#A", "WET"});
        for (const char* word : {"COW", "CAT", "TAT", "WET"}) {
            ASSERT_TRUE(game.clues.AddClue(std::string("Clue for ") + word, word));
        }
    }
    // The player clicks the square and presses a key.
    void Press(int col, int row, int key)
    {
        game.LeftClick(kGridMargin + kSquarePitch * col + 18,
                       kGridMargin + kSquarePitch * row + 18);
        game.KeyDown(key);
    }
    void Type(int col, int row, char letter) { Press(col, row, letter); }
    void Delete(int col, int row) { Press(col, row, kKeyDelete); }
    // Types the rows, skipping blocks; '.' leaves a square as it is.
    void TypeRows(const std::vector<std::string>& rows)
    {
        for (int row = 0; row < game.crossword.height; ++row) {
            for (int col = 0; col < game.crossword.width; ++col) {
                const char letter =
                    rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
                if (letter != '#' && letter != '.') {
                    Type(col, row, letter);
                }
            }
        }
    }
    int SolvedClues() const
    {
        int solved = 0;
        for (const ClueRecord& record : game.clues.Records()) {
            solved += record.solved;
        }
        return solved;
    }
};

TEST_F(GamePlay, TypingTheWholeGridCongratulatesWithTheTime)
{
    game.clock = {.hours = 1, .minutes = 2, .seconds = 3, .ticks = 3723};
    TypeRows({"CAT", "O#A", "WET"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You completed the puzzle in 1 hours,\n2 minutes and 3 seconds.");
    EXPECT_EQ(host.messages[0].caption, "Congratulations");
    EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
    EXPECT_TRUE(game.completed);
    EXPECT_TRUE(game.modified);
    EXPECT_EQ(SolvedClues(), 4);  // every clue of this length solved: nothing to recycle from

    // A completed puzzle ignores further keys.
    Delete(0, 0);
    Type(0, 0, 'X');
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(GamePlay, TheClockStopsAtTheMomentOfCompletion)
{
    // The clock ran on while the congratulation was open, so the time saved in the file was
    // not the time congratulated (3:32 congratulated, 3:42 saved).
    game.clock = {.hours = 0, .minutes = 3, .seconds = 32, .ticks = 212};
    const Clock congratulated = game.clock;
    host.whileShown = [&](const testing::ScriptedHost::Message& message) {
        if (message.caption == "Congratulations") {
            for (int second = 0; second < 10; ++second) {
                game.ClockTick();  // the one-second timer, under the modal box
            }
        }
    };
    TypeRows({"CAT", "O#A", "WET"});
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "You completed the puzzle in 0 hours,\n3 minutes and 32 seconds.");
    EXPECT_EQ(game.clock, congratulated);
    game.StartClock(0);
    game.OnClockTimer(5'000);  // and after it has closed
    EXPECT_EQ(game.clock, congratulated);

    host.savePaths.push_back(folder.Path() + "/done.crs");
    ASSERT_TRUE(game.SavePuzzle(false));
    game.clock = {};
    ASSERT_TRUE(game.OpenPuzzle(folder.Path() + "/done.crs", false));
    EXPECT_EQ(game.clock, congratulated);
    EXPECT_TRUE(game.completed);
}

TEST_F(GamePlay, SAndZStandForEachOtherAndNoOtherLetters)
{
    MakePuzzle({"SIZE"});
    game.crossword.SquareAt(0, 0)->guess = 'Z';
    EXPECT_TRUE(Game::IsRight(*game.crossword.SquareAt(0, 0)));
    game.crossword.SquareAt(2, 0)->guess = 'S';
    EXPECT_TRUE(Game::IsRight(*game.crossword.SquareAt(2, 0)));
    game.crossword.SquareAt(1, 0)->guess = 'J';  // I and J are not interchangeable
    EXPECT_FALSE(Game::IsRight(*game.crossword.SquareAt(1, 0)));
    game.crossword.SquareAt(3, 0)->guess = 0;
    EXPECT_FALSE(Game::IsRight(*game.crossword.SquareAt(3, 0)));

    game.ClearIncorrectSquares();
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{"Z.S."}));
    TypeRows({".I.E"});
    EXPECT_TRUE(game.completed);
    EXPECT_EQ(host.messages.back().caption, "Congratulations");
}

TEST_F(GamePlay, ErrorPromptComesWhenTheGridFillsWrongAndAfterEachFurtherLetter)
{
    TypeRows({"CAT", "O#A", "WE."});
    EXPECT_TRUE(host.messages.empty());  // not full yet: nothing said
    host.replies = {Reply::No};
    Type(2, 2, 'X');
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, kErrorPrompt);
    EXPECT_EQ(host.messages[0].caption, "Attention");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);

    // Deleting asks nothing, even when the grid is still full afterwards.
    game.AfterPlayKey(false);
    Delete(0, 0);
    EXPECT_EQ(host.messages.size(), 1u);
    host.replies = {Reply::No};
    Type(0, 0, 'C');  // full and wrong again
    EXPECT_EQ(host.messages.size(), 2u);

    host.replies = {Reply::Yes};  // another letter: Yes clears the wrong one, keeps the rest
    Type(1, 0, 'A');
    EXPECT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{"CAT", "O#A", "WE."}));
    EXPECT_FALSE(game.completed);
    Type(2, 2, 'T');
    EXPECT_EQ(host.messages.back().caption, "Congratulations");
}

TEST_F(GamePlay, HintRevealsTheCursorSquareAndCanFinishThePuzzle)
{
    game.GiveHint();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please select a run for a hint to be given");
    EXPECT_EQ(host.messages[0].caption, "Quillby");
    EXPECT_TRUE(host.sounds.empty());

    TypeRows({"CAT", "O#A", "WE."});
    const bool modifiedBefore = game.modified;
    game.modified = false;
    game.crossword.cursorSquare = game.crossword.SquareAt(2, 2);
    game.GiveHint();
    EXPECT_EQ(host.sounds, (std::vector<std::string>{folder.Path() + "/data/click.wav"}));
    EXPECT_EQ(game.crossword.SquareAt(2, 2)->guess, 'T');
    EXPECT_EQ(host.messages.back().text.substr(0, 27), "You completed the puzzle in");
    EXPECT_TRUE(game.completed);
    EXPECT_FALSE(game.modified);  // a hint alone does not mark the puzzle changed
    EXPECT_TRUE(modifiedBefore);

    game.GiveHint();  // completed: nothing
    EXPECT_EQ(host.sounds.size(), 1u);
}

TEST_F(GamePlay, HintThatFillsAWrongGridOffersToClearIt)
{
    TypeRows({"XAT", "O#A", "WE."});
    game.crossword.cursorSquare = game.crossword.SquareAt(2, 2);
    host.replies = {Reply::Yes};
    game.GiveHint();
    EXPECT_EQ(host.messages.back().text, kErrorPrompt);
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{".AT", "O#A", "WET"}));
}

TEST_F(GamePlay, RightAnswersMarkTheirCluesSolvedUnlessThePuzzleIsUserMade)
{
    game.userMade = 1;
    TypeRows({"CAT", "O#A", "WET"});
    EXPECT_TRUE(game.completed);
    EXPECT_EQ(SolvedClues(), 0);

    game.completed = false;
    game.userMade = 0;
    EXPECT_EQ(game.CountCorrectAnswers(), 4);
    EXPECT_EQ(SolvedClues(), 4);
}

TEST_F(GamePlay, CheckCountsRightAnswersAndRecyclesSolvedClues)
{
    // Three more three-letter clues: solving COW and CAT makes 2 of 7 solved, no recycling;
    // the other two words make 4 of 7 (57 percent), and every three-letter clue returns.
    for (const char* word : {"DOG", "PIG", "HEN"}) {
        ASSERT_TRUE(game.clues.AddClue("Animal", word));
    }
    TypeRows({"CAT", "O#.", "W.."});
    game.CheckPuzzle();
    EXPECT_EQ(host.messages.back().text, "You have 2 correct answers");
    EXPECT_EQ(host.messages.back().caption, "Attention");
    EXPECT_EQ(SolvedClues(), 2);
    TypeRows({"...", "..A", ".ET"});
    EXPECT_EQ(SolvedClues(), 0);
}

TEST_F(GamePlay, SolveFillsTheGridSilentlyAndResetMakesItPlayableAgain)
{
    game.clock = {.hours = 0, .minutes = 5, .seconds = 9, .ticks = 309};
    host.replies = {Reply::No};
    game.SolveCommand();
    EXPECT_EQ(host.messages.back().text,
              "This feature cannot be undone, are you sure you want to continue?");
    EXPECT_FALSE(game.completed);

    game.SolveCommand();
    EXPECT_EQ(host.messages.size(), 2u);  // the confirmation only: no congratulation
    EXPECT_TRUE(game.completed);
    EXPECT_TRUE(game.solvedByCommand);
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{"CAT", "O#A", "WET"}));
    EXPECT_EQ(SolvedClues(), 4);

    game.CheckPuzzle();
    game.GiveHint();
    game.SolveCommand();
    EXPECT_EQ(host.messages.size(), 2u);

    game.modified = true;
    host.replies = {Reply::No};
    game.ResetPuzzle();
    EXPECT_EQ(host.messages.back().text,
              "Would you like to save your progress before resetting this puzzle?");
    EXPECT_EQ(host.messages.back().caption, "Attention");
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{"...", ".#.", "..."}));
    EXPECT_EQ(game.clock, Clock{});
    EXPECT_FALSE(game.completed);
}

TEST_F(GamePlay, ResetOffersTheSaveDialogWhenThePuzzleChanged)
{
    Type(0, 0, 'C');
    host.savePaths.push_back(folder.Path() + "/progress.crs");
    game.ResetPuzzle();  // no reply queued: Yes
    EXPECT_FALSE(ReadBytes(folder.Path() + "/progress.crs").empty());
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 0);
}

TEST_F(GamePlay, ChecksAndHintsWaitWhileTheClockIsPaused)
{
    game.clockPaused = true;
    game.crossword.cursorSquare = game.crossword.SquareAt(0, 0);
    game.CheckPuzzle();
    game.GiveHint();
    game.SolveCommand();
    Type(1, 0, 'A');
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(GridRows(game.crossword, true), (std::vector<std::string>{"...", ".#.", "..."}));
    EXPECT_FALSE(game.modified);
}

TEST_F(GamePlay, ReopeningAPuzzleWithAdvanceBringsBackItsRetiredClues)
{
    ASSERT_TRUE(game.clues.AddClue("Second clue for CAT", "CAT"));
    game.clues.Find("CAT")->rotation = 1;  // turn order: first clue 0, second 1
    game.AutosavePlay();
    for (const AnswerEntry& entry : game.crossword.answers) {
        game.clues.Retire(*game.clues.Find(entry.AnswerWord()));
    }
    EXPECT_EQ(game.clues.Find("CAT")->question, "Second clue for CAT");
    ASSERT_TRUE(game.OpenPuzzle(game.paths.PlayAutosave(), true));
    EXPECT_EQ(game.clues.Find("CAT")->question, "Clue for CAT");
    EXPECT_EQ(game.clues.Find("COW")->question, "Clue for COW");
}

TEST_F(GamePlay, ADamagedClueFileIsReportedAndKeptAtShutDown)
{
    std::vector<std::byte> damaged(9, std::byte{0x7f});
    WriteBytes(game.paths.MainClues(), damaged);
    game.LoadClueStores();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Failed to load");
    EXPECT_NE(host.messages[0].text.find("eng_clues.b"), std::string::npos);
    game.SaveClueStores();
    EXPECT_EQ(ReadBytes(game.paths.MainClues()), damaged);
    EXPECT_TRUE(ReadBytes(game.paths.UserClues()).empty());  // the empty user store
}

}  // namespace
}  // namespace quillby
