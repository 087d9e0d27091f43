#include <gtest/gtest.h>

#include <filesystem>

#include "core/common/folder_lock.h"
#include "core/common/version.h"
#include "support/temp_app_folder.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::RunCli;

TEST(CliUpdateData, BringsAFolderUpToDateWithTheBuiltData)
{
    testing::TempAppFolder player;
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"update-data", QUILLBY_SHIPPED_DIR, player.Path()}, out, err), 0) << err;
    const auto report = nlohmann::json::parse(out);
    EXPECT_NE(report["added"].dump().find("data/eng_dawg"), std::string::npos) << out;
    EXPECT_NE(report["added"].dump().find("data/stamp"), std::string::npos) << out;
    EXPECT_TRUE(report["notices"].empty());
    EXPECT_EQ(testing::ReadBytes(player.Data("eng_clues.b")),
              testing::ReadBytes(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b"));

    // The same data again: nothing to do.
    ASSERT_EQ(RunCli({"update-data", QUILLBY_SHIPPED_DIR, player.Path()}, out, err), 0);
    EXPECT_EQ(nlohmann::json::parse(out)["replaced"].size(), 0u);

    EXPECT_EQ(RunCli({"update-data", player.Path() + "/no-such-folder", player.Path()}, out, err),
              1);
    EXPECT_NE(err.find("no data/stamp"), std::string::npos) << err;
    EXPECT_EQ(RunCli({"update-data"}, out, err), 2);
}

TEST(CliUpdateData, WaitsForTheGameRunningInTheFolder)
{
    // An update while a game ran in the folder replaced the clue file under the game, which
    // then wrote its own copy back over the update at quit.
    testing::TempAppFolder player;
    {
        FolderLock game(player.Path());
        ASSERT_TRUE(game.Acquire());
        std::string out;
        std::string err;
        EXPECT_EQ(RunCli({"update-data", QUILLBY_SHIPPED_DIR, player.Path()}, out, err), 1);
        EXPECT_NE(err.find("Quillby is running in this folder"), std::string::npos) << err;
        EXPECT_FALSE(std::filesystem::exists(player.Data("stamp")));
        EXPECT_TRUE(game.Held());
    }
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"update-data", QUILLBY_SHIPPED_DIR, player.Path()}, out, err), 0) << err;
    EXPECT_TRUE(std::filesystem::exists(player.Data("stamp")));
}

TEST(CliUpdateData, PrintsTheVersion)
{
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"--version"}, out, err), 0);
    EXPECT_EQ(out, "quillby-cli " + std::string(kQuillbyVersion) + "\n");
    ASSERT_EQ(RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.find("update-data SHIPPED [DIR]"), std::string::npos);
    EXPECT_NE(out.find("--version"), std::string::npos);
}

}  // namespace
}  // namespace quillby
