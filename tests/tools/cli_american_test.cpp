#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/clues/clue_clash.h"
#include "support/temp_app_folder.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::JsonLines;
using testing::RunCli;

const std::string kShipped = std::string(QUILLBY_SHIPPED_DIR) + "/data";

// A fully checked 13 x 13 pattern of short entries, which the clued words fill readily.
const std::vector<std::string> kChecked13{
    "....#....#...", "....#....#...", "....#....#...", ".......#.....", "###...#...###",
    ".....#.......", "....#...#....", ".......#.....", "###...#...###", ".....#.......",
    "...#....#....", "...#....#....", "...#....#...."};

// The fully checked sizes generate as the Original ones do, from the shipped words: one JSON
// line a puzzle, the same for the same seed, no answer twice, and no clue holding another
// answer of its puzzle.
TEST(ShippedAmericanGenerate, GivesTheSamePuzzlesForASeedWithSoundAnswers)
{
    testing::TempAppFolder folder;
    for (const char* name : {"eng_dawg", "eng_clues.b"}) {
        std::filesystem::copy_file(kShipped + "/" + name, folder.Data(name));
    }
    std::vector<std::byte> squares;
    for (const std::string& row : kChecked13) {
        for (const char c : row) {
            squares.push_back(c == '.' ? std::byte{1} : std::byte{0});
        }
    }
    testing::WriteBytes(folder.Data("13x13"), squares);
    std::string out;
    std::string err;
    const std::vector<std::string> args{"generate", "--size", "13",
                                        "--seed",   "7",      "--count",
                                        "2",        "--data", folder.Path() + "/data"};
    ASSERT_EQ(RunCli(args, out, err), 0) << err;
    auto lines = JsonLines(out);
    std::string again;
    ASSERT_EQ(RunCli(args, again, err), 0) << err;
    auto linesAgain = JsonLines(again);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(linesAgain.size(), 2u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].erase("millis");
        linesAgain[i].erase("millis");
        EXPECT_EQ(lines[i], linesAgain[i]);
        std::set<std::string> words;
        for (const auto& answer : lines[i]["answers"]) {
            words.insert(answer["word"].get<std::string>());
        }
        EXPECT_EQ(words.size(), lines[i]["answers"].size());
        for (const auto& answer : lines[i]["answers"]) {
            const std::string clue = answer["clue"].get<std::string>();
            EXPECT_FALSE(clue.empty());
            for (const std::string& word : words) {
                EXPECT_TRUE(word == answer["word"] || !ClueHoldsWord(clue, word))
                    << clue << " holds " << word;
            }
        }
    }
    EXPECT_NE(lines[0]["answers"], lines[1]["answers"]);
}

}  // namespace
}  // namespace quillby
