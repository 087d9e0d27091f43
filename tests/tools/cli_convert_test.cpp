#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cli.h"
#include "core/clues/clue_store.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"
#include "support/grids.h"
#include "support/puzzles.h"
#include "support/temp_app_folder.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::RunCli;
using testing::WriteBytes;

class CliConvert : public ::testing::Test {
protected:
    testing::TempAppFolder folder;
    std::string out;
    std::string err;

    std::string File(const std::string& name) const { return folder.Path() + "/" + name; }
    int Run(std::vector<std::string> args) { return RunCli(std::move(args), out, err); }
    // A generated-looking 3 x 3 .crs with a guess and a clock, its clues in the folder's store.
    void WriteCrs(const std::string& name)
    {
        Crossword crossword;
        testing::SetGrid(crossword, {"CAT", "O#A", "WET"});
        crossword.BuildAnswerList();
        crossword.NumberSquares();
        crossword.SquareAt(0, 0)->guess = 'C';
        WriteBytes(File(name), SerializePuzzle(crossword, 0, {0, 1, 5, 65}, false));
        ClueStore store;
        for (const auto& [question, answer] :
             {std::pair{"Feline pet", "CAT"}, {"Dairy animal", "COW"}, {"Soaked", "WET"}}) {
            ASSERT_TRUE(store.AddClue(question, answer));
        }
        ASSERT_TRUE(store.Save(folder.Data("eng_clues.b")));
    }
};

TEST_F(CliConvert, ShowReadsEveryFormatWithThePuzzlesOwnClues)
{
    const OwnPuzzle puzzle = testing::MakeOwnPuzzle(
        {"CAT", "O#A", "WET"}, {"<i>Feline</i> pet", "Dairy animal", "Tattoo, briefly", "Soaked"},
        {"Tiny", "A. Setter", "", ""});
    WriteBytes(File("tiny.ipuz"), SerializeIpuz(puzzle));
    ASSERT_EQ(Run({"show", File("tiny.ipuz")}), 0) << err;
    const auto json = nlohmann::json::parse(out);
    EXPECT_EQ(json["title"], "Tiny");
    EXPECT_EQ(json["author"], "A. Setter");
    EXPECT_EQ(json["solution"], nlohmann::json({"CAT", "O#A", "WET"}));
    ASSERT_EQ(json["clues"].size(), 4u);
    EXPECT_EQ(
        json["clues"][0],
        nlohmann::json({{"number", 1}, {"direction", "across"}, {"text", "<i>Feline</i> pet"}}));
    EXPECT_EQ(json["clues"][1]["number"], 3);
    EXPECT_EQ(json["clues"][2],
              nlohmann::json({{"number", 1}, {"direction", "down"}, {"text", "Dairy animal"}}));
    WriteBytes(File("tiny.puz"), SerializePuz(puzzle));
    ASSERT_EQ(Run({"show", File("tiny.puz")}), 0) << err;
    EXPECT_EQ(nlohmann::json::parse(out)["clues"][0]["text"], "Feline pet");

    // A .crs carries no clues of its own: no clues, title or author.
    WriteCrs("plain.crs");
    ASSERT_EQ(Run({"show", File("plain.crs")}), 0) << err;
    EXPECT_FALSE(nlohmann::json::parse(out).contains("clues"));
}

TEST_F(CliConvert, ConvertsByExtensionTakingACrsFilesCluesFromTheStores)
{
    WriteCrs("start.crs");
    ASSERT_EQ(Run({"convert", File("start.crs"), File("mid.puz"), "--data", folder.Path() + "/data",
                   "--title", "Small", "--author", "Me"}),
              0)
        << err;
    const Result<OwnPuzzle> mid = ParsePuz(ReadBytes(File("mid.puz")));
    ASSERT_TRUE(mid) << mid.Error();
    EXPECT_EQ(mid->own.Find(1, kAcross)->text, "Feline pet");
    EXPECT_EQ(mid->own.Find(2, kDown)->text, "");  // TAT has no clue in the store
    EXPECT_EQ(mid->own.info.title, "Small");
    EXPECT_EQ(mid->own.info.author, "Me");
    EXPECT_EQ(mid->clock.ticks, 65);

    ASSERT_EQ(Run({"convert", File("mid.puz"), File("mid.ipuz")}), 0) << err;
    ASSERT_EQ(Run({"convert", File("mid.ipuz"), File("end.crs")}), 0) << err;
    EXPECT_NE(err.find("cannot hold the puzzle's own clues"), std::string::npos);
    ASSERT_EQ(Run({"show", File("start.crs")}), 0);
    auto start = nlohmann::json::parse(out);
    ASSERT_EQ(Run({"show", File("end.crs")}), 0);
    auto end = nlohmann::json::parse(out);
    for (const char* field : {"solution", "guesses", "numbers", "clock", "completed", "answers"}) {
        EXPECT_EQ(start[field], end[field]) << field;
    }
}

TEST_F(CliConvert, RefusesWhatItCannotReadOrWrite)
{
    WriteBytes(File("bad.puz"), std::vector<std::byte>(60, std::byte{7}));
    EXPECT_EQ(Run({"convert", File("bad.puz"), File("x.ipuz")}), 1);
    EXPECT_EQ(err, "This file is not a valid crossword: " + File("bad.puz") +
                       " is not an Across Lite .puz file\n");
    EXPECT_EQ(Run({"show", File("bad.puz")}), 1);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    WriteCrs("start.crs");
    EXPECT_EQ(Run({"convert", File("start.crs"), File("x.txt")}), 2);
    EXPECT_EQ(Run({"convert", File("start.crs"), File("x.crs"), "--title", "T"}), 2);
    EXPECT_EQ(Run({"convert", File("start.crs")}), 2);
    // Without the clue files a .crs has no clues to give.
    EXPECT_EQ(Run({"convert", File("start.crs"), File("x.puz"), "--data", File("nowhere")}), 1);
    EXPECT_NE(err.find("nowhere/eng_clues.b: not found"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(File("x.puz")));
}

}  // namespace
}  // namespace quillby
