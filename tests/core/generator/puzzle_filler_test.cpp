#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/generator/puzzle_filler.h"
#include "support/grids.h"
#include "support/word_world.h"

namespace quillby {
namespace {

using testing::GridRows;
using testing::kLatticeRows;
using testing::SetGrid;
using testing::WordWorld;

// The lattice's only fill: across CRANE, ABODE, TRESS; down COAST, ADORE, EVENS.
const std::vector<std::string> kLatticeFill{"CRANE", "ABODE", "TRESS", "COAST", "ADORE", "EVENS"};

struct Fill {
    bool result = false;
    int budget = 0;
};

Fill RunFill(Crossword& crossword, const WordWorld& world, std::uint32_t seed)
{
    Rng rng(seed);
    EdgeCoin coin;
    PuzzleFiller filler(crossword, world.dawg, world.clues, rng, coin);
    Fill fill;
    fill.result = filler.Fill(fill.budget);
    return fill;
}

// Every entry holds a graph word with a clue, crossing letters agree, no word twice.
void ExpectSoundFill(Crossword& crossword, const WordWorld& world)
{
    std::set<std::string> placed;
    for (const AnswerEntry& entry : crossword.answers) {
        const std::string word(entry.AnswerWord());
        ASSERT_EQ(static_cast<int>(word.size()), entry.length);
        EXPECT_NE(world.clues.Find(word), nullptr) << word;
        EXPECT_TRUE(placed.insert(word).second) << word << " placed twice";
        std::string spelled;
        for (const Square* square : crossword.EntrySquares(entry)) {
            spelled.push_back(square->solution);
        }
        EXPECT_EQ(spelled, word);
    }
}

TEST(PuzzleFiller, FillsTheLatticeWithItsOnlyWords)
{
    WordWorld world;
    std::vector<std::string> words = kLatticeFill;
    words.insert(words.end(), {"CRONE", "TRASH", "DOG", "ABIDES"});
    BuildWorld(world, words);
    Crossword crossword;
    SetGrid(crossword, kLatticeRows);
    crossword.BuildAnswerList();
    const Fill fill = RunFill(crossword, world, 5);
    ASSERT_TRUE(fill.result);
    ASSERT_TRUE(crossword.AllAnswered());
    // ABODE and ADORE fit both the middle row and the middle column.
    const auto rows = GridRows(crossword);
    EXPECT_TRUE(rows == (std::vector<std::string>{"CRANE", "O#D#V", "ABODE", "S#R#N", "TRESS"}) ||
                rows == (std::vector<std::string>{"CRANE", "O#B#V", "ADORE", "S#D#N", "TRESS"}));
    ExpectSoundFill(crossword, world);
}

TEST(PuzzleFiller, FailsWhenAWordIsMissingAndLeavesNoLetters)
{
    WordWorld world;
    std::vector<std::string> words = kLatticeFill;
    words.erase(words.begin() + 5);  // no EVENS
    BuildWorld(world, words);
    Crossword crossword;
    SetGrid(crossword, kLatticeRows);
    crossword.BuildAnswerList();
    const Fill fill = RunFill(crossword, world, 5);
    EXPECT_FALSE(fill.result);
    EXPECT_FALSE(crossword.AllAnswered());
    EXPECT_EQ(GridRows(crossword),
              (std::vector<std::string>{".....", ".#.#.", ".....", ".#.#.", "....."}));
}

TEST(PuzzleFiller, AcceptsOnlyWordsWithAnUnsolvedClue)
{
    WordWorld world;
    BuildWorld(world, kLatticeFill);
    std::vector<std::string> graphWords = kLatticeFill;
    graphWords.push_back("ZZZZZ");
    WordWorld graph;
    BuildWorld(graph, graphWords);
    // Solving EVENS's clue takes it out of new puzzles: the lattice can no longer fill.
    world.clues.MarkSolved(*world.clues.Find("EVENS"));
    Crossword crossword;
    SetGrid(crossword, kLatticeRows);
    crossword.BuildAnswerList();
    Rng rng(1);
    EdgeCoin coin;
    PuzzleFiller filler(crossword, graph.dawg, world.clues, rng, coin);
    int budget = 0;
    EXPECT_FALSE(filler.Fill(budget));

    // A fully lettered run is checked against the graph and the clues too.
    Crossword lettered;
    SetGrid(lettered, {"ZZZZZ"});
    lettered.BuildAnswerList();
    PuzzleFiller check(lettered, graph.dawg, world.clues, rng, coin);
    check.CollectCandidates(lettered.answers[0]);
    EXPECT_TRUE(lettered.answers[0].candidates.empty());  // in the graph, but no clue
    PuzzleFiller withClues(lettered, graph.dawg, graph.clues, rng, coin);
    withClues.CollectCandidates(lettered.answers[0]);
    ASSERT_EQ(lettered.answers[0].candidates.size(), 1u);
    EXPECT_EQ(lettered.answers[0].candidates[0].word, "ZZZZZ");
}

TEST(PuzzleFiller, NeverPlacesTheBlockedWordOrAWordTwice)
{
    WordWorld world;
    BuildWorld(world, {"DICKHEAD"});
    Crossword single;
    SetGrid(single, {"........"});
    single.BuildAnswerList();
    Fill fill = RunFill(single, world, 3);
    EXPECT_FALSE(fill.result);
    EXPECT_EQ(fill.budget, 1);  // the rejection cost one unit
    EXPECT_FALSE(single.AllAnswered());

    // AA fits both runs of this corner; the second try is a repeat: one unit for the
    // rejection, one for taking the first answer back.
    WordWorld repeat;
    BuildWorld(repeat, {"AA"});
    Crossword corner;
    SetGrid(corner, {"..", "#."});
    corner.BuildAnswerList();
    fill = RunFill(corner, repeat, 3);
    EXPECT_FALSE(fill.result);
    EXPECT_EQ(fill.budget, 2);
    EXPECT_EQ(GridRows(corner), (std::vector<std::string>{"..", "#."}));

    // A lattice whose across and down words could be the same: across rows and down columns
    // fit the same six words, and only distinct fills are allowed.
    WordWorld lattice;
    BuildWorld(lattice, testing::LatticeWords(11, 300));
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        Crossword crossword;
        SetGrid(crossword, kLatticeRows);
        crossword.BuildAnswerList();
        if (RunFill(crossword, lattice, seed).result && crossword.AllAnswered()) {
            ExpectSoundFill(crossword, lattice);
        }
    }
}

TEST(PuzzleFiller, RunningOutOfBudgetEndsWithTrueAndAnswersMissing)
{
    // Every word starts with A or B and ends with C: the bottom row must start with C, which
    // no word does, so every choice above it is tried until the budget runs out.
    std::vector<std::string> words;
    for (char first : {'A', 'B'}) {
        for (char second = 'D'; second <= 'M'; ++second) {
            for (char middle : {'A', 'B', 'C'}) {
                for (char fourth = 'D'; fourth <= 'M'; ++fourth) {
                    words.push_back(std::string{first, second, middle, fourth, 'C'});
                }
            }
        }
    }
    WordWorld world;
    BuildWorld(world, words);
    Crossword crossword;
    SetGrid(crossword, kLatticeRows);
    crossword.BuildAnswerList();
    const Fill fill = RunFill(crossword, world, 9);
    EXPECT_TRUE(fill.result);
    EXPECT_EQ(fill.budget, PuzzleFiller::kBudgetLimit + 1);
    EXPECT_FALSE(crossword.AllAnswered());
    EXPECT_TRUE(crossword.answers[0].HasAnswer());  // answers stay where they were
}

TEST(PuzzleFiller, ScoresRepeatsOnOpenCrossingsSortsStablyAndPerturbs)
{
    WordWorld world;
    BuildWorld(world, {"ABC", "ABA", "CBA", "BBC"});
    Crossword crossword;
    SetGrid(crossword, {"...", ".#.", "..."});
    crossword.BuildAnswerList();
    AnswerEntry& top = *crossword.FindEntryAt(0, 0, kAcross);
    top.candidates = {{"ABC", 0}, {"ABA", 0}, {"CBA", 0}, {"BBC", 0}};
    Rng rng(77);
    Rng shadow(77);
    EdgeCoin coin;
    PuzzleFiller filler(crossword, world.dawg, world.clues, rng, coin);
    filler.ScoreCandidates(top);

    // Sorted: ABC 0, CBA 0, BBC 0 (its repeat is on a square nothing crosses), ABA -1000;
    // then the perturbation, replayed with the same draws.
    std::vector<std::string> expected{"ABC", "CBA", "BBC", "ABA"};
    const int n = 4;
    for (int step = 0; step < n; ++step) {
        const int a = shadow.RandBelow(n);
        const int b = shadow.RandBelow(a + 1);
        const int c = shadow.RandBelow(2);
        if (a == 0) {
            continue;
        }
        const int other = c == 0 ? a - b : a + b;
        if (other < n) {
            std::swap(expected[static_cast<std::size_t>(a)],
                      expected[static_cast<std::size_t>(other)]);
        }
    }
    std::vector<std::string> got;
    for (const Candidate& candidate : top.candidates) {
        got.push_back(candidate.word);
        EXPECT_EQ(candidate.score, candidate.word == "ABA" ? -1000 : 0) << candidate.word;
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(rng.NextU32(), shadow.NextU32());  // three draws per step, no more

    // Any candidate may end up first. When the first could not move, the first word the query
    // reported was always tried first, and a template that filled without backing up gave the
    // same grid again and again.
    std::set<std::string> firsts;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        top.candidates = {{"ABC", 0}, {"CBA", 0}, {"BBC", 0}};
        Rng seeded(seed);
        PuzzleFiller(crossword, world.dawg, world.clues, seeded, coin).ScoreCandidates(top);
        firsts.insert(top.candidates.front().word);
    }
    EXPECT_EQ(firsts.size(), 3u);
}

TEST(PuzzleFiller, PenaltiesGrowByFiveThousandPerRepeat)
{
    WordWorld world;
    BuildWorld(world, {"ABCDE"});
    Crossword crossword;
    SetGrid(crossword, {".....", ".....", "....."});
    crossword.BuildAnswerList();
    AnswerEntry& top = *crossword.FindEntryAt(0, 0, kAcross);
    Rng rng(1);
    EdgeCoin coin;
    PuzzleFiller filler(crossword, world.dawg, world.clues, rng, coin);
    const std::vector<std::pair<std::string, int>> cases{
        {"ABCDE", 0}, {"AACDE", -1000}, {"AAADE", -7000}, {"AAAAE", -18000}, {"ABABA", -18000}};
    for (const auto& [word, score] : cases) {
        top.candidates = {{word, 0}};
        Rng before = rng;
        filler.ScoreCandidates(top);
        EXPECT_EQ(top.candidates[0].score, score) << word;
        // One candidate: a is 0 every time, nothing moves, three draws are taken.
        for (int i = 0; i < 3; ++i) {
            before.NextU32();
        }
        EXPECT_EQ(before.NextU32(), Rng(rng).NextU32());
    }
}

TEST(PuzzleFiller, RefusesRunsLongerThanNineteenSquares)
{
    // Before the length check the pattern was written into a 20-character buffer whatever
    // the run's length.
    WordWorld world;
    BuildWorld(world, {std::string(21, 'A'), "AB"});
    Crossword crossword;
    SetGrid(crossword, {std::string(21, '.')});
    crossword.BuildAnswerList();
    ASSERT_EQ(crossword.answers[0].length, 21);
    Rng rng(1);
    const Rng untouched = rng;
    EdgeCoin coin;
    PuzzleFiller filler(crossword, world.dawg, world.clues, rng, coin);
    int budget = 0;
    EXPECT_FALSE(filler.Fill(budget));
    EXPECT_FALSE(filler.FillFrom(crossword.answers[0], 0, 0, budget));
    EXPECT_EQ(Rng(rng).NextU32(), Rng(untouched).NextU32());
}

}  // namespace
}  // namespace quillby
