#include "data/leak_filter.h"

#include <gtest/gtest.h>

namespace quillby::data {

TEST(ClueLeaks, CatchesTheAnswerItsStemsAndItsInflections)
{
    EXPECT_TRUE(ClueLeaks("DOG", "A dog's life"));
    EXPECT_TRUE(ClueLeaks("RUNNING", "Runs fast"));
    EXPECT_TRUE(ClueLeaks("RUN", "Running fast"));
    EXPECT_TRUE(ClueLeaks("HAPPIER", "More happy"));
    EXPECT_TRUE(ClueLeaks("HAPPINESS", "State of being happy"));
    EXPECT_TRUE(ClueLeaks("CATS", "Big cat"));
    EXPECT_TRUE(ClueLeaks("ICEBOX", "Ice box"));
    EXPECT_FALSE(ClueLeaks("DOG", "Domestic canine"));
    EXPECT_FALSE(ClueLeaks("ANT", "Insect with antennae"));
    EXPECT_FALSE(ClueLeaks("ASSESS", "Evaluate"));
}

TEST(ClueLeaks, CatchesSharedPrefixesSubstringsAndSpellingVariants)
{
    EXPECT_TRUE(ClueLeaks("POWERBOAT", "Motorboat"));  // shares "rboat"... and "boat"
    EXPECT_TRUE(ClueLeaks("ZITHERS", "Cithers"));      // a spelling variant
    EXPECT_TRUE(ClueLeaks("COLOUR", "Color"));
    EXPECT_TRUE(ClueLeaks("THEATRE", "Theater seat"));
    EXPECT_TRUE(ClueLeaks("RETAKING", "Taking back"));  // an adapted clue leaks too
    EXPECT_TRUE(ClueLeaks("UNDERSTATE", "Understatement"));
    EXPECT_TRUE(ClueLeaks("AIRLIFT", "Lift"));  // a word inside a compound
    EXPECT_FALSE(ClueLeaks("POWERBOAT", "Fast vessel"));
}

TEST(ClueLeaks, CountsTheLemmaOfAnInflectedAnswerAsTheAnswer)
{
    EXPECT_TRUE(ClueLeaks("RAN", "Went for a run", {"run"}));
    EXPECT_FALSE(ClueLeaks("RAN", "Went for a jog", {"run"}));
    EXPECT_TRUE(ClueLeaks("MICE", "Little mouse", {"mouse"}));
}

TEST(StemsOf, UndoesCommonEndings)
{
    const auto stems = StemsOf("happier");
    EXPECT_NE(std::find(stems.begin(), stems.end(), "happy"), stems.end());
    const auto running = StemsOf("running");
    EXPECT_NE(std::find(running.begin(), running.end(), "run"), running.end());
}

}  // namespace quillby::data
