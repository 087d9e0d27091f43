#include <gtest/gtest.h>

#include <filesystem>

#include "core/clues/clue_store.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::JsonLines;
using testing::RunCli;
using testing::TempAppFolder;

const std::string kReplacement = "\xef\xbf\xbd";  // U+FFFD in UTF-8

TEST(CliOutput, TextThatIsNotUtf8IsPrintedInsteadOfEndingTheProgram)
{
    // check-data on a folder whose name is not UTF-8 ended quillby-cli with an uncaught
    // exception while printing its report (found by fuzz_cli_args), and so did generate on a
    // clue file written in another encoding.
    TempAppFolder folder;
    const std::string latin1 = folder.Path() + "/caf\xe9";
    std::filesystem::create_directories(latin1 + "/data");
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"check-data", latin1}, out, err), 1);
    const auto report = nlohmann::json::parse(out);
    EXPECT_FALSE(report["problems"].empty());
    EXPECT_NE(out.find("caf" + kReplacement), std::string::npos);

    testing::WriteWorldFiles(folder.Path(), testing::LatticeWords(5, 400), 9,
                             {testing::LatticeInCorner(9)});
    ClueStore clues;
    ASSERT_TRUE(clues.Load(folder.Data("eng_clues.b")));
    ClueStore latinClues;
    for (ClueRecord record : clues.Records()) {
        record.question += " caf\xe9";
        ASSERT_TRUE(latinClues.AddRecord(record));
    }
    ASSERT_TRUE(latinClues.Save(folder.Data("eng_clues.b")));
    ASSERT_EQ(RunCli({"generate", "--size", "9", "--seed", "1", "--data", folder.Path() + "/data"},
                     out, err),
              0)
        << err;
    const auto lines = JsonLines(out);
    ASSERT_EQ(lines.size(), 1u);
    const std::string clue = lines[0]["answers"][0]["clue"];
    EXPECT_TRUE(clue.ends_with(" caf" + kReplacement)) << clue;
}

}  // namespace
}  // namespace quillby
