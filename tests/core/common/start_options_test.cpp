#include <gtest/gtest.h>

#include "core/common/start_options.h"

namespace quillby {
namespace {

Result<StartOptions> Parse(std::vector<std::string> args)
{
    return ParseStartOptions(args);
}

TEST(StartOptions, ReadsTheGamesOwnOptionsAndPassesTheRestOn)
{
    auto options = Parse({});
    ASSERT_TRUE(options.Ok());
    EXPECT_FALSE(options->version || options->help || options->updateFrom);
    EXPECT_TRUE(options->rest.empty());

    options = Parse({"--update-data", "/usr/share/quillby", "/home/p/puzzle.crs"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->updateFrom, "/usr/share/quillby");
    EXPECT_EQ(options->rest, (std::vector<std::string>{"/home/p/puzzle.crs"}));

    options = Parse({"--update-data=/opt/q", "--version", "-h", "-style", "x"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->updateFrom, "/opt/q");
    EXPECT_TRUE(options->version);
    EXPECT_TRUE(options->help);
    // Anything else is left for the game as before (Qt's own options included).
    EXPECT_EQ(options->rest, (std::vector<std::string>{"-style", "x"}));

    // After "--" a file may be called anything.
    options = Parse({"--", "--version", "--update-data"});
    ASSERT_TRUE(options.Ok());
    EXPECT_FALSE(options->version);
    EXPECT_EQ(options->rest.size(), 2u);

    for (const auto& bad :
         {std::vector<std::string>{"--update-data"}, std::vector<std::string>{"--update-data", ""},
          std::vector<std::string>{"--update-data="}}) {
        options = Parse(bad);
        ASSERT_FALSE(options.Ok());
        EXPECT_EQ(options.Error(), "--update-data needs the shipped folder");
    }
    EXPECT_NE(StartUsage().find("--update-data DIR"), std::string::npos);
}

TEST(StartOptions, TakesTheFirstFileAsThePuzzleToOpen)
{
    auto options = Parse({"--update-data", "/usr/share/quillby", "/home/p/sunday.puz"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->puzzleFile, "/home/p/sunday.puz");
    EXPECT_EQ(options->ignoredFiles, 0);
    options = Parse({"-style", "a.ipuz", "b.crs"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->puzzleFile, "a.ipuz");  // an unknown option is not a file
    EXPECT_EQ(options->ignoredFiles, 1);
    options = Parse({"--", "-odd.ipuz"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->puzzleFile, "-odd.ipuz");
    options = Parse({"", "x.puz"});
    ASSERT_TRUE(options.Ok());
    EXPECT_EQ(options->puzzleFile, "x.puz");  // an empty argument names nothing
    EXPECT_FALSE(Parse({"--version"})->puzzleFile);
    EXPECT_NE(StartUsage().find("[FILE]"), std::string::npos);
}

}  // namespace
}  // namespace quillby
