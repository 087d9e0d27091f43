#include "data/grid_pattern.h"

#include <gtest/gtest.h>

namespace quillby::data {

namespace {

constexpr const char* kGood =
    "; a comment\n"
    ".....#...\n"
    ".#.#.#.#.\n"
    ".........\n"
    ".#.#.#.#.\n"
    ".........\n"
    ".#.#.#.#.\n"
    ".........\n"
    ".#.#.#.#.\n"
    "...#.....\n";

}  // namespace

TEST(GridPattern, ParsesTextAndWritesOneByteASquare)
{
    auto patterns = ParsePatterns(std::string(kGood) + "\n" + kGood, 9);
    ASSERT_TRUE(patterns.Ok()) << patterns.Error();
    ASSERT_EQ(patterns->size(), 2u);
    EXPECT_TRUE(PatternProblems(patterns.Value()[0]).empty());
    EXPECT_FALSE(patterns.Value()[0].Open(5, 0));
    EXPECT_TRUE(patterns.Value()[0].Open(4, 0));
    const auto bytes = PatternBytes(patterns.Value());
    ASSERT_EQ(bytes.size(), 2u * 81u);
    EXPECT_EQ(bytes[5], std::byte{0});
    EXPECT_EQ(bytes[4], std::byte{1});
    auto again = ParsePatterns(PatternText(patterns.Value()[0]), 9);
    ASSERT_TRUE(again.Ok());
    EXPECT_EQ(again.Value()[0], patterns.Value()[0]);
}

TEST(GridPattern, RefusesMalformedText)
{
    EXPECT_FALSE(ParsePatterns(".....#..\n", 9).Ok());              // short line
    EXPECT_FALSE(ParsePatterns(".....#..x\n", 9).Ok());             // stray character
    EXPECT_FALSE(ParsePatterns(".........\n.........\n", 9).Ok());  // incomplete
}

TEST(GridPattern, NamesWhatBreaksTheRules)
{
    auto patterns = ParsePatterns(kGood, 9);
    ASSERT_TRUE(patterns.Ok());
    GridPattern asymmetric = patterns.Value()[0];
    asymmetric.open[0] = false;
    const auto problems = PatternProblems(asymmetric);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front(), "not rotationally symmetric");

    // A block at column 2 of the top row leaves a two-letter entry, and its mirror another.
    GridPattern shortEntry = patterns.Value()[0];
    shortEntry.open[2] = false;
    shortEntry.open[80 - 2] = false;
    bool sawShort = false;
    for (const auto& problem : PatternProblems(shortEntry)) {
        sawShort = sawShort || problem.find("shorter than 3") != std::string::npos;
    }
    EXPECT_TRUE(sawShort);

    // Fully open: every square checked is fine, but two unchecked squares together are not.
    GridPattern open{5, std::vector<bool>(25, true)};
    EXPECT_TRUE(PatternProblems(open).empty());
}

TEST(GridPattern, ProposalsKeepTheLatticeAndTheSymmetry)
{
    std::mt19937 random(3);
    int valid = 0;
    for (int i = 0; i < 200; ++i) {
        const GridPattern pattern = ProposePattern(11, 3, random);
        EXPECT_FALSE(pattern.Open(1, 1));
        EXPECT_FALSE(pattern.Open(9, 9));
        valid += PatternProblems(pattern).empty() ? 1 : 0;
    }
    EXPECT_GT(valid, 0);
}

}  // namespace quillby::data
