#include <gtest/gtest.h>

#include <filesystem>

#include "core/game/game.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;
using testing::WriteBytes;

class GameSession : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};

    void MakePuzzle()
    {
        SetGrid(game.crossword, {"CAT", "O#A", "WET"});
        game.crossword.BuildAnswerList();
        game.crossword.SetAnswersFromGrid();
        game.crossword.NumberSquares();
    }
};

TEST_F(GameSession, SafetyAutosaveWritesOnlyChangedModifiedPlayAndKeepsTheDocumentState)
{
    MakePuzzle();
    const std::string autosave = folder.Data("volatile.crs");
    EXPECT_FALSE(game.SafetyAutosave());  // nothing played yet
    EXPECT_FALSE(std::filesystem::exists(autosave));

    game.puzzlePath = folder.Path() + "/sunday.crs";
    game.modified = true;
    game.crossword.SquareAt(0, 0)->guess = 'C';
    game.clock.seconds = 12;
    ASSERT_TRUE(game.SafetyAutosave());
    EXPECT_EQ(game.puzzlePath, folder.Path() + "/sunday.crs");  // the named file stays named
    EXPECT_TRUE(game.modified);                                 // and still asks on quit
    EXPECT_TRUE(host.titles.empty());
    EXPECT_FALSE(game.SafetyAutosave());  // nothing changed since

    // A restart restores exactly what was played before the kill.
    ScriptedHost otherHost;
    Game restarted{otherHost, folder.Path()};
    restarted.RestorePlay(false);
    EXPECT_EQ(restarted.crossword.SquareAt(0, 0)->guess, 'C');
    EXPECT_EQ(restarted.clock.seconds, 12);
}

TEST_F(GameSession, SafetyAutosaveInCreateModeWritesTheCreatorFile)
{
    MakePuzzle();
    game.settings.createMode = true;
    game.modified = true;
    game.clock.seconds = 40;
    ASSERT_TRUE(game.SafetyAutosave());
    EXPECT_FALSE(std::filesystem::exists(folder.Data("volatile.crs")));
    EXPECT_TRUE(std::filesystem::exists(folder.Data("volatile_cre.crs")));
    EXPECT_EQ(game.clock.seconds, 40);  // the game's own clock is not touched
    ASSERT_TRUE(game.OpenCreatedPuzzle(folder.Data("volatile_cre.crs")));
}

TEST_F(GameSession, MissingDataFilesAreNamedWithHowToBuildThem)
{
    EXPECT_EQ(game.MissingDataFiles().size(), 5u);
    const std::string message = game.MissingDataMessage();
    EXPECT_NE(message.find("data/eng_dawg"), std::string::npos);
    EXPECT_NE(message.find("data/11x11"), std::string::npos);
    EXPECT_NE(message.find("cmake --build build"), std::string::npos);

    for (const char* name : {"eng_dawg", "eng_clues.b", "9x9", "11x11", "eng_default.crs"}) {
        WriteBytes(folder.Data(name), {std::byte{0}});
    }
    EXPECT_TRUE(game.MissingDataFiles().empty());
    EXPECT_TRUE(game.MissingDataMessage().empty());
}

TEST_F(GameSession, ExitBeforeTheDataIsBuiltCreatesNoEmptyClueFiles)
{
    // Quitting a game started without data used to leave empty clue files, which the build
    // then took for its own output and never replaced.
    game.LoadState();
    game.SaveOnExit();
    EXPECT_FALSE(std::filesystem::exists(folder.Data("eng_clues.b")));
    EXPECT_FALSE(std::filesystem::exists(folder.Data("output_user.b")));

    ASSERT_TRUE(game.userClues.AddClue("Feline", "CAT"));
    game.SaveOnExit();
    EXPECT_TRUE(std::filesystem::exists(folder.Data("output_user.b")));
}

TEST_F(GameSession, StartUpRemovesTheTemporaryFilesOfAKilledSave)
{
    // A kill during a save left its temporary file behind for good (a 6 MB copy of the clue
    // file among them).
    const std::vector<std::byte> bytes{std::byte{1}};
    for (const char* name :
         {"eng_clues.b.tmpQ1w2E3", "volatile.crs.tmpabcdef", "mine.crs", "notes.tmp"}) {
        WriteBytes(folder.Data(name), bytes);
    }
    game.LoadState();
    EXPECT_FALSE(std::filesystem::exists(folder.Data("eng_clues.b.tmpQ1w2E3")));
    EXPECT_FALSE(std::filesystem::exists(folder.Data("volatile.crs.tmpabcdef")));
    EXPECT_TRUE(std::filesystem::exists(folder.Data("mine.crs")));
    EXPECT_TRUE(std::filesystem::exists(folder.Data("notes.tmp")));
}

TEST_F(GameSession, ADamagedWordGraphIsNamedAtStartUp)
{
    // A damaged word graph was only reported when New Puzzle ran.
    WriteBytes(folder.Data("eng_dawg"), {std::byte{5}, std::byte{0}, std::byte{0}, std::byte{0}});
    game.LoadState();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Failed to load");
    EXPECT_NE(host.messages[0].text.find("eng_dawg"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find("new puzzles cannot be generated"), std::string::npos);

    // A missing one is left to the message that names every missing file.
    std::filesystem::remove(folder.Data("eng_dawg"));
    ScriptedHost otherHost;
    Game other{otherHost, folder.Path()};
    other.LoadState();
    EXPECT_TRUE(otherHost.messages.empty());
}

TEST_F(GameSession, SaveOnExitAutosavesTheModeAndWritesTheSettings)
{
    MakePuzzle();
    game.settings.colourScheme = 3;
    game.crossword.SquareAt(2, 0)->guess = 'T';
    game.SaveOnExit();
    EXPECT_EQ(ReadBytes(folder.Data("settings.dat")).size(), 8u);
    Game restarted{host, folder.Path()};
    restarted.LoadState();
    EXPECT_EQ(restarted.settings.colourScheme, 3);
    restarted.RestorePlay(false);
    EXPECT_EQ(restarted.crossword.SquareAt(2, 0)->guess, 'T');
}

}  // namespace
}  // namespace quillby
