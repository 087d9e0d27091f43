#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::ScriptedHost;

const char* const kLettersOnly =
    "The answer can only contain the letters A to Z: no spaces, "
    "digits, punctuation or accented letters";

int X(int col)
{
    return kGridMargin + kSquarePitch * col + 18;
}
int Y(int row)
{
    return kGridMargin + kSquarePitch * row + 18;
}

// A designer's session on a fresh 11 x 11 lattice in Create mode.
class GameCreator : public GameFixture {
protected:
    void SetUp() override
    {
        game.settings.createMode = true;
        game.EnterCreator(false, 11);
        host.messages.clear();
    }
    // A right click off the grid drops the selection, so the left click selects afresh (across
    // at a crossing); then Space with the typed question and answer, and Add.
    void AddAnswer(int col, int row, const std::string& question, const std::string& answer)
    {
        game.RightClick(-100, -100);
        game.LeftClick(X(col), Y(row));
        host.clueTypings.push_back(ScriptedHost::ClueTyping{question, answer});
        game.KeyDown(kKeySpace);
    }
    std::string Row(int row) const { return GridRows(game.crossword)[static_cast<size_t>(row)]; }
    std::string Column(int col) const
    {
        std::string text;
        for (const std::string& row : GridRows(game.crossword)) {
            text.push_back(row[static_cast<size_t>(col)]);
        }
        return text;
    }
    ClueStore UserClueFile() const
    {
        ClueStore store;
        EXPECT_TRUE(store.Load(folder.Data("output_user.b")).Ok());
        return store;
    }
};

TEST_F(GameCreator, AFreshLatticeBlocksOddPairsAndNumbersTheOpenLines)
{
    int blocks = 0;
    for (const Square& square : game.crossword.squares) {
        EXPECT_EQ(square.open, !(square.col % 2 == 1 && square.row % 2 == 1));
        blocks += square.open ? 0 : 1;
    }
    EXPECT_EQ(blocks, 25);
    EXPECT_EQ(game.crossword.answers.size(), 12u);  // six open rows, six open columns
    std::vector<int> numbered;
    for (const Square& square : game.crossword.squares) {
        if (square.number != 0) {
            numbered.push_back(square.row * 11 + square.col);
        }
    }
    // The top row starts every column; the left column starts every even row.
    EXPECT_EQ(numbered, (std::vector<int>{0, 2, 4, 6, 8, 10, 22, 44, 66, 88, 110}));
    EXPECT_EQ(host.instructionsShown, 1);
    EXPECT_FALSE(game.modified);
}

TEST_F(GameCreator, InstructionsStayAwayOnceTheBoxIsTicked)
{
    host.instructionsChoices = {true};
    game.EnterCreator(false, 9);
    EXPECT_EQ(host.instructionsShown, 2);
    EXPECT_TRUE(game.settings.creatorInstructionsOff);
    game.EnterCreator(false, 9);
    EXPECT_EQ(host.instructionsShown, 2);
    int blocks = 0;
    for (const Square& square : game.crossword.squares) {
        blocks += square.open ? 0 : 1;
    }
    EXPECT_EQ(blocks, 16);
    // The menu command shows them all the same, in either mode, with the box as it stands.
    EXPECT_TRUE(game.RunCommand(CommandId::ShowInstructions));
    game.settings.createMode = false;
    host.instructionsChoices = {false};
    EXPECT_TRUE(game.RunCommand(CommandId::ShowInstructions));
    EXPECT_EQ(host.instructionsShown, 4);
    EXPECT_FALSE(game.settings.creatorInstructionsOff);
}

TEST_F(GameCreator, RightClickOpensABlockAndRebuildsRunsAndNumbersAtOnce)
{
    game.LeftClick(X(0), Y(0));
    ASSERT_NE(game.crossword.cursorSquare, nullptr);
    game.RightClick(X(1), Y(1));
    EXPECT_EQ(game.crossword.cursorSquare, nullptr);
    for (const Square& square : game.crossword.squares) {
        EXPECT_FALSE(square.highlighted || square.isCursor);
    }
    EXPECT_TRUE(game.crossword.SquareAt(1, 1)->open);
    EXPECT_TRUE(game.modified);
    EXPECT_EQ(game.crossword.answers.size(), 14u);
    EXPECT_NE(game.crossword.FindEntryAt(0, 1, kAcross), nullptr);
    EXPECT_NE(game.crossword.FindEntryAt(1, 0, kDown), nullptr);
    EXPECT_EQ(game.crossword.SquareAt(1, 0)->number, 2);
    EXPECT_EQ(game.crossword.SquareAt(0, 1)->number, 8);

    game.RightClick(X(1), Y(1));
    EXPECT_FALSE(game.crossword.SquareAt(1, 1)->open);
    EXPECT_EQ(game.crossword.answers.size(), 12u);
    EXPECT_EQ(game.crossword.SquareAt(1, 0)->number, 0);

    // Off the grid: only the selection goes. Original mode ignores the right button.
    game.modified = false;
    game.RightClick(2000, 2000);
    EXPECT_FALSE(game.modified);
    game.settings.createMode = false;
    game.RightClick(X(1), Y(1));
    EXPECT_FALSE(game.crossword.SquareAt(1, 1)->open);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameCreator, RefusalsComeWithTheirMessagesAndChangeNothing)
{
    game.KeyDown(kKeySpace);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Please select a run by left-clicking a square");
    EXPECT_EQ(host.messages[0].caption, "Attention");
    EXPECT_TRUE(game.modified);  // every key in Create mode counts as an edit
    game.KeyDown(kKeyDelete);    // no cursor: nothing
    game.KeyDown('Q');
    EXPECT_EQ(host.messages.size(), 1u);

    // Wrong length, overlong, not letters, no question: the dialog stays open each time.
    game.LeftClick(X(0), Y(0));
    host.clueTypings = {ScriptedHost::ClueTyping{"Magic word", "ABRACADABR"},
                        ScriptedHost::ClueTyping{std::string(129, 'q'), "ABRACADABRA"},
                        ScriptedHost::ClueTyping{"Year", "ABRACADAB99"},
                        ScriptedHost::ClueTyping{"City", "NEW YORKERS"},
                        ScriptedHost::ClueTyping{"Cafe", "CAFÉCAFÉCAF"},
                        ScriptedHost::ClueTyping{"", "ABRACADABRA"},
                        ScriptedHost::ClueTyping{"Two\nlines", "ABRACADABRA"},
                        std::nullopt};
    host.messages.clear();
    game.KeyDown(kKeySpace);
    EXPECT_EQ(host.clueDialogLabels,
              std::vector<std::string>{"Please enter an answer (11 characters long)"});
    EXPECT_EQ(
        host.MessageTexts(),
        (std::vector<std::string>{
            "Incorrect amount of letters entered", "Please enter no more than 128 characters.",
            kLettersOnly, kLettersOnly, kLettersOnly, "Please enter a question for this answer",
            "The question cannot contain line breaks, tabs or other control characters"}));
    for (const auto& message : host.messages) {
        EXPECT_EQ(message.caption, kAppTitle);
    }
    EXPECT_TRUE(game.userClues.Empty());
    EXPECT_EQ(Row(0), "...........");

    // A lettered square cannot be toggled; a square beside two letters in a line is refused.
    game.RightClick(X(0), Y(6));  // the left column now ends at row 5
    AddAnswer(0, 1, "Magic", "ABRACA");
    EXPECT_EQ(Column(0).substr(0, 7), "ABRACA#");
    host.messages.clear();
    game.RightClick(X(0), Y(0));
    EXPECT_TRUE(host.messages.empty());
    game.RightClick(X(0), Y(6));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "This square will alter an answer if changed");
    EXPECT_EQ(host.messages[0].caption, kAppTitle);
    EXPECT_TRUE(game.crossword.SquareAt(0, 0)->open);
    EXPECT_FALSE(game.crossword.SquareAt(0, 6)->open);
}

TEST_F(GameCreator, AnAnswerMustAgreeWithTheCrossingLetters)
{
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    AddAnswer(0, 2, "Melons", "cantaloupes");  // typed in lower case: upper-cased
    EXPECT_EQ(Row(2), "CANTALOUPES");
    game.LeftClick(X(0), Y(1));  // the left column, down
    host.clueTypings = {ScriptedHost::ClueTyping{"Stomach muscles", "ABDOMINALLY"},
                        ScriptedHost::ClueTyping{"Alphabet start", "ABCDEFGHIJK"}};
    host.messages.clear();
    game.KeyDown(kKeySpace);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Answer ABDOMINALLY does not fit correctly onto crossword grid");
    EXPECT_EQ(Column(0), "ABCDEFGHIJK");
    EXPECT_EQ(game.crossword.SquareAt(0, 2)->useCount, 2);
    ASSERT_NE(game.userClues.Find("ABCDEFGHIJK"), nullptr);
    EXPECT_EQ(game.userClues.Find("ABDOMINALLY"), nullptr);
    // Each clue reached the user's clue file the moment it was added.
    EXPECT_EQ(UserClueFile().Size(), 3u);
    EXPECT_EQ(UserClueFile().Find("CANTALOUPES")->question, "Melons");
}

TEST_F(GameCreator, AnAnswerAlreadyUsedAsksWhetherToOverwriteItsQuestion)
{
    ASSERT_TRUE(game.userClues.AddClue("Old spell", "ABRACADABRA"));
    host.replies = {Reply::No};
    AddAnswer(0, 0, "New spell", "ABRACADABRA");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "The answer ABRACADABRA has already been used with the "
              "question\nOld spell\nWould you like to overwrite this "
              "question?");
    EXPECT_EQ(host.messages[0].caption, "");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(Row(0), "ABRACADABRA");  // placed with the old question
    EXPECT_EQ(game.userClues.Size(), 1u);
    EXPECT_EQ(game.userClues.Find("ABRACADABRA")->question, "Old spell");

    host.replies = {Reply::Yes};
    AddAnswer(0, 10, "New spell", "ABRACADABRA");
    EXPECT_EQ(Row(10), "ABRACADABRA");
    EXPECT_EQ(game.userClues.Size(), 1u);
    EXPECT_EQ(game.userClues.Find("ABRACADABRA")->question, "New spell");
    EXPECT_EQ(UserClueFile().Find("ABRACADABRA")->question, "New spell");

    // The same question again is simply kept, without asking.
    host.messages.clear();
    AddAnswer(0, 4, "New spell", "ABRACADABRA");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(game.userClues.Size(), 1u);
}

TEST_F(GameCreator, DeletingOneOfTwoCrossingAnswersKeepsTheSharedLetter)
{
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    AddAnswer(0, 1, "Alphabet start", "ABCDEFGHIJK");
    host.replies = {Reply::No};
    game.KeyDown(kKeyDelete);
    EXPECT_EQ(Column(0), "ABCDEFGHIJK");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Are you sure you want to remove ABCDEFGHIJK from the grid?");
    EXPECT_EQ(host.messages[0].caption, "Attention");

    game.KeyDown(kKeyDelete);  // answered Yes
    EXPECT_EQ(Column(0), "A..........");
    EXPECT_EQ(Row(0), "ABRACADABRA");
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->useCount, 1);
    EXPECT_NE(game.userClues.Find("ABCDEFGHIJK"), nullptr);  // the clue stays

    // A run holding only a crossing letter has no answer to delete.
    host.messages.clear();
    game.KeyDown(kKeyDelete);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameCreator, AnAnswerEnteredTwiceIsDeletedAtOnce)
{
    // Entering the same answer again used to count its squares twice, so one Delete left
    // the letters behind.
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    AddAnswer(4, 0, "Magic word", "ABRACADABRA");
    EXPECT_EQ(game.crossword.SquareAt(3, 0)->useCount, 1);
    game.LeftClick(X(1), Y(0));
    game.KeyDown(kKeyDelete);
    EXPECT_EQ(Row(0), "...........");
}

TEST_F(GameCreator, AOneSquareRunNeverGetsAnAnswer)
{
    // Open the block at (1, 1) and close its four neighbours: a lone square.
    game.RightClick(X(1), Y(1));
    for (auto [col, row] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 2}}) {
        game.RightClick(X(col), Y(row));
    }
    game.LeftClick(X(1), Y(1));
    ASSERT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(1, 1));
    host.clueTypings = {ScriptedHost::ClueTyping{"First letter", "A"}};
    game.KeyDown(kKeySpace);
    EXPECT_TRUE(host.clueDialogLabels.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "A clue needs a run of at least two squares");
    EXPECT_TRUE(game.userClues.Empty());
    EXPECT_EQ(game.crossword.SquareAt(1, 1)->solution, 0);
}

TEST_F(GameCreator, ARunCutOffFromTheRestTakesAnAnswer)
{
    // A run that no crossing linked to the first run had no answer entry: it said it was not
    // joined to the crossword and could never take an answer.
    // An island of two squares in the bottom right corner: (9, 9) and (10, 9).
    for (auto [col, row] : {std::pair{9, 9}, {8, 9}, {9, 8}, {9, 10}, {10, 8}, {10, 10}}) {
        game.RightClick(X(col), Y(row));
    }
    ASSERT_TRUE(game.crossword.SquareAt(9, 9)->open);
    game.LeftClick(X(9), Y(9));
    host.clueTypings = {ScriptedHost::ClueTyping{"Us", "WE"}};
    game.KeyDown(kKeySpace);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Row(9).substr(9), "WE");
    ASSERT_NE(game.userClues.Find("WE"), nullptr);
    EXPECT_EQ(game.userClues.Find("WE")->question, "Us");
    const int number = game.crossword.SquareAt(9, 9)->number;
    EXPECT_NE(number, 0);
    const std::vector<std::string>& lines = game.clueList.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), std::to_string(number) + ") Us [2]"),
              lines.end());
}

TEST_F(GameCreator, CuttingOffTheFirstSquareKeepsEveryRunOpenToAnswers)
{
    // Blocking (1, 0) and (0, 1) left (0, 0) alone, and the answer list was found from it
    // alone: every run of the grid lost its entry, its number and its clue line.
    game.RightClick(X(1), Y(0));
    game.RightClick(X(0), Y(1));
    EXPECT_EQ(game.crossword.answers.size(), 12u);
    EXPECT_EQ(game.crossword.SquareAt(2, 0)->number, 1);
    EXPECT_EQ(game.clueList.Lines().size(), 14u);  // two headers, twelve runs
    AddAnswer(2, 0, "Spell", "ABRACADAB");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Row(0), ".#ABRACADAB");
    EXPECT_EQ(game.clueList.GetLineText(1), "1) Spell [9]");
}

TEST_F(GameCreator, DeleteRemovesAnAnswerWhoseClueIsMissingFromTheClueFile)
{
    // A design from another machine, or after the user clue file was damaged, holds answers
    // the user store does not know: Delete did nothing and said nothing, so those letters
    // could never leave the grid.
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    game.userClues.RemoveClue("ABRACADABRA");
    ASSERT_EQ(game.userClues.Find("ABRACADABRA"), nullptr);
    host.messages.clear();
    game.KeyDown(kKeyDelete);  // answered Yes
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Are you sure you want to remove "
                                                            "ABRACADABRA from the grid?"});
    EXPECT_EQ(Row(0), "...........");
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->useCount, 0);
}

TEST_F(GameCreator, EnteringWithRestoreBringsBackTheAutosavedDesign)
{
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    game.AutosaveCreate();
    game.EnterCreator(false, 11);
    EXPECT_EQ(Row(0), "...........");
    game.EnterCreator(true, 11);
    EXPECT_EQ(Row(0), "ABRACADABRA");
    EXPECT_TRUE(game.puzzlePath.empty());
    EXPECT_EQ(game.crossword.FindEntryAt(0, 0, kAcross)->AnswerWord(), "ABRACADABRA");
}

TEST_F(GameCreator, AClueFileThatCannotBeWrittenIsReported)
{
    std::filesystem::create_directory(folder.Data("output_user.b"));
    AddAnswer(0, 0, "Magic word", "ABRACADABRA");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text.rfind("Your clue could not be written to the clue file.", 0),
              0u);
    EXPECT_EQ(host.messages[0].caption, "Attention");
    EXPECT_EQ(Row(0), "ABRACADABRA");
}

TEST_F(GameCreator, AQuestionShowsAsTypedInAnyScript)
{
    const std::string question = "Café crème — 50% off? (5,4) «Ω»";
    AddAnswer(0, 0, question, "ABRACADABRA");
    EXPECT_EQ(game.userClues.Find("ABRACADABRA")->question, question);
    game.LeftClick(X(3), Y(0));
    game.settings.createMode = false;
    game.userMade = 1;
    game.ShowClueInStatus();
    EXPECT_EQ(host.promptText, "Clue: " + question);
    // 128 characters of a script that takes several bytes each are too long for the file.
    std::string longQuestion;
    for (int i = 0; i < 128; ++i) {
        longQuestion += "Ω";
    }
    game.settings.createMode = true;
    host.messages.clear();
    AddAnswer(0, 2, longQuestion, "CANTALOUPES");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "The question is too long to be stored. Please shorten it.");
}

TEST_F(GameCreator, ADesignedPuzzlePlaysInOriginalModeWithItsOwnClues)
{
    // Shrink the lattice to its top-left corner: CAT / O#A / WET.
    for (const Square& square : std::vector<Square>(game.crossword.squares)) {
        if ((square.col > 2 || square.row > 2) && square.open) {
            game.RightClick(X(square.col), Y(square.row));
        }
    }
    ASSERT_EQ(game.crossword.answers.size(), 4u);
    AddAnswer(0, 0, "Feline", "CAT");
    AddAnswer(0, 2, "Damp", "WET");
    AddAnswer(0, 1, "Dairy animal", "COW");
    AddAnswer(2, 1, "Tit for ...", "TAT");
    EXPECT_EQ(GridRows(game.crossword)[1].substr(0, 3), "O#A");
    const std::string path = folder.Path() + "/mine.crs";
    host.savePaths = {path};
    ASSERT_TRUE(game.SaveCreatedPuzzle(true));

    game.RunCommand(CommandId::CrosswordCreator);  // back to Original mode
    ASSERT_FALSE(game.CreateMode());
    game.clock = {.hours = 2, .minutes = 3, .seconds = 4, .ticks = 7384};
    host.replies = {Reply::No};  // no saving before loading
    host.openPaths = {path};
    game.RunCommand(CommandId::OpenPuzzle);
    EXPECT_EQ(game.userMade, 1);
    EXPECT_EQ(game.clock, Clock{});
    EXPECT_FALSE(game.completed);
    EXPECT_EQ(Game::ClockText(game.clock), "Time: 00:00:00");

    game.LeftClick(X(0), Y(1));
    EXPECT_EQ(host.promptText, "Clue: Dairy animal");
    host.messages.clear();
    for (auto [row, letters] : {std::pair{0, "CAT"}, {2, "WET"}}) {
        game.LeftClick(X(0), Y(row));
        for (const char* letter = letters; *letter != 0; ++letter) {
            game.KeyDown(*letter);
        }
    }
    game.LeftClick(X(2), Y(1));
    game.KeyDown('A');
    game.LeftClick(X(0), Y(1));
    game.KeyDown('O');
    EXPECT_TRUE(game.completed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Congratulations");
    EXPECT_EQ(host.messages[0].text,
              "You completed the puzzle in 0 hours,\n0 minutes and 0 "
              "seconds.");
    EXPECT_TRUE(game.clues.Empty());
}

}  // namespace
}  // namespace quillby
