#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "core/clues/clue_clash.h"
#include "core/generator/checked_filler.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "support/deadline.h"
#include "support/grids.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"

namespace quillby {
namespace {

using testing::TempAppFolder;
using testing::WordWorld;

const std::vector<std::string> kOpen3{"...", "...", "..."};

// A fully checked 13 x 13 pattern of short entries, which the clued words fill readily.
const std::vector<std::string> kChecked13{
    "....#....#...", "....#....#...", "....#....#...", ".......#.....", "###...#...###",
    ".....#.......", "....#...#....", ".......#.....", "###...#...###", ".....#.......",
    "...#....#....", "...#....#....", "...#....#...."};

FillWordList ListOf(const std::vector<std::string>& words, int familiarity = 50)
{
    FillWordList list;
    for (const std::string& word : words) {
        list.words.push_back({word, familiarity});
    }
    std::sort(list.words.begin(), list.words.end(),
              [](const FillWord& a, const FillWord& b) { return a.text < b.text; });
    return list;
}

Crossword GridOf(const std::vector<std::string>& rows)
{
    Crossword crossword;
    const auto size = static_cast<int>(rows.size());
    crossword.SetGridSize(size, size);
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            crossword.SquareAt(col, row)->open =
                rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '.';
        }
    }
    crossword.BuildAnswerList();
    return crossword;
}

std::vector<std::string> Answers(const Crossword& crossword)
{
    std::vector<std::string> answers;
    for (const AnswerEntry& entry : crossword.answers) {
        answers.emplace_back(entry.AnswerWord());
    }
    std::sort(answers.begin(), answers.end());
    return answers;
}

CheckedFiller::Outcome FillWith(Crossword& crossword, const FillWordList& list,
                                const ClueStore& clues, std::uint32_t seed)
{
    const FillIndex index(list);
    FillClues clueInfo(clues, list);
    Rng rng(seed);
    CheckedFiller filler(crossword, index, clueInfo, rng);
    return filler.Fill({});
}

std::string GridText(const Crossword& crossword)
{
    std::string text;
    for (const Square& square : crossword.squares) {
        text.push_back(square.open ? square.solution : '#');
    }
    return text;
}

// A word square whose rows are its columns gives each word twice; the fill never repeats a
// word, so it takes the square of six different words, and with that one gone it gives up.
TEST(CheckedFiller, NeverPlacesAWordTwice)
{
    const std::vector<std::string> symmetric{"BAT", "ARE", "TEN"};
    const std::vector<std::string> distinct{"CAT", "ORE", "WED", "COW", "ARE", "TED"};
    std::vector<std::string> all = symmetric;
    all.insert(all.end(), distinct.begin(), distinct.end());
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    WordWorld world;
    testing::BuildWorld(world, all);

    for (std::uint32_t seed : {1u, 2u, 3u, 4u}) {
        Crossword crossword = GridOf(kOpen3);
        ASSERT_EQ(FillWith(crossword, ListOf(all), world.clues, seed),
                  CheckedFiller::Outcome::kFilled);
        EXPECT_TRUE(crossword.AllAnswered());
        std::vector<std::string> expected = distinct;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(Answers(crossword), expected) << "seed " << seed;
    }
    Crossword crossword = GridOf(kOpen3);
    EXPECT_EQ(FillWith(crossword, ListOf(symmetric), world.clues, 1),
              CheckedFiller::Outcome::kFailed);
    EXPECT_FALSE(crossword.AllAnswered());
}

// A word whose clue holds another answer of the puzzle (or the other way round) would give it
// away: such a pair never shares a fill, and a word without a usable clue is never placed.
TEST(CheckedFiller, KeepsOutWordsThatGiveEachOtherAwayOrHaveNoClue)
{
    const std::vector<std::string> first{"CAT", "ORE", "WED", "COW", "ARE", "TED"};
    const std::vector<std::string> second{"SAP", "ODE", "NET", "SON", "ADE", "PET"};
    std::vector<std::string> all = first;
    all.insert(all.end(), second.begin(), second.end());
    ClueStore clues;
    for (const std::string& word : all) {
        clues.AddClue("Clue for " + word, word);
    }
    // CAT's clue holds COWS, a form of COW: the first square cannot be shown.
    clues.RemoveClue("CAT");
    clues.AddClue("Companion of cows", "CAT");
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        Crossword crossword = GridOf(kOpen3);
        ASSERT_EQ(FillWith(crossword, ListOf(all), clues, seed), CheckedFiller::Outcome::kFilled);
        const std::vector<std::string> answers = Answers(crossword);
        auto has = [&](const char* word) {
            return std::find(answers.begin(), answers.end(), word) != answers.end();
        };
        EXPECT_FALSE(has("CAT") && has("COW"));
        EXPECT_TRUE(has("NET"));  // every square without CAT and COW together has it
    }
    // With NET solved, no square is left.
    clues.MarkSolved(*clues.Find("NET"));
    Crossword crossword = GridOf(kOpen3);
    EXPECT_EQ(FillWith(crossword, ListOf(all), clues, 1), CheckedFiller::Outcome::kFailed);
}

TEST(CheckedFiller, TellsFullyCheckedGridsApart)
{
    auto bytes = [](const std::vector<std::string>& rows) {
        std::vector<std::byte> squares;
        for (const std::string& row : rows) {
            for (char c : row) {
                squares.push_back(c == '.' ? std::byte{1} : std::byte{0});
            }
        }
        return squares;
    };
    EXPECT_TRUE(FullyChecked(bytes(kOpen3), 3, 3));
    EXPECT_TRUE(FullyChecked(bytes(kChecked13), 13, 13));
    EXPECT_FALSE(FullyChecked(bytes(testing::kLatticeRows), 5, 5));
    EXPECT_FALSE(FullyChecked(bytes({"###", "###", "###"}), 3, 3));
}

struct CheckedWorld {
    TempAppFolder folder;
    WordWorld words;
};

// Given fill words, the job fills a fully checked template set with the checked fill, from
// those words (the word graph is then not needed); without them, the word graph's fill takes
// every set, as it always has.
TEST(GenerationJob, FillsFullyCheckedTemplatesFromTheFillWords)
{
    const std::vector<std::string> words{"CAT", "ORE", "WED", "COW", "ARE", "TED"};
    CheckedWorld world;
    testing::WriteWorldFiles(world.folder.Path(), words, 3, {kOpen3});
    testing::BuildWorld(world.words, words);
    {
        Rng rng(5);
        GenerationJob job(world.words.dawg, world.words.clues, rng, world.folder.Data("3x3"), 3,
                          10);
        job.Run();
        EXPECT_FALSE(job.FullyChecked());
    }
    const FillWordList list = ListOf(words);
    Dawg noGraph;
    Rng rng(5);
    GenerationJob job(noGraph, world.words.clues, rng, world.folder.Data("3x3"), 3, 10, &list);
    job.Run();
    ASSERT_EQ(job.result.load(), GenerationJob::kMade) << job.Failure();
    EXPECT_TRUE(job.FullyChecked());
    EXPECT_EQ(Answers(job.Puzzle()),
              (std::vector<std::string>{"ARE", "CAT", "COW", "ORE", "TED", "WED"}));
    EXPECT_TRUE(job.ClueTurns().empty());

    // A lattice is no fully checked template: the word graph's fill takes it, as always.
    CheckedWorld lattice;
    const auto latticeWords = testing::LatticeWords(21, 500);
    testing::WriteWorldFiles(lattice.folder.Path(), latticeWords, 5, {testing::kLatticeRows});
    testing::BuildWorld(lattice.words, latticeWords);
    Rng latticeRng(42);
    GenerationJob latticeJob(lattice.words.dawg, lattice.words.clues, latticeRng,
                             lattice.folder.Data("5x5"), 5, 0, &list);
    latticeJob.Run();
    ASSERT_EQ(latticeJob.result.load(), GenerationJob::kMade);
    EXPECT_FALSE(latticeJob.FullyChecked());
}

// The last puzzle's answers stay out of the fill, and so does an answer in one in twenty of the
// remembered puzzles (10 of 200; while fewer are remembered, one in twenty rounded up, at least
// 5); a fill sharing over a quarter of its answers with a remembered puzzle, however old, is not
// kept. When the fill keeps failing so, the last puzzle's answers and the likeness check give
// way after three attempts; the resting answers only after nine.
TEST(GenerationJob, KeepsRecentAnswersAndLikePuzzlesOutUntilStuck)
{
    // Two word squares of six different words each: either fills the open 3 x 3.
    const std::vector<std::string> words{"CAT", "ORE", "WED", "COW", "ARE", "TED",
                                         "XYZ", "QRS", "JKL", "XQJ", "YRK", "ZSL"};
    CheckedWorld world;
    testing::WriteWorldFiles(world.folder.Path(), words, 3, {kOpen3});
    testing::BuildWorld(world.words, words);
    const FillWordList list = ListOf(words);
    Dawg noGraph;
    auto run = [&](const RecentAnswers& recent, int& attempts) {
        Rng rng(5);
        GenerationJob job(noGraph, world.words.clues, rng, world.folder.Data("3x3"), 3, 20, &list);
        job.AvoidRecent(recent);
        job.Run();
        EXPECT_EQ(job.result.load(), GenerationJob::kMade) << job.Failure();
        attempts = job.Attempts();
        return Answers(job.Puzzle());
    };
    const std::vector<std::string> first{"ARE", "CAT", "COW", "ORE", "TED", "WED"};
    const std::vector<std::string> second{"JKL", "QRS", "XQJ", "XYZ", "YRK", "ZSL"};
    // Remembered puzzles are as long as these, so only the named words count toward a likeness.
    auto puzzle = [](std::vector<std::string> named) {
        for (char pad = 'A'; named.size() < 6; ++pad) {
            named.push_back(std::string("PAD") + pad);
        }
        return named;
    };
    RecentAnswers recent;
    recent.Add(puzzle({"CAT"}));
    int attempts = 0;
    EXPECT_EQ(run(recent, attempts), second);
    EXPECT_EQ(attempts, 1);
    recent.Add(puzzle({"QRS"}));
    EXPECT_EQ(run(recent, attempts), first);
    EXPECT_EQ(attempts, 1);
    // Both squares left out: three attempts fail, then the words come back.
    recent.Add(puzzle({"CAT", "XYZ"}));
    run(recent, attempts);
    EXPECT_EQ(attempts, 4);

    // A memory of 100 puzzles allows five uses (TED's four are past the puzzles that score
    // words lower).
    RecentAnswers resting;
    auto remember = [&](int times, const std::vector<std::string>& named) {
        for (int i = 0; i < times; ++i) {
            resting.Add(puzzle(named));
        }
    };
    // TED, one use short of its share, is used; one more use rests it, so the last puzzle's
    // QRS has to come back.
    auto restsAtTheNextUse = [&] {
        EXPECT_EQ(run(resting, attempts), first);
        EXPECT_EQ(attempts, 1);
        resting.Add(puzzle({"TED"}));
        resting.Add(puzzle({"QRS"}));
        EXPECT_EQ(run(resting, attempts), second);
        EXPECT_EQ(attempts, 4);
    };
    remember(74, {});
    remember(4, {"TED"});
    remember(20, {});
    restsAtTheNextUse();
    // A full memory allows ten.
    remember(4, {"TED"});
    remember(100, {});
    restsAtTheNextUse();
    // Both squares resting: the fill takes them back as a last resort.
    remember(9, {"QRS"});
    resting.Add(puzzle({}));
    run(resting, attempts);
    EXPECT_EQ(attempts, 10);

    // The first square was made long ago, past the puzzles that score words lower.
    RecentAnswers likeness;
    likeness.Add(first);
    for (int i = 0; i < 20; ++i) {
        likeness.Add(puzzle({}));
    }
    EXPECT_DOUBLE_EQ(likeness.LargestShare(first), 1.0);
    EXPECT_DOUBLE_EQ(likeness.LargestShare({"CAT", "XYZ"}), 0.5);
    // This seed fills the first square every time: refused while the check holds, then kept.
    EXPECT_EQ(run(likeness, attempts), first);
    EXPECT_EQ(attempts, 4);
    likeness.Add(second);
    run(likeness, attempts);
    EXPECT_EQ(attempts, 4);
}

// A grid its words cannot fill keeps the job searching until a cancel, which ends it.
TEST(GenerationJob, ACancelStopsAFullyCheckedSearch)
{
    std::vector<std::string> words;
    for (char a = 'A'; a <= 'Z'; ++a) {
        for (char b = 'A'; b <= 'Z'; b += 5) {
            words.push_back(std::string{a, b, 'Q', 'Z', 'X'});
            words.push_back(std::string{'X', a, b, 'Q', 'Z'});
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    CheckedWorld world;
    const std::vector<std::string> open5(5, ".....");
    testing::WriteWorldFiles(world.folder.Path(), words, 5, {open5});
    testing::BuildWorld(world.words, words);
    const FillWordList list = ListOf(words);
    Rng rng(9);
    GenerationJob job(world.words.dawg, world.words.clues, rng, world.folder.Data("5x5"), 5, 0,
                      &list);
    job.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(job.finished.load());
    job.cancelRequested.store(true);
    ASSERT_TRUE(testing::WaitUntil([&] { return job.finished.load(); }));
    EXPECT_EQ(job.result.load(), GenerationJob::kFailed);
    EXPECT_EQ(job.Failure(), "");
}

// The clued words of the shipped data fill a real 13 x 13: every answer a different word with
// a usable clue that gives no other answer away, and the same seed gives the same grid.
TEST(ShippedCheckedFill, FillsSoundlyAndTheSameForTheSameSeed)
{
    Dawg dawg;
    ClueStore clues;
    ASSERT_TRUE(dawg.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_dawg").Ok());
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    const FillWordList list = FillWordsFromWordGraph(dawg, clues);
    ASSERT_GT(list.words.size(), 30000u);
    std::set<std::string> grids;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        Crossword crossword = GridOf(kChecked13);
        ASSERT_EQ(FillWith(crossword, list, clues, seed), CheckedFiller::Outcome::kFilled);
        ASSERT_TRUE(crossword.AllAnswered());
        const std::vector<std::string> answers = Answers(crossword);
        EXPECT_EQ(std::set<std::string>(answers.begin(), answers.end()).size(), answers.size());
        for (const std::string& answer : answers) {
            const ClueRecord* clue = clues.Find(answer);
            ASSERT_NE(clue, nullptr) << answer;
            EXPECT_EQ(clue->solved, 0);
            for (const std::string& other : answers) {
                EXPECT_TRUE(other == answer || !ClueHoldsWord(clue->question, other))
                    << answer << ": " << clue->question << " holds " << other;
            }
        }
        Crossword again = GridOf(kChecked13);
        ASSERT_EQ(FillWith(again, list, clues, seed), CheckedFiller::Outcome::kFilled);
        EXPECT_EQ(GridText(again), GridText(crossword)) << "seed " << seed;
        grids.insert(GridText(crossword));
    }
    EXPECT_EQ(grids.size(), 3u);
}

}  // namespace
}  // namespace quillby
