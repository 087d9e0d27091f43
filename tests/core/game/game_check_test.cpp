#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grid_pixels.h"
#include "support/grids.h"
#include "support/shipped_data.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::MiddleX;
using testing::MiddleY;

class GameCheck : public GameFixture {
protected:
    void SetUp() override
    {
        testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ"}, {"OCEAN", "Sea"}});
        game.LeftClick(MiddleX(0), MiddleY(0));  // 1 Across
    }
    void Type(const std::string& keys)
    {
        for (const char key : keys) {
            game.KeyDown(key);
        }
    }
    std::uint8_t Marks(int col, int row) { return game.crossword.SquareAt(col, row)->marks; }
    std::string Guesses(int row)
    {
        return GridRows(game.crossword, true)[static_cast<std::size_t>(row)];
    }
};

TEST_F(GameCheck, CheckMarksOnlyWrongLettersOfItsScopeUntilTheyChange)
{
    Type("HXAZT");  // X wrong; Z stands for S only, so it is wrong where R belongs
    game.LeftClick(MiddleX(0), MiddleY(2));
    Type("QCEAN");
    game.LeftClick(MiddleX(1), MiddleY(0));

    game.RunCommand(CommandId::CheckLetter);
    EXPECT_EQ(Marks(1, 0), kMarkWrong);
    EXPECT_EQ(Marks(3, 0), 0);
    EXPECT_EQ(host.promptText, "1 wrong letter marked");
    game.RunCommand(CommandId::CheckWord);
    EXPECT_EQ(Marks(3, 0), kMarkWrong);
    EXPECT_EQ(Marks(0, 0) | Marks(2, 0) | Marks(4, 0), 0);
    EXPECT_EQ(Marks(0, 2), 0);
    game.RunCommand(CommandId::CheckAll);
    EXPECT_EQ(Marks(0, 2), kMarkWrong);
    EXPECT_EQ(host.promptText, "3 wrong letters marked");
    EXPECT_EQ(Marks(0, 1), 0);  // empty squares are not marked

    // The mark shows on screen and on a printed puzzle with the player's letters only.
    EXPECT_TRUE(game.LookOf(*game.crossword.SquareAt(1, 0)).wrongMark);
    game.settings.printUserSquares = true;
    EXPECT_TRUE(game.LookOf(*game.crossword.SquareAt(1, 0), Surface::PrintedPuzzle).wrongMark);
    EXPECT_FALSE(game.LookOf(*game.crossword.SquareAt(1, 0), Surface::PrintedSolution).wrongMark);
    game.settings.printUserSquares = false;
    EXPECT_FALSE(game.LookOf(*game.crossword.SquareAt(1, 0), Surface::PrintedPuzzle).wrongMark);

    // Typing the same letter again keeps the mark; another letter drops it.
    game.LeftClick(MiddleX(1), MiddleY(0));
    Type("X");
    EXPECT_EQ(Marks(1, 0), kMarkWrong);
    game.LeftClick(MiddleX(1), MiddleY(0));
    Type("E");
    EXPECT_EQ(Marks(1, 0), 0);
    game.RunCommand(CommandId::CheckWord);
    EXPECT_EQ(host.promptText, "1 wrong letter marked");
}

TEST_F(GameCheck, RevealGivesMarkedLettersAndLeavesRightOnesAlone)
{
    Type("HX");
    game.LeftClick(MiddleX(1), MiddleY(0));
    game.RunCommand(CommandId::RevealLetter);
    EXPECT_EQ(Guesses(0), "HE...");
    EXPECT_EQ(Marks(1, 0), kMarkRevealed);
    game.RunCommand(CommandId::RevealWord);
    EXPECT_EQ(Guesses(0), "HEART");
    EXPECT_EQ(Marks(0, 0), 0);  // the player had it
    EXPECT_EQ(Marks(4, 0), kMarkRevealed);
    EXPECT_TRUE(game.LookOf(*game.crossword.SquareAt(4, 0)).givenMark);
    EXPECT_TRUE(game.modified);
    EXPECT_FALSE(game.completed);

    // Revealing everything completes the puzzle without congratulations, as Solve does.
    game.RunCommand(CommandId::RevealAll);
    EXPECT_TRUE(game.completed);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(game.StateOf(CommandId::RevealLetter).enabled);
    EXPECT_FALSE(game.StateOf(CommandId::CheckAll).enabled);
}

TEST_F(GameCheck, TheOriginalHintMarksItsLetterAsGivenAndChecksNeedACursor)
{
    game.RunCommand(CommandId::Hint);
    EXPECT_EQ(Marks(0, 0), kMarkRevealed);
    game.crossword.cursorSquare->isCursor = false;
    game.crossword.cursorSquare = nullptr;
    EXPECT_FALSE(game.StateOf(CommandId::CheckLetter).enabled);
    EXPECT_FALSE(game.StateOf(CommandId::RevealWord).enabled);
    EXPECT_TRUE(game.StateOf(CommandId::CheckAll).enabled);
    game.CheckLetters(CheckScope::Word);  // nothing to act on: nothing happens
    EXPECT_EQ(game.EditHistory().UndoCount(), 1u);
    game.settings.createMode = true;
    EXPECT_FALSE(game.StateOf(CommandId::CheckAll).enabled);
    EXPECT_FALSE(game.StateOf(CommandId::Pencil).enabled);
}

TEST_F(GameCheck, PencilLettersAreGreyAndCountForCompletion)
{
    EXPECT_FALSE(game.StateOf(CommandId::Pencil).checked);
    game.RunCommand(CommandId::Pencil);
    EXPECT_TRUE(game.StateOf(CommandId::Pencil).checked);
    Type("HE");
    EXPECT_EQ(Marks(0, 0), kMarkPencil);
    const SquareLook pencilled = game.LookOf(*game.crossword.SquareAt(0, 0));
    EXPECT_TRUE(pencilled.pencilled);
    EXPECT_NE(pencilled.letterColour, game.Colours().letter);
    EXPECT_GE(ContrastRatio(pencilled.letterColour, game.Colours().square), kShapeContrast);
    game.RunCommand(CommandId::Pencil);
    game.LeftClick(MiddleX(1), MiddleY(0));
    Type("E");  // the same letter in ink
    EXPECT_EQ(Marks(1, 0), 0);

    // Every square in pencil still completes the puzzle.
    game.RunCommand(CommandId::Pencil);
    for (int row : {0, 2, 4}) {
        game.SelectSquare(game.crossword.SquareAt(0, row), kAcross, false);
        Type(row == 0 ? "HEART" : row == 2 ? "OCEAN" : "SATYR");
    }
    for (int col : {0, 2, 4}) {
        for (int row : {1, 3}) {
            game.LeftClick(MiddleX(col), MiddleY(row));
            Type(std::string(1, game.crossword.SquareAt(col, row)->solution));
        }
    }
    EXPECT_TRUE(game.completed);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back().caption, "Congratulations");
}

TEST_F(GameCheck, MistakesShownAsTypedAreMarkedAtOnce)
{
    Preferences chosen = game.Prefs();
    chosen.showMistakes = true;
    game.SetPreferences(chosen);
    Type("HXA");
    EXPECT_EQ(Marks(0, 0), 0);
    EXPECT_EQ(Marks(1, 0), kMarkWrong);
    EXPECT_EQ(Marks(2, 0), 0);
}

TEST_F(GameCheck, MarksSurviveTheAutosaveOfAModeSwitchButResetClearsThem)
{
    Type("HX");
    game.RunCommand(CommandId::CheckWord);
    game.RunCommand(CommandId::Pencil);
    game.LeftClick(MiddleX(0), MiddleY(2));
    Type("O");
    game.RunCommand(CommandId::CrosswordCreator);
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_EQ(Marks(1, 0), kMarkWrong);
    EXPECT_EQ(Marks(0, 2), kMarkPencil);
    EXPECT_TRUE(game.LookOf(*game.crossword.SquareAt(1, 0)).wrongMark);

    // The autosave file itself changed behind the game's back: its marks do not fit it.
    game.RunCommand(CommandId::CrosswordCreator);
    auto image = testing::ReadBytes(folder.Data("volatile.crs"));
    image[29 + 27 * 3 + 18] = std::byte{'Q'};  // the fourth square's guess
    testing::WriteBytes(folder.Data("volatile.crs"), image);
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_EQ(Marks(1, 0), 0);

    game.LeftClick(MiddleX(0), MiddleY(0));
    game.RunCommand(CommandId::CheckWord);
    host.replies = {Reply::No};
    game.ResetPuzzle();
    for (const Square& square : game.crossword.squares) {
        EXPECT_EQ(square.marks, 0);
    }
}

TEST(GameMarks, ACancelledNewPuzzleBringsBackTheMarksAndTheHistoryWithThePuzzle)
{
    testing::TempAppFolder folder;
    testing::ScriptedHost host;
    Game game{host, folder.Path()};
    testing::StartOnShippedData(game, 2026);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    testing::WriteUnfillableTemplate(game.paths.Template(9, 9), 9);
    Square* first = game.crossword.FirstOpenSquare();
    game.SelectSquare(first, kAcross, false);
    game.KeyDown(first->solution == 'Q' ? 'X' : 'Q');
    game.RunCommand(CommandId::CheckWord);
    ASSERT_EQ(first->marks, kMarkWrong);

    host.cancelGenerations = true;
    host.sizePresses = {0, std::nullopt};  // Create... with 9 x 9, then Cancel
    host.replies = {Reply::No};            // no save first
    game.RunCommand(CommandId::NewPuzzle);
    ASSERT_EQ(host.generations, 1);
    Square* again = game.crossword.FirstOpenSquare();
    EXPECT_EQ(again->marks, kMarkWrong);
    game.Undo();  // the check
    EXPECT_EQ(again->marks, 0);
    game.Undo();  // the letter
    EXPECT_EQ(again->guess, 0);
}

}  // namespace
}  // namespace quillby
