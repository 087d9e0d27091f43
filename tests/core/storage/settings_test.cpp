#include "core/storage/settings.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::TempAppFolder;
using testing::WriteBytes;

TEST(Settings, WritesTheEightBytesAndReadsThemBack)
{
    TempAppFolder folder;
    const std::string path = folder.Data("settings.dat");
    EXPECT_EQ(LoadSettings(path), Settings{});  // missing: defaults
    const Settings chosen{.createMode = true,
                          .printUserSquares = true,
                          .printSolution = true,
                          .colourScheme = 2,
                          .creatorInstructionsOff = true};
    ASSERT_TRUE(SaveSettings(path, chosen));
    const std::vector<std::byte> expected = {std::byte{1}, std::byte{1}, std::byte{1},
                                             std::byte{2}, std::byte{0}, std::byte{0},
                                             std::byte{0}, std::byte{1}};
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(LoadSettings(path), chosen);
}

TEST(Settings, AShortFileSetsOnlyTheFieldsItCovers)
{
    TempAppFolder folder;
    const std::string path = folder.Data("settings.dat");
    WriteBytes(path, {std::byte{1}, std::byte{0}, std::byte{1}, std::byte{3}, std::byte{0}});
    const Settings loaded = LoadSettings(path);
    EXPECT_TRUE(loaded.createMode);
    EXPECT_TRUE(loaded.printSolution);
    EXPECT_EQ(loaded.colourScheme, 0);  // the 32-bit field is cut short
    EXPECT_FALSE(loaded.creatorInstructionsOff);
}

TEST(Settings, AnUnwritableFolderFailsAndTheLogHasItsHeader)
{
    EXPECT_FALSE(SaveSettings("/nonexistent-folder/settings.dat", Settings{}));
    TempAppFolder folder;
    const std::string log = folder.Path() + "/check.txt";
    ASSERT_TRUE(StartLog(log));
    ASSERT_TRUE(StartLog(log));  // truncated, not appended
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Log File Initialised\n**************************\n\n");
}

}  // namespace
}  // namespace quillby
