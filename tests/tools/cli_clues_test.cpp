#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/clues/clue_store.h"
#include "support/temp_app_folder.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::JsonLines;
using testing::RunCli;

class CliClues : public ::testing::Test {
protected:
    testing::TempAppFolder folder;
    std::string path = folder.Data("clues.b");

    void SetUp() override
    {
        ClueStore store;
        ASSERT_TRUE(store.AddRecord({.question = "Feline", .answer = "CAT", .rotation = 1}));
        ASSERT_TRUE(store.AddRecord({.question = "Farm animal", .answer = "COW"}));
        ASSERT_TRUE(
            store.AddRecord({.question = "Mouser", .answer = "CAT", .extra = 9, .solved = 1}));
        ASSERT_TRUE(store.AddRecord({.question = "Pet that purrs", .answer = "CAT"}));
        ASSERT_TRUE(
            store.AddRecord({.question = "Up and about", .answer = "ASTIR", .rotation = 1}));
        ASSERT_TRUE(store.AddRecord({.question = "Doubtful", .answer = "UNCERTAIN"}));
        ASSERT_TRUE(store.Save(path).Ok());
    }
};

TEST_F(CliClues, PrintsAWordsRecordsInStoreOrderMarkingTheCurrentOne)
{
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"clues", "cat", "--file", path}, out, err), 0) << err;
    const auto lines = JsonLines(out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], nlohmann::json({{"question", "Feline"},
                                        {"answer", "CAT"},
                                        {"solved", false},
                                        {"rotation", 1},
                                        {"current", false}}));
    EXPECT_EQ(lines[1]["solved"], true);
    EXPECT_EQ(lines[1]["current"], false);
    EXPECT_EQ(lines[2]["question"], "Pet that purrs");
    EXPECT_EQ(lines[2]["current"], true);  // the newest with rotation 0

    ASSERT_EQ(RunCli({"clues", "DOG", "--file", path}, out, err), 0);
    EXPECT_TRUE(out.empty());
}

TEST_F(CliClues, StatsCountRecordsByAnswerLength)
{
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"clues", "--stats", "--file", path}, out, err), 0) << err;
    const auto stats = nlohmann::json::parse(out);
    EXPECT_EQ(stats["records"], 6);
    EXPECT_EQ(stats["byLength"], nlohmann::json::parse(R"({"3": {"total": 4, "unsolved": 3},
        "5": {"total": 1, "unsolved": 1}, "9": {"total": 1, "unsolved": 1}})"));
    // Lengths are listed in numeric order.
    EXPECT_LT(out.find("\"5\""), out.find("\"9\""));
}

TEST_F(CliClues, RefusesADamagedOrMissingFileWithOneLine)
{
    auto bytes = testing::ReadBytes(path);
    bytes.resize(bytes.size() - 3);
    testing::WriteBytes(path, bytes);
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"clues", "--stats", "--file", path}, out, err), 1);
    EXPECT_EQ(err, path + ": ends inside record 6\n");
    EXPECT_TRUE(out.empty());

    EXPECT_EQ(RunCli({"clues", "CAT", "--file", folder.Data("none.b")}, out, err), 1);
    EXPECT_NE(err.find("none.b"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    EXPECT_EQ(RunCli({"clues"}, out, err), 2);
    EXPECT_EQ(RunCli({"clues", "CAT", "--stats"}, out, err), 2);
}

}  // namespace
}  // namespace quillby
