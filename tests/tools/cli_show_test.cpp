#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/storage/puzzle_file.h"
#include "support/grids.h"
#include "support/temp_app_folder.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::RunCli;

TEST(CliShow, PrintsThePuzzleAsJson)
{
    testing::TempAppFolder folder;
    Crossword crossword;
    testing::SetGrid(crossword, {"CAT", "O#A", "WET"});
    crossword.BuildAnswerList();
    crossword.NumberSquares();
    crossword.SquareAt(1, 0)->guess = 'A';
    const std::string path = folder.Path() + "/p.crs";
    testing::WriteBytes(
        path,
        SerializePuzzle(crossword, 0, {.hours = 1, .minutes = 2, .seconds = 3, .ticks = 4}, false));
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"show", path}, out, err), 0) << err;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["width"], 3);
    EXPECT_EQ(json["userMade"], false);
    EXPECT_EQ(json["clock"]["ticks"], 4);
    EXPECT_EQ(json["solution"], nlohmann::json({"CAT", "O#A", "WET"}));
    EXPECT_EQ(json["guesses"], nlohmann::json({".A.", ".#.", "..."}));
    EXPECT_EQ(json["numbers"][0], nlohmann::json({1, 0, 2}));
    ASSERT_EQ(json["answers"].size(), 4u);
    EXPECT_EQ(json["answers"][0]["direction"], "down");
    EXPECT_EQ(json["answers"][0]["word"], "COW");
    EXPECT_EQ(json["answers"][3]["number"], 2);
}

TEST(CliShow, RefusesABadFileWithOneLineAndStatusOne)
{
    testing::TempAppFolder folder;
    const std::string path = folder.Path() + "/bad.crs";
    testing::WriteBytes(path, std::vector<std::byte>(40, std::byte{1}));
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"show", path}, out, err), 1);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find(path), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.find("show FILE.crs"), std::string::npos);
}

}  // namespace
}  // namespace quillby
