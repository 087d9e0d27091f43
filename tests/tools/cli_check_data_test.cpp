#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"
#include "core/wordgraph/dawg_writer.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

int RunCli(std::vector<std::string> args, nlohmann::json& json)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::Main(args, out, err);
    json = nlohmann::json::parse(out.str());
    return status;
}

bool AnyProblemMentions(const nlohmann::json& json, const std::string& text)
{
    for (const auto& problem : json["problems"]) {
        if (problem.get<std::string>().find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST(CliCheckData, FindsTheBuiltDataSound)
{
    nlohmann::json json;
    const int status = RunCli({"check-data", QUILLBY_SHIPPED_DIR}, json);
    EXPECT_EQ(status, 0) << json["problems"].dump(2);
    EXPECT_TRUE(json["problems"].empty());
    EXPECT_GE(json["words"]["total"].get<int>(), 40000);
    EXPECT_EQ(json["words"]["total"], json["clues"]["wordsWithClue"]);
    EXPECT_GE(json["clues"]["records"].get<int>(), json["clues"]["wordsWithClue"].get<int>());
    EXPECT_GE(json["templates"]["9"].get<int>(), 30);
    EXPECT_GE(json["templates"]["11"].get<int>(), 30);
    EXPECT_GT(json["fill"]["11"]["successRate"].get<double>(), 0.25);
}

TEST(CliCheckData, ReportsMissingFilesAndLeakingCluesWithoutCrashing)
{
    testing::TempAppFolder folder;
    nlohmann::json json;
    EXPECT_EQ(RunCli({"check-data", folder.Path()}, json), 1);
    EXPECT_FALSE(json["problems"].empty());
    EXPECT_EQ(json["words"]["total"], 0);

    // A two-word graph whose second word's clue gives it away.
    DawgRecords graph = BuildDawgRecords(std::vector<std::string>{"CAT", "DOG"});
    ASSERT_TRUE(WriteDawgFile(folder.Data("eng_dawg"), graph).Ok());
    ClueStore clues;
    clues.AddRecord({"Small feline", "CAT", 0, 0, 0});
    clues.AddRecord({"A dog's life", "DOG", 0, 0, 0});
    clues.AddRecord({"Hound", "DOG", 0, 0, 2});
    ASSERT_TRUE(clues.Save(folder.Data("eng_clues.b")).Ok());
    EXPECT_EQ(RunCli({"check-data", folder.Path()}, json), 1);
    EXPECT_EQ(json["words"]["total"], 2);
    EXPECT_EQ(json["words"]["byLength"]["3"], 2);
    EXPECT_TRUE(AnyProblemMentions(json, "gives its answer away"));
    EXPECT_TRUE(AnyProblemMentions(json, "rotations of DOG"));
    EXPECT_TRUE(AnyProblemMentions(json, "9x9"));
}

TEST(CliCheckData, RefusesAWordGraphWithBytesAfterItsLastEdge)
{
    // A word graph with 200 MB of zeros after its last edge record passed the check.
    testing::TempAppFolder folder;
    std::vector<std::byte> graph = SerializeDawg(BuildDawgRecords(std::vector<std::string>{"CAT"}));
    nlohmann::json json;
    testing::WriteBytes(folder.Data("eng_dawg"), graph);
    RunCli({"check-data", folder.Path()}, json);
    EXPECT_FALSE(AnyProblemMentions(json, "bytes follow"));
    graph.resize(graph.size() + 1000, std::byte{0});
    testing::WriteBytes(folder.Data("eng_dawg"), graph);
    EXPECT_EQ(RunCli({"check-data", folder.Path()}, json), 1);
    EXPECT_TRUE(AnyProblemMentions(json, "eng_dawg: 1000 bytes follow the last edge record"))
        << json["problems"].dump(2);
}

TEST(CliCheckData, ChecksTheFillWordListAgainstTheGraphAndTheClues)
{
    testing::TempAppFolder folder;
    DawgRecords graph = BuildDawgRecords(std::vector<std::string>{"CAT", "DOG"});
    ASSERT_TRUE(WriteDawgFile(folder.Data("eng_dawg"), graph).Ok());
    ClueStore clues;
    clues.AddRecord({"Small feline", "CAT", 0, 0, 0});
    clues.AddRecord({"Hound", "DOG", 0, 0, 0});
    clues.AddRecord({"Glacial period", "ICEAGE", 0, 0, 0});
    ASSERT_TRUE(clues.Save(folder.Data("eng_clues.b")).Ok());
    nlohmann::json json;
    RunCli({"check-data", folder.Path()}, json);
    EXPECT_TRUE(AnyProblemMentions(json, "eng_fill_words"));
    // The phrase is clued but not in the graph: it counts apart from the graph's words.
    EXPECT_EQ(json["clues"]["wordsWithClue"], 2);
    EXPECT_EQ(json["clues"]["fillOnlyAnswers"], 1);

    // DOG missing from the list, and an entry without a clue.
    FillWordList list;
    list.words = {{"CAT", 90}, {"ICEAGE", 60}, {"ZEBRA", 40}};
    testing::WriteBytes(folder.Data("eng_fill_words"), SerializeFillWords(list));
    RunCli({"check-data", folder.Path()}, json);
    EXPECT_TRUE(AnyProblemMentions(json, "eng_fill_words: 1 words of the graph are missing"))
        << json["problems"].dump(2);
    EXPECT_TRUE(AnyProblemMentions(json, "eng_fill_words: 1 entries have no current unsolved"));
    EXPECT_EQ(json["fillWords"]["total"], 3);
    EXPECT_EQ(json["fillWords"]["familiar"], 2);
    EXPECT_EQ(json["fillWords"]["byLength"]["6"], 1);

    list.words = {{"CAT", 90}, {"DOG", 80}, {"ICEAGE", 60}};
    testing::WriteBytes(folder.Data("eng_fill_words"), SerializeFillWords(list));
    RunCli({"check-data", folder.Path()}, json);
    EXPECT_FALSE(AnyProblemMentions(json, "eng_fill_words")) << json["problems"].dump(2);
}

}  // namespace
}  // namespace quillby
