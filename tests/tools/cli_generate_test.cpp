#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/common/file_io.h"
#include "core/wordgraph/dawg_writer.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::JsonLines;
using testing::RunCli;

using testing::TempAppFolder;

// A 9 x 9 template whose only answers are the lattice in its top left corner.
std::vector<std::string> LatticeIn9x9()
{
    return testing::LatticeInCorner(9);
}

std::vector<nlohmann::json> WithoutMillis(std::vector<nlohmann::json> lines)
{
    for (auto& line : lines) {
        line.erase("millis");
    }
    return lines;
}

TEST(CliWords, ListsTheQueryReportsInOrder)
{
    TempAppFolder folder;
    const std::string path = folder.Data("eng_dawg");
    ASSERT_TRUE(WriteDawgFile(path, BuildDawgRecords(std::vector<std::string>{"CAT", "COT", "CUT",
                                                                              "DOG", "CATS"}))
                    .Ok());
    std::string out;
    std::string err;
    // The coin starts at 1: 41 (odd, forward) and 18467 (start at the root's edge 1 of 2, D)
    // at the root, then 6334 (even) at C, so C's edges run U, O, A.
    ASSERT_EQ(RunCli({"words", "c*t", "--dawg", path}, out, err), 0) << err;
    EXPECT_EQ(out, "CUT\nCOT\nCAT\n");
    ASSERT_EQ(RunCli({"words", "***", "--dawg", path, "--all"}, out, err), 0);
    EXPECT_EQ(out, "CAT\nCOT\nCUT\nDOG\n");
    EXPECT_EQ(RunCli({"words", "C-T", "--dawg", path}, out, err), 2);
    EXPECT_EQ(RunCli({"words", "C*T", "--dawg", folder.Data("none")}, out, err), 1);
    EXPECT_NE(err.find("cannot load the word graph"), std::string::npos);
}

TEST(CliGenerate, TheSameSeedGivesTheSameOutput)
{
    TempAppFolder folder;
    testing::WriteWorldFiles(folder.Path(), testing::LatticeWords(5, 400), 9, {LatticeIn9x9()});
    const std::vector<std::string> args{"generate", "--size", "9",
                                        "--seed",   "1234",   "--count",
                                        "3",        "--data", folder.Path() + "/data"};
    const auto before = testing::ReadBytes(folder.Data("eng_clues.b"));
    std::string first;
    std::string second;
    std::string err;
    ASSERT_EQ(RunCli(args, first, err), 0) << err;
    ASSERT_EQ(RunCli(args, second, err), 0) << err;
    const auto lines = JsonLines(first);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(WithoutMillis(lines), WithoutMillis(JsonLines(second)));
    EXPECT_EQ(testing::ReadBytes(folder.Data("eng_clues.b")), before);  // never written back

    const nlohmann::json& puzzle = lines[0];
    EXPECT_EQ(puzzle["seed"], 1234);
    EXPECT_EQ(puzzle["attempts"], 1);
    EXPECT_EQ(puzzle["template"], 0);
    EXPECT_EQ(puzzle["width"], 9);
    ASSERT_EQ(puzzle["answers"].size(), 6u);
    for (const auto& answer : puzzle["answers"]) {
        EXPECT_EQ(answer["clue"], "Clue for " + answer["word"].get<std::string>());
    }
    EXPECT_NE(lines[0]["solution"], lines[1]["solution"]);

    std::string other;
    std::vector<std::string> otherSeed = args;
    otherSeed[4] = "99";
    ASSERT_EQ(RunCli(otherSeed, other, err), 0);
    EXPECT_NE(JsonLines(other)[0]["solution"], puzzle["solution"]);
}

TEST(CliGenerate, WritesThePuzzleThatShowReadsBack)
{
    TempAppFolder folder;
    testing::WriteWorldFiles(folder.Path(), testing::LatticeWords(5, 400), 9, {LatticeIn9x9()});
    const std::string crs = folder.Path() + "/out.crs";
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"generate", "--size", "9", "--seed", "8", "--data", folder.Path() + "/data",
                      "--out", crs},
                     out, err),
              0)
        << err;
    std::string shown;
    ASSERT_EQ(RunCli({"show", crs}, shown, err), 0) << err;
    nlohmann::json generated = JsonLines(out)[0];
    for (const char* key : {"seed", "attempts", "template", "millis"}) {
        generated.erase(key);
    }
    for (auto& answer : generated["answers"]) {
        answer.erase("clue");
    }
    EXPECT_EQ(generated, nlohmann::json::parse(shown));
}

TEST(CliGenerate, ReportsFailureWhenNoTemplateFills)
{
    TempAppFolder folder;
    testing::WriteWorldFiles(folder.Path(), {"ABC"}, 9, {LatticeIn9x9()});
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"generate", "--size", "9", "--seed", "1", "--max-attempts", "20", "--data",
                      folder.Path() + "/data"},
                     out, err),
              1);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("20 attempts"), std::string::npos) << err;
    EXPECT_EQ(RunCli({"generate", "--size", "10", "--data", folder.Path() + "/data"}, out, err), 2);
    EXPECT_EQ(RunCli({"generate", "--size", "11", "--data", folder.Path() + "/data"}, out, err), 1);
    EXPECT_NE(err.find("11x11"), std::string::npos) << err;
}

TEST(CliFreshness, ReportsVarietyOverManyPuzzles)
{
    TempAppFolder folder;
    testing::WriteWorldFiles(folder.Path(), testing::LatticeWords(5, 400), 9, {LatticeIn9x9()});
    const auto before = testing::ReadBytes(folder.Data("eng_clues.b"));
    std::string out;
    std::string err;
    ASSERT_EQ(RunCli({"freshness", "--size", "9", "--count", "20", "--data",
                      folder.Path() + "/data", "--reference"},
                     out, err),
              0)
        << err;
    const auto report = nlohmann::json::parse(out);
    EXPECT_EQ(report["count"], 20);
    EXPECT_EQ(report["anyTwoIdentical"], false);
    EXPECT_LE(report["largestSharedAnswerShare"].get<double>(), 1.0);
    EXPECT_EQ(report["initials"].size(), 26u);
    EXPECT_GT(report["initials"]["A"]["wordList"].get<double>(), 0.1);
    EXPECT_TRUE(report["initialsOverTarget"].is_array());
    // The yardstick fill ran on the same templates and is reported the same way.
    EXPECT_EQ(report["referenceFill"]["anyTwoIdentical"], false);
    EXPECT_GT(report["initials"]["A"]["referenceFill"].get<double>(), 0.0);
    EXPECT_TRUE(report["initialsOverReferenceFill"].is_array());
    // The clue file is only read.
    EXPECT_EQ(testing::ReadBytes(folder.Data("eng_clues.b")), before);

    // A run surveyed after puzzles made first: a different run of the same seed's puzzles.
    ASSERT_EQ(RunCli({"freshness", "--size", "9", "--count", "20", "--after", "20", "--data",
                      folder.Path() + "/data"},
                     out, err),
              0)
        << err;
    const auto after = nlohmann::json::parse(out);
    EXPECT_EQ(after["after"], 20);
    std::vector<double> shares;
    std::vector<double> sharesAfter;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        shares.push_back(report["initials"][std::string(1, letter)]["puzzles"]);
        sharesAfter.push_back(after["initials"][std::string(1, letter)]["puzzles"]);
    }
    EXPECT_NE(shares, sharesAfter);
    EXPECT_EQ(
        RunCli({"freshness", "--size", "9", "--after", "-1", "--data", folder.Path() + "/data"},
               out, err),
        2);
}

}  // namespace
}  // namespace quillby
