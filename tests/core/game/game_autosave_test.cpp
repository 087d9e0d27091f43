#include <gtest/gtest.h>

#include <filesystem>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/grids.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::GridRows;
using testing::ReadBytes;
using testing::WriteBytes;

namespace fs = std::filesystem;

const std::vector<std::byte> kGarbage{std::byte{'n'}, std::byte{'o'}, std::byte{'t'},
                                      std::byte{' '}, std::byte{'a'}, std::byte{' '},
                                      std::byte{'c'}, std::byte{'r'}, std::byte{'s'}};

// A game whose default puzzle is CAT / O#A / WET.
class GameAutosave : public GameFixture {
protected:
    void SetUp() override
    {
        MakePuzzle({"CAT", "O#A", "WET"});
        WriteBytes(game.paths.DefaultPuzzle(), SerializePuzzle(game.crossword, 0, {}, false));
        game.crossword.SetGridSize(1, 1);
    }
};

TEST_F(GameAutosave, ADamagedPlayAutosaveIsNamedOnceAndKeptAside)
{
    // A damaged volatile.crs (truncated, random bytes, 200 MB) was dropped without a word and
    // written over at quit: the saved game was gone.
    const std::string autosave = game.paths.PlayAutosave();
    WriteBytes(autosave, kGarbage);
    game.RestorePlay(false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Failed to load");
    EXPECT_NE(host.messages[0].text.find("kept as " + autosave + ".damaged"), std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(ReadBytes(autosave + ".damaged"), kGarbage);
    EXPECT_EQ(GridRows(game.crossword)[0], "CAT");  // the default puzzle stands in

    // The next autosave starts afresh beside it; a later damaged one never replaces it.
    game.SaveOnExit();
    ASSERT_TRUE(game.OpenPuzzle(autosave, false));
    auto truncated = ReadBytes(autosave);
    truncated.pop_back();
    WriteBytes(autosave, truncated);
    game.RestorePlay(false);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(ReadBytes(autosave + ".damaged"), kGarbage);
    EXPECT_EQ(ReadBytes(autosave + ".2.damaged"), truncated);
}

TEST_F(GameAutosave, ADamagedCreatorAutosaveIsKeptAsideToo)
{
    const std::string autosave = game.paths.CreateAutosave();
    WriteBytes(autosave, kGarbage);
    game.settings.createMode = true;
    game.settings.creatorInstructionsOff = true;
    game.EnterCreator(true, 11);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(ReadBytes(autosave + ".damaged"), kGarbage);
    EXPECT_EQ(game.crossword.width, 11);  // a fresh lattice
    game.AutosaveCreate();
    EXPECT_TRUE(ReadPuzzleFile(autosave));
    EXPECT_EQ(ReadBytes(autosave + ".damaged"), kGarbage);
}

TEST_F(GameAutosave, SomethingElseInAnAutosavesPlaceIsNamedOnceAndNeverReplaced)
{
    const std::string autosave = game.paths.PlayAutosave();
    fs::create_directory(autosave);
    WriteBytes(autosave + "/inside", kGarbage);
    game.RestorePlay(false);
    game.RestorePlay(false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("not a regular file"), std::string::npos);
    EXPECT_NE(host.messages[0].text.find("left as it is"), std::string::npos);
    game.modified = true;
    EXPECT_FALSE(game.AutosavePlay());
    EXPECT_FALSE(game.SafetyAutosave());
    EXPECT_EQ(ReadBytes(autosave + "/inside"), kGarbage);
}

TEST_F(GameAutosave, ASoundAutosaveOfTheWrongKindIsNotTakenForDamage)
{
    // A generated puzzle in the creator's file is refused with its own message, not moved.
    const std::string autosave = game.paths.CreateAutosave();
    fs::copy_file(game.paths.DefaultPuzzle(), autosave);
    game.settings.createMode = true;
    game.RestoreCreate();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Crossword cannot be edited");
    EXPECT_TRUE(fs::exists(autosave));
    EXPECT_FALSE(fs::exists(autosave + ".damaged"));
}

}  // namespace
}  // namespace quillby
