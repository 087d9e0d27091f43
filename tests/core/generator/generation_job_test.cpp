#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"
#include "support/deadline.h"
#include "support/grids.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"

namespace quillby {
namespace {

using testing::GridRows;
using testing::kLatticeRows;
using testing::TempAppFolder;
using testing::WordWorld;
using testing::WriteBytes;

const std::vector<std::string> kStripRows{".....", "#####", "#####", "#####", "#####"};

struct World {
    TempAppFolder folder;
    WordWorld words;
    std::string Templates() const { return folder.Data("5x5"); }
};

void MakeWorld(World& world, const std::vector<std::vector<std::string>>& templates)
{
    const auto words = testing::LatticeWords(21, 500);
    testing::WriteWorldFiles(world.folder.Path(), words, 5, templates);
    BuildWorld(world.words, words);
}

// Runs one job on a thread of its own, as the game does, polling its flag.
void RunOnWorker(GenerationJob& job)
{
    job.Start();
    testing::WaitUntil([&] { return job.finished.load(); });
}

TEST(GenerationJob, FillsAFreshCrosswordAndFlagsTheResult)
{
    World world;
    MakeWorld(world, {kLatticeRows});
    Rng rng(42);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(job);
    ASSERT_TRUE(job.finished.load());
    ASSERT_EQ(job.result.load(), GenerationJob::kMade);
    EXPECT_EQ(job.Attempts(), 1);
    EXPECT_EQ(job.TemplateIndex(), 0);
    Crossword& puzzle = job.Puzzle();
    EXPECT_EQ(puzzle.width, 5);
    ASSERT_EQ(puzzle.answers.size(), 6u);
    EXPECT_TRUE(puzzle.AllAnswered());
    for (const AnswerEntry& entry : puzzle.answers) {
        EXPECT_NE(world.words.clues.Find(entry.AnswerWord()), nullptr);
    }
}

TEST(GenerationJob, DrawsTheCoinSeedFirstThenTheTemplateThenTheFill)
{
    World world;
    MakeWorld(world, {kLatticeRows, kLatticeRows});
    Rng rng(1234);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(job);
    ASSERT_EQ(job.result.load(), GenerationJob::kMade);

    // The same steps by hand: one NextU32 seeds the coin, RandBelow picks the template.
    Rng shadow(1234);
    EdgeCoin coin(shadow.NextU32());
    Crossword crossword;
    crossword.SetGridSize(5, 5);
    const auto templates = ReadTemplateFile(world.Templates(), 5, 5);
    ASSERT_TRUE(templates.Ok());
    EXPECT_EQ(LoadTemplate(crossword, templates.Value(), shadow), job.TemplateIndex());
    crossword.BuildAnswerList();
    PuzzleFiller filler(crossword, world.words.dawg, world.words.clues, shadow, coin);
    int budget = 0;
    ASSERT_TRUE(filler.Fill(budget));
    EXPECT_EQ(GridRows(crossword), GridRows(job.Puzzle()));
    EXPECT_EQ(rng.NextU32(), shadow.NextU32());
}

TEST(GenerationJob, TwoGenerationsFromOneSeedDiffer)
{
    // Before the coin was seeded from Rng every worker thread walked the graph from coin
    // state 1, and a template that fills at once gave the same walks each time.
    World world;
    MakeWorld(world, {kLatticeRows});
    Rng rng(7);
    GenerationJob first(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(first);
    GenerationJob second(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(second);
    ASSERT_EQ(first.result.load(), GenerationJob::kMade);
    ASSERT_EQ(second.result.load(), GenerationJob::kMade);
    EXPECT_EQ(first.Attempts(), 1);
    EXPECT_EQ(second.Attempts(), 1);
    EXPECT_NE(GridRows(first.Puzzle()), GridRows(second.Puzzle()));

    // And the same seed again gives the same two puzzles.
    Rng again(7);
    GenerationJob repeat(world.words.dawg, world.words.clues, again, world.Templates(), 5);
    RunOnWorker(repeat);
    EXPECT_EQ(GridRows(repeat.Puzzle()), GridRows(first.Puzzle()));
}

TEST(GenerationJob, ABadTemplateFileFailsInsteadOfLooping)
{
    World world;
    MakeWorld(world, {});
    Rng rng(1);
    for (std::size_t size : {std::size_t{0}, std::size_t{24}}) {
        WriteBytes(world.Templates(), std::vector<std::byte>(size, std::byte{1}));
        GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
        RunOnWorker(job);
        EXPECT_TRUE(job.finished.load());
        EXPECT_EQ(job.result.load(), GenerationJob::kFailed);
        EXPECT_EQ(job.Attempts(), 0);
        EXPECT_NE(job.Failure().find("no whole"), std::string::npos) << job.Failure();
    }
    GenerationJob missing(world.words.dawg, world.words.clues, rng, world.folder.Data("9x9"), 9);
    RunOnWorker(missing);
    EXPECT_EQ(missing.result.load(), GenerationJob::kFailed);
    EXPECT_FALSE(missing.Failure().empty());
}

TEST(GenerationJob, StopsOnCancelOrAfterTheAttemptLimit)
{
    World world;
    MakeWorld(world, {kStripRows});
    // Nothing fills: the only clue is for a word of another length.
    world.words.clues = ClueStore{};
    ASSERT_TRUE(world.words.clues.AddClue("Not five letters", "SEVENTH"));
    Rng rng(1);
    GenerationJob limited(world.words.dawg, world.words.clues, rng, world.Templates(), 5, 25);
    RunOnWorker(limited);
    EXPECT_EQ(limited.result.load(), GenerationJob::kFailed);
    EXPECT_EQ(limited.Attempts(), 25);
    EXPECT_EQ(limited.TemplateIndex(), -1);

    GenerationJob cancelled(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    cancelled.Start();
    cancelled.cancelRequested.store(true);
    RunOnWorker(cancelled);  // already running: only waits
    EXPECT_EQ(cancelled.result.load(), GenerationJob::kFailed);

    // A job dropped while it runs cancels itself and waits for its thread.
    auto dropped = std::make_unique<GenerationJob>(world.words.dawg, world.words.clues, rng,
                                                   world.Templates(), 5);
    dropped->Start();
    dropped.reset();
}

TEST(GenerationJob, ATemplateThatCannotBeACrosswordFailsBeforeAnyAttempt)
{
    // Damaged templates were taken as they stood, and a generation on them tried for ever.
    World world;
    MakeWorld(world, {});
    Rng rng(1);
    const std::vector<std::pair<std::vector<std::string>, std::string>> broken{
        {{"#####", "##.##", "#####", "#####", "#####"}, "a square in no entry"},
        {{"..###", "#####", "#####", "#####", "#####"}, "shorter than 3"},
        {{"...##", "#####", "#####", "#####", "##..."}, "not linked"},
        {{"#####", "#####", "#####", "#####", "#####"}, "no open square"},
    };
    for (const auto& [rows, problem] : broken) {
        testing::WriteWorldFiles(world.folder.Path(), testing::LatticeWords(21, 500), 5,
                                 {kLatticeRows, rows});
        GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5, 50);
        RunOnWorker(job);
        EXPECT_EQ(job.result.load(), GenerationJob::kFailed);
        EXPECT_EQ(job.Attempts(), 0);
        EXPECT_NE(job.Failure().find("template 2 "), std::string::npos) << job.Failure();
        EXPECT_NE(job.Failure().find(problem), std::string::npos) << job.Failure();
    }
}

TEST(TemplateProblem, AcceptsWhatTheGameCanFill)
{
    auto bytes = [](const std::vector<std::string>& rows) {
        std::vector<std::byte> squares;
        for (const std::string& row : rows) {
            for (const char c : row) {
                squares.push_back(c == '#' ? std::byte{0} : std::byte{0x5A});
            }
        }
        return squares;
    };
    EXPECT_EQ(TemplateProblem(bytes(kLatticeRows), 5, 5), "");
    EXPECT_EQ(TemplateProblem(bytes(kStripRows), 5, 5), "");
    EXPECT_EQ(TemplateProblem(bytes({".....", ".....", ".....", ".....", "....."}), 5, 5), "");
    EXPECT_EQ(TemplateProblem(bytes({"...", "#.#", "..."}), 3, 3), "");
    EXPECT_EQ(TemplateProblem(bytes({"...", "###", "..."}), 3, 3),
              "has entries not linked to the others");
    EXPECT_EQ(TemplateProblem(bytes({"...", "..."}), 3, 3), "is not 3 x 3 squares");
}

TEST(LoadTemplate, PicksEachWholeTemplateOfTheFile)
{
    TempAppFolder folder;
    std::vector<std::byte> bytes(2 * 81, std::byte{0});
    bytes[0] = std::byte{1};        // template 0 opens its first square
    bytes[81 + 80] = std::byte{7};  // template 1 its last
    bytes.push_back(std::byte{1});  // a partial third template is ignored
    WriteBytes(folder.Data("9x9"), bytes);
    const auto templates = ReadTemplateFile(folder.Data("9x9"), 9, 9);
    ASSERT_TRUE(templates.Ok());
    EXPECT_EQ(templates->Count(), 2u);
    Crossword crossword;
    crossword.SetGridSize(9, 9);
    Rng rng(3);
    int seen[2] = {0, 0};
    for (int i = 0; i < 200; ++i) {
        const int index = LoadTemplate(crossword, templates.Value(), rng);
        ASSERT_TRUE(index == 0 || index == 1);
        seen[index] += 1;
        EXPECT_EQ(crossword.SquareAt(0, 0)->open, index == 0);
        EXPECT_EQ(crossword.SquareAt(8, 8)->open, index == 1);
    }
    EXPECT_GT(seen[0], 60);
    EXPECT_GT(seen[1], 60);

    EXPECT_TRUE(LoadTemplate(crossword, folder.Data("9x9"), 9, 9, rng));
    EXPECT_FALSE(LoadTemplate(crossword, folder.Data("11x11"), 11, 11, rng));
    WriteBytes(folder.Data("11x11"), std::vector<std::byte>(120, std::byte{1}));
    EXPECT_FALSE(LoadTemplate(crossword, folder.Data("11x11"), 11, 11, rng));
    crossword.SetGridSize(11, 11);
    EXPECT_EQ(LoadTemplate(crossword, templates.Value(), rng), -1);  // wrong size: no draw
}

TEST(GenerationJob, RetiringTheAnswersMovesTheirCluesOn)
{
    World world;
    MakeWorld(world, {kLatticeRows});
    Rng rng(5);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(job);
    ASSERT_EQ(job.result.load(), GenerationJob::kMade);
    const std::string word(job.Puzzle().answers[0].AnswerWord());
    ASSERT_TRUE(world.words.clues.AddRecord(ClueRecord{"Second clue", word, 0, 0, 1}));
    const std::string before = world.words.clues.Find(word)->question;
    RetireAnswerClues(job.Puzzle(), world.words.clues);
    ASSERT_NE(world.words.clues.Find(word), nullptr);
    EXPECT_NE(world.words.clues.Find(word)->question, before);
}

TEST(GenerationJob, FailsAtOnceWithoutWordsOrClues)
{
    // With no word graph or no clues every fill failed and the job tried templates forever.
    World world;
    MakeWorld(world, {kLatticeRows});
    Dawg noWords;
    ClueStore noClues;
    Rng rng(9);
    const Rng untouched = rng;
    GenerationJob withoutWords(noWords, world.words.clues, rng, world.Templates(), 5);
    RunOnWorker(withoutWords);
    EXPECT_EQ(withoutWords.result.load(), GenerationJob::kFailed);
    EXPECT_EQ(withoutWords.Failure(), "no word graph is loaded");
    GenerationJob withoutClues(world.words.dawg, noClues, rng, world.Templates(), 5);
    RunOnWorker(withoutClues);
    EXPECT_EQ(withoutClues.result.load(), GenerationJob::kFailed);
    EXPECT_EQ(withoutClues.Failure(), "the clue store holds no clues");
    EXPECT_EQ(withoutClues.Attempts(), 0);
    Rng copy = untouched;
    EXPECT_EQ(rng.NextU32(), copy.NextU32());
}

}  // namespace
}  // namespace quillby
