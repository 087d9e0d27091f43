#include <gtest/gtest.h>

#include <filesystem>

#include "core/game/game.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::ReadBytes;
using testing::WriteBytes;

const std::vector<std::string> kRows = {"CAT", "O#A", "WET"};
// In file order: 1 Across, 1 Down, 2 Down, 3 Across.
const std::vector<std::string> kClues = {"<i>Felis catus</i> &amp; kin", "Dairy animal",
                                         "Tattoo, informally", "Soaked"};
const PuzzleInfo kInfo{"Tiny", "A. Setter", "© 2024", "Made by hand"};

class GameOwnClues : public GameFixture {
protected:
    std::string File(const std::string& name) const { return folder.Path() + "/" + name; }

    // Writes the tiny puzzle as .puz or .ipuz and opens it through the Open dialog.
    void OpenTiny(const std::string& name)
    {
        const OwnPuzzle puzzle = testing::MakeOwnPuzzle(kRows, kClues, kInfo);
        WriteBytes(File(name), FormatOfName(name) == PuzzleFormat::Puz ? SerializePuz(puzzle)
                                                                       : SerializeIpuz(puzzle));
        host.openPaths.push_back(File(name));
        ASSERT_TRUE(game.OpenPuzzle(std::nullopt, false));
    }
    void Type(int col, int row, const std::string& letters)
    {
        game.LeftClick(kGridMargin + kSquarePitch * col + 5, kGridMargin + kSquarePitch * row + 5);
        for (const char letter : letters) {
            game.KeyDown(letter);
        }
    }
};

TEST_F(GameOwnClues, AnOpenedPuzzleShowsItsOwnCluesEverywhere)
{
    ASSERT_TRUE(game.clues.AddClue("A store's clue for it", "CAT"));
    OpenTiny("tiny.puz");
    EXPECT_FALSE(game.UsesClueStores());
    EXPECT_EQ(host.Title(), "tiny.puz - Quillby");
    // A .puz clue is plain text: written from markup it lost its italics, not its '&'.
    const std::vector<std::string> expected = {
        testing::kAcrossHeader, "1) Felis catus &amp; kin [3]", "3) Soaked [3]",
        testing::kDownHeader,   "1) Dairy animal [3]",          "2) Tattoo, informally [3]"};
    EXPECT_EQ(game.clueList.Lines(), expected);
    game.LeftClick(kGridMargin + 5, kGridMargin + 2 * kSquarePitch + 5);
    EXPECT_EQ(host.promptText, "Clue: Soaked");
    EXPECT_EQ(game.InfoOfPuzzle(), kInfo);
    game.ShowPuzzleInfo();
    ASSERT_EQ(host.puzzleInfos.size(), 1u);
    EXPECT_EQ(host.puzzleInfos[0], kInfo);

    // From .ipuz the markup is the clue window's own.
    OpenTiny("tiny.ipuz");
    EXPECT_EQ(game.clueList.Lines()[1], "1) <i>Felis catus</i> &amp; kin [3]");
    game.LeftClick(kGridMargin + 5, kGridMargin + 5);
    EXPECT_EQ(host.promptText, "Clue: Felis catus & kin");
}

TEST_F(GameOwnClues, PlayingItNeverTouchesTheClueStores)
{
    // Every rule that marks, recycles, retires or advances clues runs, and the stores stay
    // byte for byte as they were, though the main store knows every answer.
    for (const char* word : {"CAT", "COW", "TAT", "WET"}) {
        ASSERT_TRUE(game.clues.AddClue(std::string("Store clue for ") + word, word));
    }
    const auto mainBefore = game.clues.Serialize();
    const auto userBefore = game.userClues.Serialize();
    OpenTiny("tiny.ipuz");
    Type(0, 0, "CAT");
    game.CheckPuzzle();
    EXPECT_EQ(host.messages.back().text, "You have 1 correct answers");
    Type(0, 2, "WET");
    for (const int col : {0, 2}) {  // the two squares only the Down answers cross
        game.LeftClick(kGridMargin + kSquarePitch * col + 5, kGridMargin + kSquarePitch + 5);
        game.GiveHint();
    }
    EXPECT_TRUE(game.completed);
    EXPECT_EQ(host.messages.back().caption, "Congratulations");
    host.replies.push_back(Reply::No);  // no save before the reset
    game.ResetPuzzle();
    game.SolvePuzzle();
    EXPECT_EQ(game.clues.Serialize(), mainBefore);
    EXPECT_EQ(game.userClues.Serialize(), userBefore);
    EXPECT_EQ(game.clues.Find("CAT")->solved, 0);
}

TEST_F(GameOwnClues, ClueLinesFollowThePuzzlesOwnNumbersAcrossThenDown)
{
    // A 4 x 3 grid whose file numbers its squares 10, 20, ... and lists clues out of order.
    const std::string text = R"({"kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": 4, "height": 3},
        "puzzle": [[10, 20, "#", 30], [40, 0, 50, 0], ["#", 60, 0, 0]],
        "solution": [["A", "B", "#", "C"], ["D", "E", "F", "G"], ["#", "H", "I", "J"]],
        "clues": {"Down": [[30, "cgj"], [10, "ad"], [20, "beh"], [50, "fi"]],
                  "Across": [[60, "hij"], [40, "defg"], [10, "ab"]]}})";
    WriteBytes(File("odd.ipuz"), {reinterpret_cast<const std::byte*>(text.data()),
                                  reinterpret_cast<const std::byte*>(text.data()) + text.size()});
    ASSERT_TRUE(game.OpenPuzzle(File("odd.ipuz"), false));
    const std::vector<std::string> expected = {
        testing::kAcrossHeader, "10) ab [2]",  "40) defg [4]", "60) hij [3]", testing::kDownHeader,
        "10) ad [2]",           "20) beh [3]", "30) cgj [3]",  "50) fi [2]"};
    EXPECT_EQ(game.clueList.Lines(), expected);
    // A click on a line selects its run.
    ASSERT_TRUE(game.OnListSelect(7));
    EXPECT_EQ(host.promptText, "Clue: cgj");
    EXPECT_TRUE(game.crossword.SquareAt(3, 2)->highlighted);
}

TEST_F(GameOwnClues, SaveAsTakesTheFormatFromTheNameAndAsksBeforeDroppingClues)
{
    OpenTiny("tiny.ipuz");
    Type(0, 0, "CA");
    host.savePaths.push_back(File("copy.puz"));
    ASSERT_TRUE(game.SavePuzzle(true));
    EXPECT_EQ(host.Title(), "copy.puz - Quillby");
    const Result<OwnPuzzle> saved = ParsePuz(ReadBytes(File("copy.puz")));
    ASSERT_TRUE(saved) << saved.Error();
    EXPECT_EQ(saved->own.info, kInfo);
    EXPECT_EQ(GridRows(saved->crossword, true), (std::vector<std::string>{"CA.", ".#.", "..."}));

    // .crs cannot hold the clues: the user is asked, and No writes nothing.
    host.savePaths.push_back(File("plain.crs"));
    host.replies.push_back(Reply::No);
    EXPECT_FALSE(game.SavePuzzle(true));
    EXPECT_FALSE(std::filesystem::exists(File("plain.crs")));
    EXPECT_EQ(game.puzzlePath, File("copy.puz"));
    EXPECT_EQ(host.messages.back().caption, "Save your puzzle?");
    // Yes writes it, and later saves to that file do not ask again.
    host.savePaths.push_back(File("plain.crs"));
    host.replies.push_back(Reply::Yes);
    ASSERT_TRUE(game.SavePuzzle(true));
    const std::size_t asked = host.messages.size();
    ASSERT_TRUE(game.SavePuzzle(false));
    EXPECT_EQ(host.messages.size(), asked);
    EXPECT_EQ(ReadBytes(File("plain.crs")).size(), 29u + 27u * 9u);
}

TEST_F(GameOwnClues, ExportWritesACopyAndLeavesTheDocumentAsItWas)
{
    // A generated puzzle exports with the clues the player sees now.
    testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ that pumps blood"},
                                        {"OCEAN", "Atlantic, for one"},
                                        {"SATYR", "Woodland god"},
                                        {"HOOKS", "Fish catchers"},
                                        {"ALERT", "Watchful"},
                                        {"TENOR", "High male voice"}});
    game.clock = {.hours = 0, .minutes = 2, .seconds = 5, .ticks = 125};
    game.modified = true;
    game.puzzlePath = File("mine.crs");
    host.exportPaths.push_back(File("shared.puz"));
    ASSERT_TRUE(game.RunCommand(CommandId::ExportPuzzle));
    EXPECT_EQ(game.puzzlePath, File("mine.crs"));
    EXPECT_TRUE(game.modified);
    EXPECT_TRUE(host.titles.empty());
    Result<OwnPuzzle> exported = ParsePuz(ReadBytes(File("shared.puz")));
    ASSERT_TRUE(exported) << exported.Error();
    EXPECT_EQ(exported->own.Find(1, kAcross)->text, "Organ that pumps blood");
    EXPECT_EQ(exported->own.Find(3, kDown)->text, "High male voice");
    EXPECT_EQ(exported->own.info.title, "shared");
    EXPECT_EQ(exported->clock.ticks, 125);

    // A user-made one with the user's clues; an answer without a clue gets an empty one.
    game.userMade = 1;
    ASSERT_TRUE(game.userClues.AddClue("My heart", "HEART"));
    host.exportPaths.push_back(File("mine"));  // no extension: .ipuz
    ASSERT_TRUE(game.ExportPuzzle());
    exported = ParseIpuz(ReadBytes(File("mine.ipuz")));
    ASSERT_TRUE(exported) << exported.Error();
    EXPECT_EQ(exported->own.Find(1, kAcross)->text, "My heart");
    EXPECT_EQ(exported->own.Find(4, kAcross)->text, "");

    // An unfinished design cannot be exported, and says why.
    game.crossword.SquareAt(0, 0)->solution = 0;
    host.exportPaths.push_back(File("unfinished.puz"));
    EXPECT_FALSE(game.ExportPuzzle());
    EXPECT_EQ(host.messages.back().text,
              "Your puzzle could not be exported: the square at row 1, column 1 has no letter "
              "yet.");
    EXPECT_FALSE(std::filesystem::exists(File("unfinished.puz")));
}

TEST_F(GameOwnClues, CrsRoundTripsThroughPuzAndIpuzWithGuessesAndClock)
{
    testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ"}});
    for (const AnswerEntry& entry : game.crossword.answers) {  // as a fill leaves them
        for (Square* square : game.crossword.EntrySquares(entry)) {
            ++square->useCount;
        }
    }
    game.crossword.SquareAt(0, 0)->guess = 'H';
    game.crossword.SquareAt(4, 4)->guess = 'Q';
    game.clock = {.hours = 1, .minutes = 2, .seconds = 3, .ticks = 3723};
    host.savePaths.push_back(File("start.crs"));
    ASSERT_TRUE(game.SavePuzzle(true));
    const auto original = ReadBytes(File("start.crs"));
    for (const char* middle : {"middle.puz", "middle.ipuz"}) {
        ASSERT_TRUE(game.OpenPuzzle(File("start.crs"), false));
        host.savePaths.push_back(File(middle));
        ASSERT_TRUE(game.SavePuzzle(true));
        ASSERT_TRUE(game.OpenPuzzle(File(middle), false));
        EXPECT_FALSE(game.UsesClueStores());
        host.savePaths.push_back(File("end.crs"));
        host.replies.push_back(Reply::Yes);  // without the clues
        ASSERT_TRUE(game.SavePuzzle(true));
        EXPECT_EQ(ReadBytes(File("end.crs")), original) << middle;
    }
}

TEST_F(GameOwnClues, QuitAndRestartBringsTheOpenedPuzzleBack)
{
    OpenTiny("tiny.puz");
    Type(0, 2, "WE");
    game.clock = {.hours = 0, .minutes = 0, .seconds = 42, .ticks = 42};
    game.SaveOnExit();
    EXPECT_TRUE(std::filesystem::exists(game.paths.OwnAutosave()));

    testing::ScriptedHost again;
    Game restarted(again, folder.Path());
    restarted.RestorePlay(false);
    EXPECT_FALSE(restarted.UsesClueStores());
    EXPECT_EQ(GridRows(restarted.crossword, true), (std::vector<std::string>{"...", ".#.", "WE."}));
    EXPECT_EQ(restarted.clock.ticks, 42);
    EXPECT_EQ(restarted.clueList.Lines(), game.clueList.Lines());
    EXPECT_EQ(restarted.InfoOfPuzzle(), kInfo);

    // Create mode and back: the same puzzle returns.
    restarted.ToggleMode();
    EXPECT_TRUE(restarted.UsesClueStores());
    restarted.ToggleMode();
    EXPECT_FALSE(restarted.UsesClueStores());
    EXPECT_EQ(restarted.crossword.SquareAt(1, 2)->guess, 'E');

    // Once a puzzle from the clue stores is autosaved, the own autosave is gone for good.
    testing::MakePuzzle(restarted, kRows);
    WriteBytes(File("plain.crs"), SerializePuzzle(restarted.crossword, 0, Clock{}, false));
    ASSERT_TRUE(restarted.OpenPuzzle(File("plain.crs"), false));
    EXPECT_TRUE(restarted.UsesClueStores());
    restarted.SaveOnExit();
    EXPECT_FALSE(std::filesystem::exists(game.paths.OwnAutosave()));
    testing::ScriptedHost third;
    Game restartedAgain(third, folder.Path());
    restartedAgain.RestorePlay(false);
    EXPECT_TRUE(restartedAgain.UsesClueStores());
}

TEST_F(GameOwnClues, TheSafetyAutosaveKeepsAnOpenedPuzzleAsIpuz)
{
    OpenTiny("tiny.puz");
    Type(0, 0, "C");
    ASSERT_TRUE(game.SafetyAutosave());
    const Result<OwnPuzzle> kept = ParseIpuz(ReadBytes(game.paths.OwnAutosave()));
    ASSERT_TRUE(kept) << kept.Error();
    EXPECT_EQ(kept->crossword.SquareAt(0, 0)->guess, 'C');
    EXPECT_FALSE(std::filesystem::exists(game.paths.PlayAutosave()));
}

TEST_F(GameOwnClues, RefusedFilesSayWhyAndLeaveThePuzzleAsItWas)
{
    OpenTiny("tiny.puz");
    auto bytes = SerializePuz(testing::MakeOwnPuzzle(kRows, kClues));
    bytes[0x32] = std::byte{4};  // the scrambled tag
    WriteBytes(File("locked.puz"), bytes);
    host.openPaths.push_back(File("locked.puz"));
    EXPECT_FALSE(game.OpenPuzzle(std::nullopt, false));
    EXPECT_EQ(host.messages.back().text,
              "This file is not a valid crossword: locked.puz is scrambled: its solution is "
              "locked with a key");
    EXPECT_EQ(host.messages.back().caption, "Failed to load");
    EXPECT_EQ(host.Title(), "tiny.puz - Quillby");
    EXPECT_FALSE(game.UsesClueStores());

    EXPECT_FALSE(game.OpenNamedPuzzle(File("locked.puz")));
    EXPECT_EQ(host.messages.back().text.rfind("This file is not a valid crossword: locked.puz", 0),
              0u);
    EXPECT_EQ(game.puzzlePath, File("tiny.puz"));

    // Create mode edits only what Create mode made.
    game.settings.createMode = true;
    host.openPaths.push_back(File("tiny.puz"));
    EXPECT_FALSE(game.OpenCreatedPuzzle(std::nullopt));
    EXPECT_EQ(host.messages.back().text, "Crossword cannot be edited");
}

TEST_F(GameOwnClues, AFileNamedAtStartOpensForPlayFromEitherMode)
{
    WriteBytes(File("given.ipuz"), SerializeIpuz(testing::MakeOwnPuzzle(kRows, kClues, kInfo)));
    game.ToggleMode();
    ASSERT_TRUE(game.CreateMode());
    ASSERT_TRUE(game.OpenNamedPuzzle(File("given.ipuz")));
    EXPECT_FALSE(game.CreateMode());
    EXPECT_EQ(host.Title(), "given.ipuz - Quillby");
    EXPECT_EQ(game.puzzlePath, File("given.ipuz"));
    EXPECT_EQ(game.clueList.Lines()[2], "3) Soaked [3]");
}

}  // namespace
}  // namespace quillby

namespace quillby {
namespace {

TEST_F(GameOwnClues, ADamagedOwnClueAutosaveIsKeptAsideAndTheOtherAutosaveStandsIn)
{
    // A damaged volatile_own.ipuz was dropped without a word and written over at quit.
    MakePuzzle(kRows);
    WriteBytes(game.paths.PlayAutosave(), SerializePuzzle(game.crossword, 0, Clock{}, false));
    game.crossword.SetGridSize(1, 1);
    const std::string own = game.paths.OwnAutosave();
    const std::vector<std::byte> garbage = {std::byte{'{'}, std::byte{'"'}, std::byte{'x'}};
    WriteBytes(own, garbage);
    game.RestorePlay(false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Failed to load");
    EXPECT_NE(host.messages[0].text.find("kept as " + own + ".damaged"), std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(ReadBytes(own + ".damaged"), garbage);
    EXPECT_TRUE(game.UsesClueStores());
    EXPECT_EQ(GridRows(game.crossword)[0], "CAT");  // volatile.crs stands in

    // The next own-clue autosave starts afresh beside it.
    OpenTiny("tiny.puz");
    Type(0, 2, "WE");
    game.SaveOnExit();
    EXPECT_TRUE(ParseIpuz(ReadBytes(own)));
    EXPECT_EQ(ReadBytes(own + ".damaged"), garbage);
}

TEST_F(GameOwnClues, SomethingElseInTheOwnAutosavesPlaceIsNeverWrittenNorRemoved)
{
    MakePuzzle(kRows);
    WriteBytes(File("plain.crs"), SerializePuzzle(game.crossword, 0, Clock{}, false));
    const std::string own = game.paths.OwnAutosave();
    std::filesystem::create_directory(own);
    game.RestorePlay(false);
    game.RestorePlay(false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("left as it is"), std::string::npos);
    OpenTiny("tiny.puz");
    Type(0, 2, "WE");
    EXPECT_FALSE(game.SafetyAutosave());
    EXPECT_FALSE(game.AutosavePlay());
    // A puzzle from the clue stores autosaved as volatile.crs leaves the folder alone too.
    ASSERT_TRUE(game.OpenPuzzle(File("plain.crs"), false));
    EXPECT_TRUE(game.AutosavePlay());
    EXPECT_TRUE(std::filesystem::is_directory(own));
}

TEST_F(GameOwnClues, AFailedSaveInEitherFormatStopsOpenNewResetAndQuit)
{
    // When the save asked for before Open, New Puzzle, Reset or Quit failed for a .puz or
    // .ipuz, the puzzle was replaced or left all the same, and its letters were lost.
    MakePuzzle(kRows);
    WriteBytes(File("other.crs"), SerializePuzzle(game.crossword, 0, Clock{}, false));
    OpenTiny("tiny.ipuz");
    Type(0, 2, "WE");
    ASSERT_TRUE(game.modified);
    // A folder where the puzzle's own file was: saving to it fails.
    std::filesystem::remove(File("tiny.ipuz"));
    std::filesystem::create_directory(File("tiny.ipuz"));
    const std::string nowhere = File("no-such-folder/copy.puz");

    host.replies = {Reply::Yes};
    host.openPaths = {File("other.crs")};
    EXPECT_FALSE(game.OpenPuzzle(std::nullopt, false));
    EXPECT_EQ(host.openPaths.size(), 1u);  // the Open dialog never came
    host.openPaths.clear();

    host.replies = {Reply::Yes};
    host.savePaths = {nowhere};
    EXPECT_EQ(game.PromptSaveBeforeNew(), SaveChoice::Aborted);
    host.replies = {Reply::Yes};
    host.savePaths = {nowhere};
    game.ResetPuzzle();
    host.replies = {Reply::Yes};
    EXPECT_FALSE(game.CloseRequested());

    // Turning down a .crs, which would lose the puzzle's own clues, stops the reset too.
    host.replies = {Reply::Yes, Reply::No};
    host.savePaths = {File("copy.crs")};
    game.ResetPuzzle();
    EXPECT_FALSE(std::filesystem::exists(File("copy.crs")));

    EXPECT_EQ(GridRows(game.crossword, true)[2], "WE.");
    EXPECT_FALSE(game.UsesClueStores());
    EXPECT_TRUE(game.modified);
    for (const auto& message : host.messages) {
        EXPECT_NE(message.caption, "Failed to load") << message.text;
    }
}

}  // namespace
}  // namespace quillby
