#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game/start_arguments.h"

namespace quillby {
namespace {

std::string ErrorOf(const std::vector<std::string>& args)
{
    const auto parsed = ParseStartArguments(args);
    return parsed ? "" : parsed.Error();
}

TEST(StartArguments, TakesOnePuzzleFileAndRefusesTheRest)
{
    EXPECT_FALSE(ParseStartArguments({})->puzzleFile);
    EXPECT_EQ(ParseStartArguments(std::vector<std::string>{"sunday.puz"})->puzzleFile,
              "sunday.puz");
    EXPECT_EQ(ParseStartArguments(std::vector<std::string>{"--", "-odd.ipuz"})->puzzleFile,
              "-odd.ipuz");
    EXPECT_EQ(ParseStartArguments(std::vector<std::string>{"-"})->puzzleFile, "-");
    EXPECT_EQ(ErrorOf({"--frobnicate"}), "unknown option \"--frobnicate\" (usage: quillby [FILE])");
    EXPECT_EQ(ErrorOf({"a.puz", "b.puz"}),
              "one puzzle file at a time, please (usage: quillby [FILE])");
    EXPECT_EQ(ErrorOf({""}), "a puzzle file needs a name");
}

}  // namespace
}  // namespace quillby
