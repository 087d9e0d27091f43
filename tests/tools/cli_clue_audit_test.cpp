#include <gtest/gtest.h>

#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::RunCli;

const std::string kShipped = std::string(QUILLBY_SHIPPED_DIR) + "/data";

TEST(CliClueAudit, ReportsTheFiguresOfGeneratedPuzzlesAndASample)
{
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"clue-audit", "--size", "9", "--count", "3", "--seed", "5", "--data",
                      kShipped, "--sample", "12"},
                     out, err),
              0)
        << err << out;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["puzzles"], 3);
    EXPECT_EQ(json["conflicts"], 0);
    EXPECT_TRUE(json["clean"].get<bool>());
    const auto& pairs = json["puzzlePairs"];
    EXPECT_GT(pairs["pairs"].get<int>(), 30);
    EXPECT_EQ(pairs["leaks"], 0);
    EXPECT_EQ(pairs["breakfastAnswers"], 0);
    EXPECT_EQ(pairs["kindOf"], 0.0);
    EXPECT_LT(pairs["overSixWords"].get<double>(), 0.2);
    EXPECT_GT(json["store"]["words"].get<int>(), 40000);
    ASSERT_EQ(json["sample"].size(), 12u);
    for (const auto& pair : json["sample"]) {
        EXPECT_FALSE(pair["answer"].get<std::string>().empty());
        EXPECT_FALSE(pair["clue"].get<std::string>().empty());
    }
    // The plain list is the same sample, one pair a line, and the seed fixes it.
    std::string plain;
    ASSERT_EQ(RunCli({"clue-audit", "--size", "9", "--count", "3", "--seed", "5", "--data",
                      kShipped, "--sample", "12", "--plain"},
                     plain, err),
              0);
    const std::string first = json["sample"][0]["answer"].get<std::string>() + "\t" +
                              json["sample"][0]["clue"].get<std::string>() + "\n";
    EXPECT_EQ(plain.substr(0, first.size()), first);
    EXPECT_EQ(std::count(plain.begin(), plain.end(), '\n'), 12);
}

TEST(CliClueAudit, RefusesBadArguments)
{
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"clue-audit", "--size", "7"}, out, err), 2);
    EXPECT_NE(err.find("usage: quillby-cli clue-audit"), std::string::npos);
    EXPECT_EQ(RunCli({"clue-audit", "--count", "none"}, out, err), 2);
    EXPECT_EQ(RunCli({"clue-audit", "--data", "/nonexistent", "--count", "1"}, out, err), 1);
}

}  // namespace
}  // namespace quillby
