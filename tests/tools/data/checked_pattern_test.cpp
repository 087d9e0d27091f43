#include <gtest/gtest.h>

#include <random>
#include <set>

#include "data/checked_pattern.h"

namespace quillby::data {
namespace {

GridPattern PatternOf(const std::vector<std::string>& rows)
{
    GridPattern pattern{static_cast<int>(rows.size()), {}};
    for (const std::string& row : rows) {
        for (const char c : row) {
            pattern.open.push_back(c == '.');
        }
    }
    return pattern;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& text)
{
    for (const std::string& problem : problems) {
        if (problem.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Each rule of a fully checked template, broken once, is named.
TEST(CheckedPattern, NamesEachBrokenRule)
{
    EXPECT_TRUE(
        CheckedPatternProblems(PatternOf({".....", ".....", ".....", ".....", "....."})).size() ==
        1);  // 10 answers of a 5 x 5 are more than a third of 25
    EXPECT_TRUE(
        Mentions(CheckedPatternProblems(PatternOf({"....#", ".....", ".....", ".....", "....."})),
                 "turned half way round"));
    EXPECT_TRUE(
        Mentions(CheckedPatternProblems(PatternOf({".#...", ".....", ".....", ".....", "...#."})),
                 "not in two entries"));
    EXPECT_TRUE(
        Mentions(CheckedPatternProblems(PatternOf({"..#..", ".....", ".....", ".....", "..#.."})),
                 "shorter than 3"));
    EXPECT_TRUE(
        Mentions(CheckedPatternProblems(PatternOf({"...#...", "...#...", "...#...", "#######",
                                                   "...#...", "...#...", "...#..."})),
                 "not all linked"));
    EXPECT_TRUE(Mentions(CheckedPatternProblems(PatternOf(
                             {"###...", "###...", "###...", "...###", "...###", "...###"})),
                         "blocks, more than"));
}

// Grown and varied candidates keep every rule and the shape limits, the same seed grows the
// same one, and different seeds grow different shapes.
TEST(CheckedPattern, GrowsSoundPatternsWithinTheLimitsAndVariesThem)
{
    for (const int size : {13, 15}) {
        const GrowthLimits limits{8, 4, size == 13 ? 12 : 14};
        std::set<std::vector<bool>> shapes;
        int kept = 0;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            std::mt19937 random(seed);
            const GridPattern pattern = GrowCheckedPattern(size, limits, random);
            std::mt19937 again(seed);
            EXPECT_EQ(GrowCheckedPattern(size, limits, again), pattern);
            if (!KeepsGrowthLimits(pattern, limits)) {
                continue;
            }
            ++kept;
            shapes.insert(ShapeKey(pattern));
            EXPECT_EQ(CheckedPatternProblems(pattern), std::vector<std::string>{});
            EXPECT_LE(LongestEntry(pattern), limits.longest);
            // A limit one below its longest entry rules it out.
            EXPECT_FALSE(KeepsGrowthLimits(pattern, {LongestEntry(pattern) - 1, 4, 12}));
            const GridPattern varied = VaryCheckedPattern(pattern, 3, limits, random);
            EXPECT_NE(varied, pattern);
            EXPECT_TRUE(KeepsGrowthLimits(varied, limits)) << PatternText(varied);
        }
        EXPECT_GE(kept, 5) << size;
        EXPECT_EQ(shapes.size(), static_cast<std::size_t>(kept)) << size;
    }
}

// A pattern's mirror images, transposes and turns are one shape; another pattern is not.
TEST(CheckedPattern, ShapeKeyIsTheSameHoweverTurned)
{
    const GridPattern pattern =
        PatternOf({"..#....", ".......", "......#", "#.....#", "#......", ".......", "....#.."});
    const GridPattern mirrored =
        PatternOf({"....#..", ".......", "#......", "#.....#", "......#", ".......", "..#...."});
    const GridPattern transposed =
        PatternOf({"...##..", ".......", "#......", ".......", "......#", ".......", "..##..."});
    EXPECT_EQ(ShapeKey(mirrored), ShapeKey(pattern));
    EXPECT_EQ(ShapeKey(transposed), ShapeKey(pattern));
    EXPECT_NE(ShapeKey(PatternOf(
                  {"#......", ".......", ".......", ".......", ".......", ".......", "......#"})),
              ShapeKey(pattern));
}

}  // namespace
}  // namespace quillby::data
