#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::ReadBytes;
using testing::WriteBytes;

class GameDocument : public GameFixture {
protected:
    std::string File(const std::string& name) const { return folder.Path() + "/" + name; }
};

TEST_F(GameDocument, SaveAsksForANameOnceThenWritesBackSilently)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    game.modified = true;
    game.clock = {.hours = 1, .minutes = 2, .seconds = 3, .ticks = 3723};
    host.savePaths.push_back(File("sunday.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));
    EXPECT_EQ(game.puzzlePath, File("sunday.crs"));
    EXPECT_EQ(host.Title(), "sunday.crs - Quillby");
    EXPECT_FALSE(game.modified);
    EXPECT_EQ(ReadBytes(File("sunday.crs")).size(), 29u + 27u * 9u);

    game.crossword.SquareAt(0, 0)->guess = 'C';
    ASSERT_TRUE(game.SavePuzzle(false));  // no dialog queued: none may be shown
    game.crossword.SquareAt(0, 0)->guess = 0;
    game.clock = {};
    ASSERT_TRUE(game.OpenPuzzle(File("sunday.crs"), false));
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 'C');
    EXPECT_EQ(game.clock.hours, 1);
    EXPECT_EQ(game.clock.ticks, 3723);
    EXPECT_EQ(game.crossword.answers.size(), 4u);
}

TEST_F(GameDocument, SpecialNamesAreWrittenButNotRemembered)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    host.savePaths.push_back(game.paths.PlayAutosave());
    ASSERT_TRUE(game.SavePuzzle(true));
    EXPECT_TRUE(game.puzzlePath.empty());
    EXPECT_TRUE(host.titles.empty());  // an autosave path leaves the title alone

    host.savePaths.push_back(game.paths.DefaultPuzzle());
    ASSERT_TRUE(game.SavePuzzle(false));  // the path was cleared, so it asks again
    EXPECT_TRUE(game.puzzlePath.empty());
    EXPECT_EQ(host.Title(), "eng_default.crs - Quillby");
    EXPECT_TRUE(std::filesystem::exists(game.paths.DefaultPuzzle()));
}

TEST_F(GameDocument, OnlyTheApplicationFoldersOwnPathsAreSpecial)
{
    // "default" or "volatile" anywhere in a path made it an autosave: a save to
    // ~/defaults/mine.crs forgot its name, and when it failed nobody was told.
    MakePuzzle({"CAT", "O#A", "WET"});
    std::filesystem::create_directories(File("defaults"));
    host.savePaths.push_back(File("defaults/mine.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));
    EXPECT_EQ(game.puzzlePath, File("defaults/mine.crs"));
    EXPECT_EQ(host.Title(), "mine.crs - Quillby");

    host.savePaths.push_back(File("volatile/mine.crs"));  // no such folder
    EXPECT_FALSE(game.SavePuzzle(true));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Save failed");
    EXPECT_EQ(game.puzzlePath, File("defaults/mine.crs"));
}

TEST_F(GameDocument, AFailedSaveAsKeepsTheNameAndTitleItHad)
{
    // After a Save As that failed, the title showed the new name and the next Save went to it.
    MakePuzzle({"CAT", "O#A", "WET"});
    host.savePaths.push_back(File("good.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));
    game.modified = true;
    host.savePaths.push_back(File("missing/new.crs"));
    EXPECT_FALSE(game.SavePuzzle(true));
    EXPECT_EQ(game.puzzlePath, File("good.crs"));
    EXPECT_EQ(host.Title(), "good.crs - Quillby");
    EXPECT_TRUE(game.modified);
    ASSERT_TRUE(game.SavePuzzle(false));  // the old name, without a dialog
}

TEST_F(GameDocument, ASaveThatDoesNotHappenStopsOpenNewResetAndQuit)
{
    // Yes to "save first?" followed by a cancelled file dialog or a failed write let Open, New
    // and Reset replace the unsaved puzzle anyway, and Quit close the game.
    MakePuzzle({"CAT", "O#A", "WET"});
    game.crossword.SquareAt(0, 0)->guess = 'C';
    const std::optional<std::string> cancelled;
    const std::optional<std::string> unwritable = File("no-such-folder/mine.crs");
    for (const auto& savedTo : {cancelled, unwritable}) {
        SCOPED_TRACE(savedTo.value_or("cancelled"));
        host.messages.clear();
        game.modified = true;
        auto answerYesThenSaveTo = [&] {
            host.replies = {Reply::Yes};
            host.savePaths = {savedTo};
        };
        answerYesThenSaveTo();
        EXPECT_FALSE(game.OpenPuzzle(std::nullopt, false));  // no Open dialog follows
        answerYesThenSaveTo();
        game.RunCommand(CommandId::NewPuzzle);
        EXPECT_TRUE(host.sizeDialogsOpenedWith.empty());
        answerYesThenSaveTo();
        game.ResetPuzzle();
        answerYesThenSaveTo();
        EXPECT_FALSE(game.QueryQuit());

        EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 'C');
        EXPECT_TRUE(game.modified);
        EXPECT_TRUE(host.savePaths.empty());
        // A failed write says so each time; a cancelled dialog needs no word.
        const std::size_t prompts = 4;
        EXPECT_EQ(host.messages.size(), savedTo ? 2 * prompts : prompts);
    }
    EXPECT_EQ(host.messages[0].text, "Do you want to save your puzzle before loading?");
    EXPECT_EQ(host.messages[1].caption, "Save failed");
}

TEST_F(GameDocument, OpenPromptsBeforeLoadingAModifiedPuzzle)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    host.savePaths.push_back(File("first.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));
    MakePuzzle({"DOG", "A#P", "BAT"});
    host.savePaths.push_back(File("second.crs"));
    ASSERT_TRUE(game.SavePuzzle(true));

    // Cancel: nothing happens.
    game.modified = true;
    host.replies = {Reply::Cancel};
    EXPECT_FALSE(game.OpenPuzzle(std::nullopt, false));
    EXPECT_EQ(GridRows(game.crossword)[0], "DOG");

    // No: loads without saving, and modified stays as it was.
    host.replies = {Reply::No};
    host.openPaths.push_back(File("first.crs"));
    ASSERT_TRUE(game.OpenPuzzle(std::nullopt, false));
    EXPECT_EQ(GridRows(game.crossword)[0], "CAT");
    EXPECT_TRUE(game.modified);
    EXPECT_EQ(host.Title(), "first.crs - Quillby");

    // Yes: saves to the current file first, then loads.
    game.crossword.SquareAt(1, 0)->guess = 'A';
    host.replies = {Reply::Yes};
    host.openPaths.push_back(File("second.crs"));
    ASSERT_TRUE(game.OpenPuzzle(std::nullopt, false));
    EXPECT_EQ(GridRows(game.crossword)[0], "DOG");
    ASSERT_TRUE(game.OpenPuzzle(File("first.crs"), false));
    EXPECT_EQ(game.crossword.SquareAt(1, 0)->guess, 'A');

    for (const auto& message : host.messages) {
        EXPECT_EQ(message.text, "Do you want to save your puzzle before loading?");
        EXPECT_EQ(message.caption, "Save your puzzle?");
    }
}

TEST_F(GameDocument, ARefusedFileLeavesThePuzzlePathAndTitleUntouched)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    host.savePaths.push_back(File("good.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));
    auto bytes = ReadBytes(File("good.crs"));
    bytes.pop_back();
    WriteBytes(File("short.crs"), bytes);
    game.crossword.SquareAt(0, 0)->guess = 'X';

    host.openPaths.push_back(File("short.crs"));
    EXPECT_FALSE(game.OpenPuzzle(std::nullopt, false));
    ASSERT_EQ(host.messages.size(), 1u);
    // The message names the file and says what is wrong with it.
    EXPECT_EQ(host.messages[0].text,
              "This file is not a valid crossword: short.crs is 271 bytes long instead of 272");
    EXPECT_EQ(host.messages[0].caption, "Failed to load");
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 'X');
    EXPECT_EQ(game.puzzlePath, File("good.crs"));
    EXPECT_EQ(host.Title(), "good.crs - Quillby");

    // Fixed paths fail silently so the fallbacks can run.
    EXPECT_FALSE(game.OpenPuzzle(File("short.crs"), false));
    EXPECT_FALSE(game.OpenPuzzle(File("missing.crs"), false));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(game.crossword.width, 3);
}

TEST_F(GameDocument, CreateModeRefusesGeneratedPuzzlesAndSavesAsUserMade)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    game.clock = {.hours = 0, .minutes = 5, .seconds = 1, .ticks = 301};
    game.completed = true;
    host.savePaths.push_back(File("generated.crs"));
    ASSERT_TRUE(game.SavePuzzle(false));

    game.settings.createMode = true;
    game.puzzlePath.clear();
    MakePuzzle({"DOG", "A#P", "BAT"});
    host.openPaths.push_back(File("generated.crs"));
    EXPECT_FALSE(game.OpenCreatedPuzzle(std::nullopt));
    EXPECT_EQ(host.messages.back().text, "Crossword cannot be edited");
    EXPECT_EQ(GridRows(game.crossword)[0], "DOG");
    EXPECT_EQ(host.Title(), "Untitled - Create Crossword");

    host.savePaths.push_back(File("mine.crs"));
    ASSERT_TRUE(game.SaveCreatedPuzzle(false));
    EXPECT_EQ(game.clock, Clock{});
    const auto bytes = ReadBytes(File("mine.crs"));
    EXPECT_EQ(bytes[0], std::byte{1});
    EXPECT_EQ(bytes.back(), std::byte{0});

    game.settings.createMode = false;
    ASSERT_TRUE(game.OpenPuzzle(File("mine.crs"), false));
    EXPECT_EQ(game.userMade, 1);
    EXPECT_FALSE(game.completed);
}

TEST_F(GameDocument, RestorePlayFallsBackToTheDefaultWithItsClockCleared)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    game.clock = {.hours = 2, .minutes = 0, .seconds = 0, .ticks = 7200};
    host.savePaths.push_back(game.paths.DefaultPuzzle());
    ASSERT_TRUE(game.SavePuzzle(false));
    game.crossword.SetGridSize(1, 1);

    game.RestorePlay(false);
    EXPECT_EQ(GridRows(game.crossword)[0], "CAT");
    EXPECT_EQ(game.clock, Clock{});

    game.crossword.SquareAt(0, 0)->guess = 'C';
    game.AutosavePlay();
    EXPECT_TRUE(game.puzzlePath.empty());
    game.crossword.SquareAt(0, 0)->guess = 0;
    game.RestorePlay(false);
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 'C');
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameDocument, QuitPromptOnlyForUnsavedUnfinishedPuzzles)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    EXPECT_TRUE(game.QueryQuit());  // not modified
    game.modified = true;
    game.completed = true;
    EXPECT_TRUE(game.QueryQuit());
    EXPECT_TRUE(host.messages.empty());

    game.completed = false;
    host.replies = {Reply::Cancel, Reply::No, Reply::Yes};
    EXPECT_FALSE(game.QueryQuit());
    EXPECT_TRUE(game.QueryQuit());
    host.savePaths.push_back(File("kept.crs"));
    EXPECT_TRUE(game.QueryQuit());
    EXPECT_TRUE(std::filesystem::exists(File("kept.crs")));
    EXPECT_EQ(host.messages[0].text, "Do you want to save your puzzle before quitting?");
}

TEST_F(GameDocument, AFailedSaveIsReportedAndKeepsTheOldFileAndTheModifiedMark)
{
    MakePuzzle({"CAT", "O#A", "WET"});
    game.modified = true;
    host.savePaths.push_back(File("no-such-folder/puzzle.crs"));
    EXPECT_FALSE(game.SavePuzzle(false));
    EXPECT_TRUE(game.modified);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("puzzle.crs"), std::string::npos);

    std::filesystem::create_directory(game.paths.PlayAutosave());
    EXPECT_FALSE(game.AutosavePlay());  // autosaves fail quietly
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(GameDocument, AnAutosaveThatCannotBeWrittenAtQuitIsSaidAndOffersAnotherName)
{
    // With a folder where volatile.crs belongs (or a full disk), quitting with "No" lost the
    // progress without a word.
    MakePuzzle({"CAT", "O#A", "WET"});
    std::filesystem::create_directory(game.paths.PlayAutosave());
    game.crossword.SquareAt(0, 0)->guess = 'C';
    game.modified = true;

    host.replies = {Reply::No, Reply::Cancel};
    EXPECT_FALSE(game.CloseRequested());  // stays
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].caption, "Autosave failed");
    EXPECT_NE(host.messages[1].text.find("volatile.crs"), std::string::npos);
    EXPECT_EQ(host.messages[1].buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(game.modified);

    host.replies = {Reply::No, Reply::Yes};
    host.savePaths = {std::nullopt};  // Save As cancelled: still stays
    EXPECT_FALSE(game.CloseRequested());
    host.replies = {Reply::No, Reply::Yes};
    host.savePaths = {File("rescued.crs")};
    EXPECT_TRUE(game.CloseRequested());
    ASSERT_TRUE(game.OpenPuzzle(File("rescued.crs"), false));
    EXPECT_EQ(game.crossword.SquareAt(0, 0)->guess, 'C');

    // No quits without it; nothing unsaved quits without a word.
    game.modified = true;
    host.replies = {Reply::No, Reply::No};
    EXPECT_TRUE(game.CloseRequested());
    host.messages.clear();
    game.modified = false;
    EXPECT_TRUE(game.CloseRequested());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameDocument, TitleTakesTheNameAfterEitherSeparator)
{
    game.puzzlePath = "C:\\puzzles\\sunday.crs";
    game.UpdateTitle();
    EXPECT_EQ(host.Title(), "sunday.crs - Quillby");
    game.puzzlePath = "/home/me/monday.crs";
    game.settings.createMode = true;
    game.UpdateTitle();
    EXPECT_EQ(host.Title(), "monday.crs - Create Crossword");
    game.puzzlePath.clear();
    game.settings.createMode = false;
    game.UpdateTitle();
    EXPECT_EQ(host.Title(), "Untitled - Quillby");
}

}  // namespace
}  // namespace quillby
