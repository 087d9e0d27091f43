#include "core/clues/clue_clash.h"

#include <gtest/gtest.h>

#include "core/generator/generation_job.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"

namespace quillby {
namespace {

using testing::kLatticeRows;
using testing::TempAppFolder;
using testing::WordWorld;

std::vector<std::string> AnswersOf(const Crossword& crossword)
{
    std::vector<std::string> answers;
    for (const AnswerEntry& entry : crossword.answers) {
        answers.emplace_back(entry.AnswerWord());
    }
    return answers;
}

// No shown clue holds another answer or reads like another's clue.
void ExpectNoClash(const std::vector<std::string>& answers, const ClueStore& clues)
{
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const ClueRecord* clue = clues.Find(answers[i]);
        ASSERT_NE(clue, nullptr) << answers[i];
        for (std::size_t j = 0; j < answers.size(); ++j) {
            if (j == i) {
                continue;
            }
            EXPECT_FALSE(ClueHoldsWord(clue->question, answers[j]))
                << answers[i] << ": " << clue->question << " holds " << answers[j];
            EXPECT_NE(clue->question, clues.Find(answers[j])->question);
        }
    }
}

TEST(SameStem, MatchesFormsOfOneWordOnly)
{
    EXPECT_TRUE(SameStem("DRIES", "dried"));
    EXPECT_TRUE(SameStem("hoping", "HOPE"));
    EXPECT_TRUE(SameStem("hopped", "hopping"));
    EXPECT_TRUE(SameStem("one", "One"));
    EXPECT_TRUE(SameStem("easts", "east"));
    EXPECT_FALSE(SameStem("hop", "hope"));
    EXPECT_FALSE(SameStem("tasts", "taste"));
    EXPECT_FALSE(SameStem("ant", "antennae"));
    EXPECT_TRUE(ClueHoldsWord("Being one more than seven", "ONE"));
    EXPECT_TRUE(ClueHoldsWord("Ennoble", "ENNOBLE"));
    EXPECT_FALSE(ClueHoldsWord("Someone's", "ONE"));
}

TEST(ChooseClueTurns, MovesTheLaterOfTwoClashingCluesOnAndNeedsNoneWithoutAClash)
{
    ClueStore clues;
    ASSERT_TRUE(clues.AddRecord({"Being one more than seven", "EIGHT", 0, 0, 0}));
    ASSERT_TRUE(clues.AddRecord({"Number after seven", "EIGHT", 0, 0, 1}));
    ASSERT_TRUE(clues.AddRecord({"Single", "ONE", 0, 0, 0}));
    ASSERT_TRUE(clues.AddRecord({"Aged", "OLD", 0, 0, 0}));
    ASSERT_TRUE(clues.AddRecord({"Aged", "ELDERLY", 0, 0, 0}));
    ASSERT_TRUE(clues.AddRecord({"Getting on", "ELDERLY", 0, 1, 1}));  // solved: skipped
    ASSERT_TRUE(clues.AddRecord({"Advanced in years", "ELDERLY", 0, 0, 2}));
    // EIGHT's clue holds ONE; OLD and ELDERLY read alike, so ELDERLY, the later, moves on past
    // its solved clue.
    const auto turns = ChooseClueTurns({"EIGHT", "ONE", "OLD", "ELDERLY"}, clues);
    ASSERT_TRUE(turns);
    EXPECT_EQ(*turns, (std::vector<ClueTurn>{{"EIGHT", 1}, {"ELDERLY", 2}}));
    ApplyClueTurns(*turns, clues);
    EXPECT_EQ(clues.Find("EIGHT")->question, "Number after seven");
    EXPECT_EQ(clues.Find("ELDERLY")->question, "Advanced in years");
    ExpectNoClash({"EIGHT", "ONE", "OLD", "ELDERLY"}, clues);
    // Now nothing clashes, and without ONE the first clue of EIGHT would have stood.
    EXPECT_EQ(ChooseClueTurns({"EIGHT", "ONE", "OLD", "ELDERLY"}, clues), std::vector<ClueTurn>{});
    // A word whose every clue clashes leaves the puzzle unshowable.
    ClueStore single;
    ASSERT_TRUE(single.AddRecord({"Ennoble", "ENTITLE", 0, 0, 0}));
    ASSERT_TRUE(single.AddRecord({"Raise to the nobility", "ENNOBLE", 0, 0, 0}));
    EXPECT_EQ(ChooseClueTurns({"ENNOBLE", "ENTITLE"}, single), std::nullopt);
}

struct ClashWorld {
    TempAppFolder folder;
    WordWorld words;
    std::vector<std::string> lattice = testing::LatticeWords(21, 500);
    std::string Templates() const { return folder.Data("5x5"); }
};

// The puzzle seed 42 gives on the lattice, with every word clued "Clue for WORD".
std::vector<std::string> FirstPuzzle(ClashWorld& world)
{
    testing::WriteWorldFiles(world.folder.Path(), world.lattice, 5,
                             {kLatticeRows, {".....", ".#.#.", ".....", ".#.#.", "....."}});
    BuildWorld(world.words, world.lattice);
    Rng rng(42);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    job.Run();
    EXPECT_EQ(job.result.load(), GenerationJob::kMade);
    EXPECT_TRUE(job.ClueTurns().empty());
    return AnswersOf(job.Puzzle());
}

// The same world, but the first answer's current clue names the second answer.
void StoreWithAClash(ClashWorld& world, const std::vector<std::string>& puzzle, bool second)
{
    world.words.clues = ClueStore{};
    for (const std::string& word : world.lattice) {
        if (word == puzzle[0]) {
            ASSERT_TRUE(world.words.clues.AddRecord({"Close to " + puzzle[1], word, 0, 0, 0}));
            if (second) {
                ASSERT_TRUE(world.words.clues.AddRecord({"Other clue for " + word, word, 0, 0, 1}));
            }
        } else {
            ASSERT_TRUE(world.words.clues.AddClue("Clue for " + word, word));
        }
    }
}

TEST(GenerationJob, AClueHoldingAnotherAnswerShowsTheWordsNextClueOnceAdopted)
{
    ClashWorld world;
    const std::vector<std::string> puzzle = FirstPuzzle(world);
    StoreWithAClash(world, puzzle, true);
    // The seed still fixes the fill; the clash is settled by a turn of the first answer's clues.
    Rng rng(42);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    job.Run();
    ASSERT_EQ(job.result.load(), GenerationJob::kMade);
    EXPECT_EQ(AnswersOf(job.Puzzle()), puzzle);
    EXPECT_EQ(job.Attempts(), 1);
    EXPECT_EQ(job.ClueTurns(), (std::vector<ClueTurn>{{puzzle[0], 1}}));
    // The worker left the store as it was; applying the turns, as the game does on adopting
    // the puzzle, shows the other clue.
    EXPECT_EQ(world.words.clues.Find(puzzle[0])->question, "Close to " + puzzle[1]);
    ApplyClueTurns(job.ClueTurns(), world.words.clues);
    EXPECT_EQ(world.words.clues.Find(puzzle[0])->question, "Other clue for " + puzzle[0]);
    ExpectNoClash(puzzle, world.words.clues);
}

TEST(GenerationJob, AClashWithNoOtherClueSendsTheGenerationToAnotherAttempt)
{
    ClashWorld world;
    const std::vector<std::string> puzzle = FirstPuzzle(world);
    StoreWithAClash(world, puzzle, false);
    Rng rng(42);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    job.Run();
    ASSERT_EQ(job.result.load(), GenerationJob::kMade);
    EXPECT_GE(job.Attempts(), 2);
    const std::vector<std::string> shown = AnswersOf(job.Puzzle());
    EXPECT_NE(shown, puzzle);
    ApplyClueTurns(job.ClueTurns(), world.words.clues);
    ExpectNoClash(shown, world.words.clues);
    // The same seed gives the same puzzle again.
    Rng again(42);
    GenerationJob repeat(world.words.dawg, world.words.clues, again, world.Templates(), 5);
    repeat.Run();
    EXPECT_EQ(AnswersOf(repeat.Puzzle()), shown);
}

}  // namespace
}  // namespace quillby
