#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "core/game/game.h"
#include "core/storage/puzzle_file.h"
#include "support/game_fixture.h"
#include "support/grid_pixels.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::MiddleX;
using testing::MiddleY;

// The game's state as text: the .crs image with the clock left out (the clock is never
// undone), in hex, then each square readably (open, solution, guess, uses, number, marks), the
// answers as the game rebuilt them and the clue lines.
std::string State(Game& game)
{
    const auto image = SerializePuzzle(game.crossword, game.userMade, Clock{}, game.completed);
    std::string state;
    char hex[3];
    for (const std::byte byte : image) {
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(byte));
        state += hex;
    }
    state += "\ncompleted " + std::to_string(game.completed);
    for (int row = 0; row < game.crossword.height; ++row) {
        state += "\n";
        for (int col = 0; col < game.crossword.width; ++col) {
            const Square& square = *game.crossword.SquareAt(col, row);
            state += square.open ? std::string(1, square.solution != 0 ? square.solution : '.') +
                                       (square.guess != 0 ? square.guess : '.') +
                                       std::to_string(square.useCount) + "/" +
                                       std::to_string(square.number) + "/" +
                                       std::to_string(square.marks) + " "
                                 : "#### ";
        }
    }
    state += "\nanswers:";
    for (const AnswerEntry& entry : game.crossword.answers) {
        state += std::to_string(entry.direction) + std::string(entry.AnswerWord()) + ",";
    }
    for (const std::string& line : game.clueList.Lines()) {
        state += "\n" + line;
    }
    return state;
}

class GameHistory : public GameFixture {
protected:
    void SetUp() override
    {
        testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ"},
                                            {"OCEAN", "Sea"},
                                            {"SATYR", "Woodland god"},
                                            {"HOOKS", "Catches"},
                                            {"ALERT", "Watchful"},
                                            {"TENOR", "Singer"}});
        game.settings.creatorInstructionsOff = true;
        game.RefreshClueList();
    }
    void Type(const std::string& keys)
    {
        for (const char key : keys) {
            game.KeyDown(key);
        }
    }
    std::string Guesses(int row)
    {
        return GridRows(game.crossword, true)[static_cast<std::size_t>(row)];
    }
    void UndoAll()
    {
        while (game.CanUndo()) {
            game.Undo();
        }
    }
    void RedoAll()
    {
        while (game.CanRedo()) {
            game.Redo();
        }
    }
};

TEST_F(GameHistory, LettersClearsHintsAndResetUndoOneCommandAtATime)
{
    game.LeftClick(MiddleX(0), MiddleY(0));
    Type("HEX");
    game.KeyDown(kKeyBackspace);
    game.RunCommand(CommandId::Hint);  // the cursor is on the third square
    EXPECT_EQ(Guesses(0), "HEA..");
    EXPECT_EQ(game.EditHistory().UndoCount(), 5u);

    game.Undo();  // the hint
    EXPECT_EQ(Guesses(0), "HE...");
    game.Undo();  // the Backspace, which had stepped back from the fourth square
    EXPECT_EQ(Guesses(0), "HEX..");
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(3, 0));
    game.Redo();
    game.Redo();
    EXPECT_EQ(Guesses(0), "HEA..");
    EXPECT_TRUE(game.crossword.SquareAt(2, 0)->marks & kMarkRevealed);

    host.replies = {Reply::No};  // no save before the reset
    game.RunCommand(CommandId::ResetPuzzle);
    EXPECT_EQ(Guesses(0), ".....");
    game.Undo();
    EXPECT_EQ(Guesses(0), "HEA..");
    EXPECT_TRUE(game.crossword.SquareAt(2, 0)->marks & kMarkRevealed);

    // A new command after an undo drops what could have been redone.
    game.Undo();
    EXPECT_TRUE(game.CanRedo());
    game.LeftClick(MiddleX(4), MiddleY(4));
    Type("R");
    EXPECT_FALSE(game.CanRedo());
}

TEST_F(GameHistory, UndoingTheLastLetterOfASolvedGridReopensItAndSolveIsUndoneToo)
{
    host.replies = {Reply::Yes};
    game.RunCommand(CommandId::SolvePuzzle);
    EXPECT_TRUE(game.completed);
    EXPECT_TRUE(game.solvedByCommand);
    game.Undo();
    EXPECT_FALSE(game.completed);
    EXPECT_FALSE(game.solvedByCommand);
    EXPECT_EQ(Guesses(2), ".....");
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->marks, 0);

    // Paused, the letters are hidden and undo waits.
    game.RunCommand(CommandId::PauseClock);
    EXPECT_FALSE(game.StateOf(CommandId::Redo).enabled);
    game.Redo();
    EXPECT_FALSE(game.completed);
    game.RunCommand(CommandId::ResumeClock);
    game.RunCommand(CommandId::Redo);
    EXPECT_TRUE(game.completed);
    EXPECT_EQ(Guesses(2), "OCEAN");
}

TEST_F(GameHistory, ClearingWrongSquaresAfterTheLastLetterIsAnEditOfItsOwn)
{
    // Every square right but one, then the last letter: the prompt's Yes clears the mistake.
    for (Square& square : game.crossword.squares) {
        if (square.open && !(square.col == 4 && square.row == 3)) {
            game.SelectSquare(&square, kAcross, false);
            game.KeyDown(square.col == 4 && square.row == 0 ? 'X' : square.solution);
        }
    }
    host.replies = {Reply::Yes};
    game.SelectSquare(game.crossword.SquareAt(4, 3), kAcross, false);
    game.KeyDown('O');
    EXPECT_EQ(Guesses(0), "HEAR.");
    game.Undo();
    EXPECT_EQ(Guesses(0), "HEARX");  // the clearing undone, the O still there
    EXPECT_EQ(game.crossword.SquareAt(4, 3)->guess, 'O');
    game.Undo();
    EXPECT_EQ(game.crossword.SquareAt(4, 3)->guess, 0);
}

TEST_F(GameHistory, CreatorBlocksAndAnswersUndoWithTheirNumbersAndClueLines)
{
    game.RunCommand(CommandId::CrosswordCreator);
    ASSERT_TRUE(game.CreateMode());
    const std::string lattice = State(game);
    game.RightClick(MiddleX(1), MiddleY(1));  // opens a block
    const std::string opened = State(game);
    EXPECT_NE(opened, lattice);
    game.LeftClick(MiddleX(0), MiddleY(0));
    host.clueTypings.push_back(testing::ScriptedHost::ClueTyping{"Knowledge", "INFORMATION"});
    game.KeyDown(kKeySpace);
    ASSERT_EQ(GridRows(game.crossword)[0].substr(0, 3), "INF");
    const std::string answered = State(game);
    game.KeyDown(kKeyDelete);  // Yes, remove it
    EXPECT_EQ(GridRows(game.crossword)[0].substr(0, 3), "...");

    game.Undo();
    EXPECT_EQ(State(game), answered);
    game.Undo();
    EXPECT_EQ(State(game), opened);
    game.Undo();
    EXPECT_EQ(State(game), lattice);
    RedoAll();
    EXPECT_EQ(GridRows(game.crossword)[0].substr(0, 3), "...");
    EXPECT_NE(game.userClues.Find("INFORMATION"), nullptr);  // the clue store is not undone
}

TEST_F(GameHistory, EachModeKeepsItsHistoryAndMarksAcrossASwitchButNotAcrossANewPuzzle)
{
    game.LeftClick(MiddleX(0), MiddleY(0));
    Type("HX");
    game.RunCommand(CommandId::CheckWord);
    EXPECT_TRUE(game.crossword.SquareAt(1, 0)->marks & kMarkWrong);
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_EQ(game.EditHistory().UndoCount(), 0u);  // the creator's own, empty history
    game.RightClick(MiddleX(1), MiddleY(1));
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_EQ(Guesses(0), "HX...");
    EXPECT_TRUE(game.crossword.SquareAt(1, 0)->marks & kMarkWrong);  // kept for the session
    EXPECT_EQ(game.EditHistory().UndoCount(), 3u);
    game.Undo();
    EXPECT_EQ(game.crossword.SquareAt(1, 0)->marks, 0);
    game.RunCommand(CommandId::CrosswordCreator);
    EXPECT_TRUE(game.crossword.SquareAt(1, 1)->open);
    game.Undo();
    EXPECT_FALSE(game.crossword.SquareAt(1, 1)->open);
    game.RunCommand(CommandId::CrosswordCreator);

    // The same file opened again is another puzzle: neither history nor marks come back.
    const std::string path = folder.Path() + "/mine.crs";
    host.savePaths = {path};
    ASSERT_TRUE(game.SavePuzzle(true));
    ASSERT_TRUE(game.OpenPuzzle(path, false));
    EXPECT_FALSE(game.CanUndo());
    EXPECT_EQ(Guesses(0), "HX...");
}

// A long seeded run of every kind of command in both modes, then everything undone: the start
// states come back exactly, and everything redone gives the end states.
TEST_F(GameHistory, ARandomSessionUndoneGivesTheStartBackAndRedoneTheEnd)
{
    std::mt19937 random(20240611);
    auto pick = [&](int below) {
        return static_cast<int>(random() % static_cast<unsigned>(below));
    };
    const std::string playStart = State(game);
    std::string createStart;
    auto playStep = [&] {
        const int roll = pick(100);
        if (roll < 25) {
            game.LeftClick(MiddleX(pick(5)), MiddleY(pick(5)));
        } else if (roll < 55) {
            const Square* cursor = game.crossword.cursorSquare;
            game.KeyDown(cursor != nullptr && pick(2) == 0 ? cursor->solution : 'A' + pick(26));
        } else if (roll < 62) {
            game.KeyDown(pick(2) == 0 ? kKeyBackspace : kKeyDelete);
        } else if (roll < 72) {
            const CommandId commands[] = {CommandId::Hint,         CommandId::CheckLetter,
                                          CommandId::CheckWord,    CommandId::CheckAll,
                                          CommandId::RevealLetter, CommandId::RevealWord,
                                          CommandId::Pencil,       CommandId::CheckPuzzle};
            game.RunCommand(commands[pick(8)]);
        } else if (roll < 74) {
            if (game.modified) {
                host.replies = {Reply::No};
            }
            game.RunCommand(CommandId::ResetPuzzle);
            host.replies.clear();
        } else if (roll < 75) {
            game.RunCommand(pick(2) == 0 ? CommandId::SolvePuzzle : CommandId::RevealAll);
        } else if (roll < 85) {
            Preferences modern = game.Prefs();
            modern.keyboard = pick(2) == 0 ? KeyboardStyle::Modern : KeyboardStyle::Classic;
            modern.skipFilledSquares = pick(2) == 0;
            modern.showMistakes = pick(2) == 0;
            game.SetPreferences(modern);
            const int keys[] = {kKeyLeft,    kKeyRight, kKeyUp,   kKeyDown, kKeyTab,
                                kKeyBackTab, kKeySpace, kKeyHome, kKeyEnd,  kKeyBackspace};
            game.KeyDown(keys[pick(10)]);
        } else if (roll < 93) {
            game.Undo();
        } else {
            game.Redo();
        }
    };
    auto createStep = [&] {
        const int roll = pick(100);
        if (roll < 30) {
            game.RightClick(MiddleX(pick(11)), MiddleY(pick(11)));
        } else if (roll < 60) {
            game.LeftClick(MiddleX(pick(11)), MiddleY(pick(11)));
        } else if (roll < 75) {
            if (const Square* cursor = game.crossword.cursorSquare) {
                int length = 0;
                const auto run = game.crossword.RunSquares(
                    cursor->col, cursor->row, cursor->cursorDown ? kDown : kAcross, length);
                std::string answer;
                for (const Square* square : run) {
                    answer += square->solution != 0 ? square->solution
                                                    : static_cast<char>('A' + pick(26));
                }
                host.clueTypings = {testing::ScriptedHost::ClueTyping{"Clue " + answer, answer}};
            }
            game.KeyDown(kKeySpace);
            host.clueTypings.clear();
        } else if (roll < 82) {
            game.KeyDown(kKeyDelete);
        } else if (roll < 92) {
            game.Undo();
        } else {
            game.Redo();
        }
    };
    for (int step = 0; step < 1500; ++step) {
        if (step == 300 || pick(100) == 0) {
            game.RunCommand(CommandId::CrosswordCreator);
            if (createStart.empty()) {
                ASSERT_TRUE(game.CreateMode());
                createStart = State(game);
            }
        }
        game.CreateMode() ? createStep() : playStep();
    }
    ASSERT_FALSE(createStart.empty());
    // The end: whatever the last steps left to redo is redone in both modes.
    RedoAll();
    game.RunCommand(CommandId::CrosswordCreator);
    RedoAll();
    game.RunCommand(CommandId::CrosswordCreator);
    const bool endedInCreate = game.CreateMode();
    const std::string endHere = State(game);
    // Each redo gives back exactly the state its undo left.
    std::vector<std::string> states{endHere};
    while (game.CanUndo()) {
        game.Undo();
        states.push_back(State(game));
    }
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        game.Redo();
        ASSERT_EQ(State(game), states[i]) << "redo " << states.size() - 1 - i;
    }
    EXPECT_GT(states.size(), 50u);  // a session with plenty to undo
    game.RunCommand(CommandId::CrosswordCreator);
    const std::string endThere = State(game);
    game.RunCommand(CommandId::CrosswordCreator);

    UndoAll();
    EXPECT_EQ(State(game), endedInCreate ? createStart : playStart);
    game.RunCommand(CommandId::CrosswordCreator);
    UndoAll();
    EXPECT_EQ(State(game), endedInCreate ? playStart : createStart);

    EXPECT_NE(endThere, endedInCreate ? playStart : createStart);
    RedoAll();
    EXPECT_EQ(State(game), endThere);
    game.RunCommand(CommandId::CrosswordCreator);
    RedoAll();
    EXPECT_EQ(State(game), endHere);
}

}  // namespace
}  // namespace quillby
