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
    // A 3-letter answer starting a clue word now counts as a leak (SIS "Sister", TEA
    // "Teatime"), so the old "Insect with antennae" for ANT is one; a word holding it inside
    // is not.
    EXPECT_TRUE(ClueLeaks("ANT", "Insect with antennae"));
    EXPECT_FALSE(ClueLeaks("EAR", "Organ of hearing"));
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

TEST(ClueLeaks, CatchesShortFormsCompoundsSharedStartsAndTheFVAlternation)
{
    // The leaks a reader found: a 3-letter answer at the start or end of a clue word...
    EXPECT_TRUE(ClueLeaks("SIS", "Sister"));
    EXPECT_TRUE(ClueLeaks("TEA", "Teatime"));
    EXPECT_TRUE(ClueLeaks("TIE", "Necktie"));
    EXPECT_TRUE(ClueLeaks("UMP", "Umpire"));
    EXPECT_TRUE(ClueLeaks("GAS", "Gasoline"));
    // ...a short form clued by its full word, a 3-letter word of a compound answer...
    EXPECT_TRUE(ClueLeaks("MAS", "Mamas"));
    EXPECT_TRUE(ClueLeaks("SUNBATHE", "Sun"));
    // ...a shared first four letters, and wife / wive.
    EXPECT_TRUE(ClueLeaks("DEMO", "Demonstration"));
    EXPECT_TRUE(ClueLeaks("WIVE", "Take as a wife"));
    EXPECT_TRUE(ClueLeaks("HALVES", "Divides in half"));
    // ...and a word whose final "e" the answer drops before its ending: USAGES "Uses".
    EXPECT_TRUE(ClueLeaks("USAGES", "Uses", {"usage"}));
    EXPECT_TRUE(ClueLeaks("ICY", "Like ice"));
    // Words that only look alike stay clues.
    EXPECT_FALSE(ClueLeaks("BEER", "Alcoholic beverage"));
    EXPECT_FALSE(ClueLeaks("TEA", "Hot drink"));
    EXPECT_FALSE(ClueLeaks("CAT", "Feline pet"));
}

TEST(StemsOf, UndoesCommonEndings)
{
    const auto stems = StemsOf("happier");
    EXPECT_NE(std::find(stems.begin(), stems.end(), "happy"), stems.end());
    const auto running = StemsOf("running");
    EXPECT_NE(std::find(running.begin(), running.end(), "run"), running.end());
}

}  // namespace quillby::data
