// Generates a run of puzzles from the data the build shipped, as the game does one after
// another, and checks that they do not keep coming back to the same words.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "core/clues/clue_store.h"
#include "core/generator/generation_job.h"
#include "core/wordgraph/dawg.h"

namespace quillby {

namespace {

constexpr int kPuzzles = 60;

struct Series {
    std::set<char> firstInitials;  // of each puzzle's first answer, the one filled first
    std::map<std::string, int> puzzlesWith;
};

Series Generate(int size)
{
    const std::string data = std::string(QUILLBY_SHIPPED_DIR) + "/data/";
    Dawg dawg;
    ClueStore clues;
    EXPECT_TRUE(dawg.Load(data + "eng_dawg").Ok());
    EXPECT_TRUE(clues.Load(data + "eng_clues.b").Ok());
    const std::string templates = data + std::to_string(size) + "x" + std::to_string(size);
    Rng rng(1);
    Series run;
    for (int k = 0; k < kPuzzles; ++k) {
        GenerationJob job(dawg, clues, rng, templates, size, 500);
        job.Run();
        EXPECT_EQ(job.result.load(), GenerationJob::kMade) << job.Failure();
        if (job.result.load() != GenerationJob::kMade) {
            break;
        }
        const Crossword& puzzle = job.Puzzle();
        run.firstInitials.insert(puzzle.answers.front().AnswerWord().front());
        std::set<std::string> answers;
        for (const AnswerEntry& entry : puzzle.answers) {
            answers.insert(std::string(entry.AnswerWord()));
        }
        for (const std::string& word : answers) {
            run.puzzlesWith[word] += 1;
        }
        RetireAnswerClues(puzzle, clues);
    }
    return run;
}

int MostPuzzlesWithOneAnswer(const Series& run)
{
    int most = 0;
    for (const auto& [word, count] : run.puzzlesWith) {
        most = std::max(most, count);
    }
    return most;
}

}  // namespace

TEST(ShippedFreshness, FirstAnswersVaryAndNoWordKeepsReturning)
{
    // The first answer is placed on an empty grid. When the walk of the word graph always
    // began at the root's first or last edge, every first answer began with one of the two
    // letters there, and the same few short words turned up in a fifth of all puzzles.
    for (const int size : {9, 11}) {
        const Series run = Generate(size);
        EXPECT_GE(run.firstInitials.size(), 10u) << size;
        EXPECT_LE(MostPuzzlesWithOneAnswer(run), kPuzzles * 15 / 100) << size;
    }
}

}  // namespace quillby
