#include <gtest/gtest.h>

#include "core/generator/recent_answers.h"

namespace quillby {
namespace {

std::string RefusalOf(const std::string& text)
{
    const auto parsed = ParseRecentAnswers(text);
    return parsed ? std::string("accepted") : parsed.Error();
}

TEST(RecentAnswers, KeepsTheNewestPuzzlesAndReadsBackAsWritten)
{
    RecentAnswers recent;
    auto longWord = [](std::size_t i) {
        return std::string(3 + i % 13, static_cast<char>('A' + i % 26));
    };
    for (std::size_t i = 0; i < RecentAnswers::kPuzzles + 3; ++i) {
        recent.Add({"SEE", longWord(i)});
    }
    ASSERT_EQ(recent.Size(), RecentAnswers::kPuzzles);
    // Newest first; the three oldest are forgotten.
    EXPECT_EQ(recent.Puzzle(0)[1], longWord(RecentAnswers::kPuzzles + 2));
    EXPECT_EQ(recent.Puzzle(RecentAnswers::kPuzzles - 1)[1], longWord(3));
    EXPECT_EQ(recent.Newest(2).size(), 4u);
    EXPECT_EQ(recent.Newest(RecentAnswers::kPuzzles + 100).size(), 2 * RecentAnswers::kPuzzles);
    EXPECT_EQ(recent.UsedAtLeast(RecentAnswers::kPuzzles), std::vector<std::string>{"SEE"});
    recent.Add({});
    // A hand-edited file may name an answer twice in a puzzle: a likeness is still a share
    // (the fuzzer found 2.0).
    RecentAnswers twice;
    twice.Add({"OOO", "OOO"});
    EXPECT_DOUBLE_EQ(twice.LargestShare({"OOO"}), 1.0);
    EXPECT_DOUBLE_EQ(twice.LargestShare({"OOO", "SEE"}), 1.0);
    EXPECT_DOUBLE_EQ(twice.LargestShare({"SEE"}), 0.0);

    const std::string text = SerializeRecentAnswers(recent);
    const std::string newest = "SEE " + longWord(RecentAnswers::kPuzzles + 2);
    EXPECT_EQ(text.rfind("quillby recent answers 1\n\n" + newest + "\n", 0), 0u) << text;
    const auto parsed = ParseRecentAnswers(text);
    ASSERT_TRUE(parsed.Ok()) << parsed.Error();
    EXPECT_TRUE(parsed.Value() == recent);
    EXPECT_EQ(ParseRecentAnswers("quillby recent answers 1\n").Value().Size(), 0u);
}

TEST(RecentAnswers, RefusesDamagedFilesSayingWhichLine)
{
    const std::string header = "quillby recent answers 1\n";
    EXPECT_NE(RefusalOf("").find("line 1 is missing"), std::string::npos);
    EXPECT_NE(RefusalOf("quillby recent answers 2\n").find("line 1 is not"), std::string::npos);
    EXPECT_NE(RefusalOf(header + "SEE ERA").find("line 2 does not end"), std::string::npos);
    EXPECT_NE(RefusalOf(header + "SEE\nSEE era\n").find("line 3 holds \"era\""), std::string::npos);
    EXPECT_NE(RefusalOf(header + "SEE  ERA\n").find("line 2 holds \"\""), std::string::npos);
    EXPECT_NE(RefusalOf(header + "SEE AB\n").find("holds \"AB\""), std::string::npos);
    EXPECT_NE(RefusalOf(header + std::string(16, 'A') + "\n").find("not an answer"),
              std::string::npos);
    std::string crowded = header;
    for (std::size_t i = 0; i <= RecentAnswers::kMostAnswers; ++i) {
        crowded += "ERA ";
    }
    EXPECT_NE(RefusalOf(crowded + "\n").find("more than 120 answers"), std::string::npos);
    std::string tooMany = header;
    for (std::size_t i = 0; i <= RecentAnswers::kPuzzles; ++i) {
        tooMany += "SEE\n";
    }
    EXPECT_NE(RefusalOf(tooMany).find("line " + std::to_string(RecentAnswers::kPuzzles + 2) +
                                      " is one puzzle more"),
              std::string::npos);
    EXPECT_EQ(RefusalOf(header + "SEE\n").rfind("accepted", 0), 0u);
    EXPECT_EQ(RefusalOf("x").rfind("recent_answers: line 1", 0), 0u);
}

}  // namespace
}  // namespace quillby
