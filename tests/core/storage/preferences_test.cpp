#include "core/storage/preferences.h"

#include <gtest/gtest.h>

#include <string>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::ReadBytes;
using testing::TempAppFolder;
using testing::WriteBytes;

std::vector<std::byte> Bytes(const std::string& text)
{
    const auto* data = reinterpret_cast<const std::byte*>(text.data());
    return {data, data + text.size()};
}

std::string Text(const std::vector<std::byte>& bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(Preferences, EveryChoiceWritesAsReadableLinesAndReadsBack)
{
    TempAppFolder folder;
    const std::string path = folder.Data("preferences.ini");
    EXPECT_EQ(LoadPreferences(path).preferences, Preferences{});  // missing: the defaults
    EXPECT_TRUE(LoadPreferences(path).problems.empty());

    Preferences chosen;
    chosen.keyboard = KeyboardStyle::Modern;
    chosen.skipFilledSquares = true;
    chosen.showMistakes = true;
    chosen.modernMenus = true;
    chosen.desktopColours = true;
    chosen.squarePitch = 48;
    chosen.sizeChoice = 3;  // a size another dialog may offer: kept as a number
    chosen.mainWindow = ScreenPlace{-1200, 40};
    chosen.clueWindow = ScreenPlace{900, 60};
    ASSERT_TRUE(SavePreferences(path, chosen));
    const std::string text = Text(ReadBytes(path));
    for (const char* line :
         {"\nkeyboard = modern\n", "\nskipFilledSquares = yes\n", "\nshowMistakesAsYouType = yes\n",
          "\nmenus = modern\n", "\ndesktopColourScheme = yes\n", "\nsquareSize = 48\n",
          "\nsizeChoice = 3\n", "\nmainWindow = -1200, 40\n", "\nclueWindow = 900, 60\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    const ReadPreferences read = LoadPreferences(path);
    EXPECT_EQ(read.preferences, chosen);
    EXPECT_TRUE(read.problems.empty());
}

TEST(Preferences, DamagedValuesFallBackToTheirDefaultsAndAreNamedByLine)
{
    const ReadPreferences read = ParsePreferences(
        "# a comment\r\n"
        "keyboard = modern\r\n"
        "squareSize = 7000\n"
        "squareSize = 60\n"
        "showMistakesAsYouType = sometimes\n"
        "this line has no equals sign\n"
        "   \n"
        "mainWindow = 10\n"
        "futureKey = kept as it is\n"
        "menus=MODERN\n");
    EXPECT_EQ(read.preferences.keyboard, KeyboardStyle::Modern);
    EXPECT_EQ(read.preferences.squarePitch, 60);  // the later good line wins
    EXPECT_FALSE(read.preferences.showMistakes);
    EXPECT_FALSE(read.preferences.mainWindow.has_value());
    EXPECT_TRUE(read.preferences.modernMenus);
    ASSERT_EQ(read.problems.size(), 4u);
    EXPECT_EQ(read.problems[0], "line 3: squareSize is \"7000\", not a whole number from 24 to 72");
    EXPECT_EQ(read.problems[1], "line 5: showMistakesAsYouType is \"sometimes\", not yes or no");
    EXPECT_EQ(read.problems[2],
              "line 6: \"this line has no equals sign\" is not a \"key = value\" line");
    EXPECT_EQ(read.problems[3], "line 8: mainWindow is \"10\", not x, y");

    // A bad value after a good one gives the default, not the earlier value.
    EXPECT_EQ(ParsePreferences("squareSize = 60\nsquareSize = big\n").preferences.squarePitch,
              kActualSquarePitch);

    // Unknown keys are written back, so a newer version's choices are not lost.
    const std::string written = FormatPreferences(read.preferences);
    EXPECT_NE(written.find("\nfutureKey = kept as it is\n"), std::string::npos);
    EXPECT_EQ(ParsePreferences(written).preferences, read.preferences);
    EXPECT_TRUE(ParsePreferences(written).problems.empty());
}

TEST(Preferences, BinaryOrOversizedFilesGiveTheDefaultsWithOneProblem)
{
    TempAppFolder folder;
    const std::string path = folder.Data("preferences.ini");
    WriteBytes(path, std::vector<std::byte>(kMaxPreferencesBytes + 1, std::byte{'x'}));
    ReadPreferences read = LoadPreferences(path);
    EXPECT_EQ(read.preferences, Preferences{});
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0], "the file is larger than 64 KiB");

    WriteBytes(path, {std::byte{0}, std::byte{0xff}, std::byte{'='}, std::byte{0x80}});
    read = LoadPreferences(path);
    EXPECT_EQ(read.preferences.keyboard, KeyboardStyle::Classic);
    EXPECT_EQ(read.preferences.unknown.size(), 1u);  // a strange key is kept, not obeyed

    const std::string message =
        PreferencesMessage(path, {"line 1: a", "line 2: b", "line 3: c", "line 4: d", "line 5: e",
                                  "line 6: f", "line 7: g"});
    EXPECT_NE(message.find(path), std::string::npos);
    EXPECT_NE(message.find("line 5: e"), std::string::npos);
    EXPECT_EQ(message.find("line 6: f"), std::string::npos);
    EXPECT_NE(message.find("and 2 more"), std::string::npos);
    EXPECT_EQ(PreferencesMessage(path, {}), "");
}

using GamePreferences = GameFixture;

TEST_F(GamePreferences, ADamagedFileGivesOneMessageNamingItAndLeavesTheSettingsFileAlone)
{
    const std::vector<std::byte> settings = {std::byte{0}, std::byte{1}, std::byte{0},
                                             std::byte{2}, std::byte{0}, std::byte{0},
                                             std::byte{0}, std::byte{0}};
    WriteBytes(folder.Data("settings.dat"), settings);
    WriteBytes(folder.Data("preferences.ini"),
               Bytes("keyboard = dvorak\nsizeChoice = 0\nsquareSize = 48\n"));
    game.LoadState();
    EXPECT_EQ(game.Prefs().keyboard, KeyboardStyle::Classic);
    EXPECT_EQ(game.Prefs().squarePitch, 48);
    EXPECT_EQ(game.sizeChoice, 0);  // the New Puzzle size is remembered
    EXPECT_NE(game.PreferencesProblem().find(folder.Data("preferences.ini")), std::string::npos);
    EXPECT_NE(game.PreferencesProblem().find("line 1: keyboard is \"dvorak\""), std::string::npos);
    EXPECT_EQ(game.settings.colourScheme, 2);

    game.sizeChoice = 1;
    game.RunCommand(CommandId::ZoomIn);
    game.SaveOnExit();
    EXPECT_EQ(ReadBytes(folder.Data("settings.dat")), settings);  // the 8 bytes as they were
    const ReadPreferences saved = LoadPreferences(folder.Data("preferences.ini"));
    EXPECT_TRUE(saved.problems.empty());
    EXPECT_EQ(saved.preferences.sizeChoice, 1);
    EXPECT_EQ(saved.preferences.squarePitch, 54);
}

TEST_F(GamePreferences, ZoomStepsStayWithinTheSizesAndActualSizeComesBack)
{
    EXPECT_EQ(Game::ZoomStep(36, 1), 42);
    EXPECT_EQ(Game::ZoomStep(36, -1), 30);
    EXPECT_EQ(Game::ZoomStep(72, 1), 72);
    EXPECT_EQ(Game::ZoomStep(24, -1), 24);
    EXPECT_EQ(Game::ZoomStep(40, 1), 42);  // a size typed in the dialog joins the steps
    EXPECT_EQ(Game::ZoomStep(40, -1), 36);
    EXPECT_EQ(Game::ZoomStep(60, 0), 36);

    for (int i = 0; i < 10; ++i) {
        game.RunCommand(CommandId::ZoomOut);
    }
    EXPECT_EQ(game.Prefs().squarePitch, kMinSquarePitch);
    EXPECT_FALSE(game.StateOf(CommandId::ZoomOut).enabled);
    EXPECT_TRUE(game.StateOf(CommandId::ZoomIn).enabled);
    game.RunCommand(CommandId::ActualSize);
    EXPECT_EQ(game.Prefs().squarePitch, kActualSquarePitch);
}

}  // namespace
}  // namespace quillby
