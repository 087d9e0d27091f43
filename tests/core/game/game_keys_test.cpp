#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;

// 1 HEART, 4 OCEAN, 5 SATYR across; 1 HOOKS, 2 ALERT, 3 TENOR down.
class ModernKeys : public GameFixture {
protected:
    void SetUp() override
    {
        testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ"}, {"TENOR", "Singer"}});
        game.RefreshClueList();
        Preferences modern = game.Prefs();
        modern.keyboard = KeyboardStyle::Modern;
        game.SetPreferences(modern);
        game.SelectSquare(At(0, 0), kAcross, true);
    }
    Square* At(int col, int row) { return game.crossword.SquareAt(col, row); }
    void Keys(std::initializer_list<int> keys)
    {
        for (const int key : keys) {
            game.KeyDown(key);
        }
    }
    void Type(const std::string& letters)
    {
        for (const char letter : letters) {
            game.KeyDown(letter);
        }
    }
    // Where the cursor is and which way it runs: "2,0 down".
    std::string Cursor()
    {
        const Square* cursor = game.crossword.cursorSquare;
        if (cursor == nullptr) {
            return "none";
        }
        return std::to_string(cursor->col) + "," + std::to_string(cursor->row) +
               (cursor->cursorDown ? " down" : " across");
    }
    std::string Guesses(int row)
    {
        return GridRows(game.crossword, true)[static_cast<std::size_t>(row)];
    }
};

TEST_F(ModernKeys, ArrowsMoveOverBlocksAndAnArrowAcrossTheRunTurnsItFirst)
{
    game.KeyDown(kKeyRight);
    EXPECT_EQ(Cursor(), "1,0 across");
    game.KeyDown(kKeyDown);  // no down run here: it moves, over the block, keeping across
    EXPECT_EQ(Cursor(), "1,2 across");
    game.KeyDown(kKeyDown);
    EXPECT_EQ(Cursor(), "1,4 across");
    game.KeyDown(kKeyDown);  // the edge: it stays
    EXPECT_EQ(Cursor(), "1,4 across");
    game.KeyDown(kKeyLeft);
    EXPECT_EQ(Cursor(), "0,4 across");
    game.KeyDown(kKeyUp);  // a down run: the first press turns
    EXPECT_EQ(Cursor(), "0,4 down");
    game.KeyDown(kKeyUp);
    EXPECT_EQ(Cursor(), "0,3 down");
    game.KeyDown(kKeyRight);  // (0,3) has no across run: it moves, and the run follows
    EXPECT_EQ(Cursor(), "2,3 down");
    EXPECT_FALSE(game.modified);  // moving changes nothing
    EXPECT_EQ(game.EditHistory().UndoCount(), 0u);
}

TEST_F(ModernKeys, TabGoesRoundTheCluesAndSpaceHomeAndEndMoveInTheWord)
{
    Keys({kKeyTab});
    EXPECT_EQ(Cursor(), "0,2 across");  // 4 Across
    Keys({kKeyTab, kKeyTab});
    EXPECT_EQ(Cursor(), "0,0 down");  // 1 Down follows 5 Across
    Keys({kKeyTab, kKeyTab});
    EXPECT_EQ(Cursor(), "4,0 down");  // 3 Down, the last clue
    EXPECT_EQ(host.promptText, "Clue: Singer");
    Keys({kKeyTab});
    EXPECT_EQ(Cursor(), "0,0 across");  // round to 1 Across
    Keys({kKeyBackTab});
    EXPECT_EQ(Cursor(), "4,0 down");

    Keys({kKeyEnd});
    EXPECT_EQ(Cursor(), "4,4 down");
    Keys({kKeySpace});  // a crossing: the direction turns in place
    EXPECT_EQ(Cursor(), "4,4 across");
    Keys({kKeyHome});
    EXPECT_EQ(Cursor(), "0,4 across");
    Keys({kKeyRight, kKeySpace});  // no down run at (1,4): Space does nothing
    EXPECT_EQ(Cursor(), "1,4 across");

    // A filled word is passed over by typing's advance, but not by Tab.
    game.SelectSquare(At(0, 2), kAcross, true);
    Type("OCEAN");
    game.SelectSquare(At(0, 0), kAcross, true);
    Keys({kKeyTab});
    EXPECT_EQ(Cursor(), "0,2 across");
}

TEST_F(ModernKeys, TypingTheLastLetterMovesToTheNextUnfinishedClueAndIntoACrossing)
{
    Type("HEART");
    EXPECT_EQ(Cursor(), "0,2 across");  // 4 Across, the next clue with an empty square
    Type("OCEAN");
    EXPECT_EQ(Cursor(), "0,4 across");
    Type("SATYR");
    // 1 Down has H, O and S already: the cursor goes into it at its first empty square.
    EXPECT_EQ(Cursor(), "0,1 down");
    Type("O");
    EXPECT_EQ(Cursor(), "0,2 down");  // without skipping, typing moves on square by square

    Preferences skipping = game.Prefs();
    skipping.skipFilledSquares = true;
    game.SetPreferences(skipping);
    game.SelectSquare(At(0, 0), kDown, true);
    Type("H");
    EXPECT_EQ(Cursor(), "0,3 down");  // over the filled squares
    Type("K");
    EXPECT_EQ(Cursor(), "2,1 down");  // 1 Down done: 2 Down's first empty square
    EXPECT_EQ(GridRows(game.crossword, true)[3], "K#.#.");

    // The last empty square of the grid: nowhere left to go.
    for (const auto& [col, row] : {std::pair{2, 1}, {2, 3}, {4, 1}, {4, 3}}) {
        game.SelectSquare(At(col, row), kDown, true);
        if (col == 4 && row == 3) {
            break;
        }
        Type(std::string(1, At(col, row)->solution));
    }
    Type("O");
    EXPECT_TRUE(game.completed);
    EXPECT_EQ(Cursor(), "4,3 down");
}

TEST_F(ModernKeys, BackspaceStepsBackFromAnEmptySquareAndIntoTheClueBefore)
{
    Type("HEA");
    EXPECT_EQ(Cursor(), "3,0 across");
    game.KeyDown(kKeyBackspace);  // empty: back one and clear it
    EXPECT_EQ(Guesses(0), "HE...");
    EXPECT_EQ(Cursor(), "2,0 across");
    game.KeyDown(kKeyDelete);  // Delete clears in place (already empty) and stays
    EXPECT_EQ(Cursor(), "2,0 across");
    game.KeyDown(kKeyLeft);
    game.KeyDown(kKeyBackspace);  // a letter: cleared where it is
    EXPECT_EQ(Guesses(0), "H....");
    EXPECT_EQ(Cursor(), "1,0 across");

    // At the start of 4 Across, with its first square empty: the last square of 1 Across.
    Type("EART");
    game.SelectSquare(At(0, 2), kAcross, true);
    game.KeyDown(kKeyBackspace);
    EXPECT_EQ(Cursor(), "4,0 across");
    EXPECT_EQ(Guesses(0), "HEAR.");
    game.Undo();
    EXPECT_EQ(Guesses(0), "HEART");
    EXPECT_EQ(Cursor(), "0,2 across");
}

TEST_F(ModernKeys, ClassicIgnoresTheNewKeysAndCreateModeKeepsItsOwn)
{
    Preferences classic = game.Prefs();
    classic.keyboard = KeyboardStyle::Classic;
    game.SetPreferences(classic);
    Keys({kKeyRight, kKeyDown, kKeyTab, kKeyEnd, kKeySpace});
    EXPECT_EQ(Cursor(), "0,0 across");
    EXPECT_FALSE(game.modified);
    Type("HEARTS");  // Classic stops at the end of the run
    EXPECT_EQ(Cursor(), "4,0 across");
    EXPECT_EQ(Guesses(0), "HEARS");

    classic.keyboard = KeyboardStyle::Modern;
    game.SetPreferences(classic);
    game.settings.creatorInstructionsOff = true;
    game.RunCommand(CommandId::CrosswordCreator);
    game.SelectSquare(At(0, 0), kAcross, true);
    game.KeyDown(kKeyRight);  // nothing in Create mode
    EXPECT_EQ(Cursor(), "0,0 across");
    game.KeyDown(kKeySpace);  // the creator's clue dialog, as ever
    EXPECT_EQ(host.clueDialogLabels.size(), 1u);
}

}  // namespace
}  // namespace quillby
