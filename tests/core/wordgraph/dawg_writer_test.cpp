#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/wordgraph/dawg.h"
#include "core/wordgraph/dawg_writer.h"

namespace quillby {
namespace {

std::vector<std::string> AllWords(const Dawg& dawg, int length)
{
    std::vector<std::string> words;
    auto collect = [&](std::string_view word, int&) { words.emplace_back(word); };
    int steps = 0;
    EdgeCoin coin;
    dawg.MatchRun(std::string(static_cast<std::size_t>(length), '*'), steps, coin, collect,
                  std::numeric_limits<int>::max());
    std::sort(words.begin(), words.end());
    return words;
}

std::vector<std::string> SampleWords()
{
    std::vector<std::string> words;
    const char* stems[] = {"CAT", "DOG", "BAT", "RAT", "MAT", "HAT", "SAT", "PAT", "TAN", "TEN"};
    for (const char* stem : stems) {
        words.emplace_back(stem);
        words.push_back(std::string(stem) + "S");
        words.push_back(std::string(stem) + "TED");
        words.push_back(std::string("RE") + stem);
    }
    return words;
}

TEST(DawgWriter, RoundTripsTheRecordsAndHoldsExactlyTheWords)
{
    const std::vector<std::string> words = SampleWords();
    const DawgRecords records = BuildDawgRecords(words);
    Dawg dawg;
    ASSERT_TRUE(dawg.LoadBytes(SerializeDawg(records)).Ok());
    ASSERT_EQ(dawg.Nodes().size(), records.nodes.size());
    ASSERT_EQ(dawg.Edges().size(), records.edges.size());
    for (std::size_t i = 0; i < records.edges.size(); ++i) {
        const DawgEdge& edge = dawg.Edges()[i];
        EXPECT_EQ(dawg.Nodes()[static_cast<std::size_t>(edge.from)].id, records.edges[i].from);
        EXPECT_EQ(dawg.Nodes()[static_cast<std::size_t>(edge.to)].id, records.edges[i].to);
        EXPECT_EQ(edge.letter, records.edges[i].letter);
    }
    std::set<std::string> expected(words.begin(), words.end());
    std::set<std::string> found;
    for (int length = 1; length <= 6; ++length) {
        for (const std::string& word : AllWords(dawg, length)) {
            EXPECT_TRUE(found.insert(word).second) << word << " reached twice";
        }
    }
    EXPECT_EQ(found, expected);
    // Shared suffixes are shared nodes: far fewer nodes than letters.
    EXPECT_LT(records.nodes.size(), 40u);
}

TEST(DawgWriter, SkipsWordsOutsideTheAlphabet)
{
    const std::vector<std::string> words{"CAT", "cat", "CA T", "", "DOG"};
    Dawg dawg;
    ASSERT_TRUE(dawg.LoadBytes(SerializeDawg(BuildDawgRecords(words))).Ok());
    EXPECT_EQ(AllWords(dawg, 3), (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_TRUE(AllWords(dawg, 4).empty());
}

TEST(DawgWriter, ShuffledEdgeOrderIsFixedBySeedAndNotAlphabetical)
{
    const std::vector<std::string> words = SampleWords();
    DawgRecords first = BuildDawgRecords(words);
    DawgRecords second = BuildDawgRecords(words);
    ShuffleEdgeOrder(first, 2026);
    ShuffleEdgeOrder(second, 2026);
    EXPECT_EQ(SerializeDawg(first), SerializeDawg(second));

    Dawg dawg;
    ASSERT_TRUE(dawg.LoadBytes(SerializeDawg(first)).Ok());
    std::string rootLetters;
    for (const DawgEdge& edge : dawg.Outgoing(*dawg.Root())) {
        rootLetters.push_back(edge.letter);
    }
    std::string sorted = rootLetters;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_NE(rootLetters, sorted);
    EXPECT_EQ(sorted, "BCDHMPRST");
    // The shuffle moves edges, never words.
    for (int length = 3; length <= 6; ++length) {
        Dawg plain;
        ASSERT_TRUE(plain.LoadBytes(SerializeDawg(BuildDawgRecords(words))).Ok());
        EXPECT_EQ(AllWords(dawg, length), AllWords(plain, length));
    }
}

}  // namespace
}  // namespace quillby
