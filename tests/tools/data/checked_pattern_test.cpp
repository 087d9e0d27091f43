#include <gtest/gtest.h>

#include <random>

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

// Designed and varied candidates keep every rule, and the same seed designs the same one.
TEST(CheckedPattern, DesignsSoundPatternsAndVariesThemSoundly)
{
    for (const int size : {13, 15}) {
        int sound = 0;
        for (unsigned seed = 1; seed <= 6; ++seed) {
            std::mt19937 random(seed);
            const GridPattern pattern = ProposeCheckedPattern(size, 11, 5, 2, random);
            std::mt19937 again(seed);
            EXPECT_EQ(ProposeCheckedPattern(size, 11, 5, 2, again), pattern);
            // A candidate may miss the limits or keep a long entry; the designer passes it over.
            if (!CheckedPatternProblems(pattern).empty()) {
                continue;
            }
            sound += 1;
            EXPECT_LE(CountEntries(pattern), MaxCheckedAnswers(size));
            const GridPattern varied = VaryCheckedPattern(pattern, 3, random);
            EXPECT_EQ(CheckedPatternProblems(varied), std::vector<std::string>{})
                << PatternText(varied);
        }
        EXPECT_GT(sound, 0) << size;
    }
}

}  // namespace
}  // namespace quillby::data
