#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/common/byte_io.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/dawg_writer.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

Dawg GraphOf(std::vector<std::string> words)
{
    Dawg dawg;
    const auto loaded = dawg.LoadBytes(SerializeDawg(BuildDawgRecords(words)));
    EXPECT_TRUE(loaded.Ok());
    return dawg;
}

std::vector<std::byte> Image(std::vector<DawgNodeRecord> nodes, std::vector<DawgEdgeRecord> edges)
{
    return SerializeDawg(nodes, edges);
}

std::vector<std::string> Matches(const Dawg& dawg, std::string_view pattern, int& steps,
                                 EdgeCoin& coin)
{
    std::vector<std::string> found;
    auto collect = [&](std::string_view word, int&) { found.emplace_back(word); };
    dawg.MatchRun(pattern, steps, coin, collect);
    return found;
}

std::vector<std::string> Matches(const Dawg& dawg, std::string_view pattern)
{
    int steps = 0;
    EdgeCoin coin;
    auto found = Matches(dawg, pattern, steps, coin);
    std::sort(found.begin(), found.end());
    return found;
}

std::vector<std::string> Letters(const Dawg& dawg, const DawgNode& node)
{
    std::vector<std::string> letters;
    for (const DawgEdge& edge : dawg.Outgoing(node)) {
        letters.emplace_back(1, edge.letter);
    }
    return letters;
}

TEST(Dawg, LoadsTheFileAndFindsRootAndEndNode)
{
    testing::TempAppFolder folder;
    const std::string path = folder.Data("eng_dawg");
    ASSERT_TRUE(WriteDawgFile(path, BuildDawgRecords(std::vector<std::string>{"CAT", "DOG"})).Ok());
    Dawg dawg;
    ASSERT_TRUE(dawg.Load(path).Ok());
    ASSERT_NE(dawg.Root(), nullptr);
    ASSERT_NE(dawg.EndNode(), nullptr);
    EXPECT_EQ(dawg.Root()->type, 0);
    EXPECT_EQ(dawg.EndNode()->type, 1);
    EXPECT_EQ(dawg.Edges().size(), 6u);
    EXPECT_EQ(Letters(dawg, *dawg.Root()), (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(dawg.Incoming(*dawg.EndNode()).size(), 2u);

    EXPECT_FALSE(dawg.Load(folder.Data("missing")).Ok());
    EXPECT_EQ(dawg.Root(), nullptr);
    EXPECT_TRUE(dawg.Nodes().empty());
}

TEST(Dawg, AnEmptyGraphLoadsWithNoRootAndFindsNothing)
{
    Dawg dawg;
    ASSERT_TRUE(dawg.LoadBytes(Image({}, {})).Ok());
    EXPECT_EQ(dawg.Root(), nullptr);
    EXPECT_EQ(dawg.EndNode(), nullptr);
    EXPECT_TRUE(Matches(dawg, "***").empty());
}

TEST(Dawg, KeepsEdgeFileOrderAndTwoEdgesOfOneLetter)
{
    // Node records out of order; node 5 has edges Z, A, A in that file order.
    const std::vector<DawgNodeRecord> nodes{{9, 2}, {1, 1}, {5, 0}};
    const std::vector<DawgEdgeRecord> edges{{5, 1, 'Z'}, {5, 1, 'A'}, {5, 9, 'A'}, {9, 1, 'B'}};
    Dawg dawg;
    ASSERT_TRUE(dawg.LoadBytes(SerializeDawg(nodes, edges)).Ok());
    EXPECT_EQ(dawg.Root()->id, 5);
    EXPECT_EQ(dawg.EndNode()->id, 1);
    EXPECT_EQ(Letters(dawg, *dawg.Root()), (std::vector<std::string>{"Z", "A", "A"}));
    EXPECT_EQ(Matches(dawg, "*"), (std::vector<std::string>{"A", "Z"}));
    EXPECT_EQ(Matches(dawg, "**"), (std::vector<std::string>{"AB"}));
}

TEST(Dawg, RefusesBrokenFilesAndLeavesTheGraphEmpty)
{
    const auto good = SerializeDawg(BuildDawgRecords(std::vector<std::string>{"CAT", "DOG"}));
    auto expectRefused = [](std::span<const std::byte> bytes, const char* what) {
        Dawg dawg;
        ASSERT_TRUE(
            dawg.LoadBytes(SerializeDawg(BuildDawgRecords(std::vector<std::string>{"OLD"}))).Ok());
        EXPECT_FALSE(dawg.LoadBytes(bytes).Ok()) << what;
        EXPECT_EQ(dawg.Root(), nullptr) << what;
        EXPECT_EQ(dawg.EndNode(), nullptr) << what;
        EXPECT_TRUE(dawg.Nodes().empty()) << what;
        EXPECT_TRUE(Matches(dawg, "***").empty()) << what;
    };
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        expectRefused(std::span(good).first(cut), "truncated");
    }
    ByteWriter negative;
    negative.WriteI32Le(-1);
    negative.WriteI32Le(0);
    expectRefused(negative.Bytes(), "negative node count");
    ByteWriter huge;
    huge.WriteI32Le(0x7FFFFFFF);
    expectRefused(huge.Bytes(), "oversized node count");
    ByteWriter hugeEdges;
    hugeEdges.WriteI32Le(0);
    hugeEdges.WriteI32Le(100);
    expectRefused(hugeEdges.Bytes(), "oversized edge count");
    expectRefused(Image({{0, 0}, {1, 1}}, {{0, 1, 'a'}}), "lower-case letter");
    expectRefused(Image({{0, 0}, {1, 1}}, {{0, 1, '*'}}), "letter outside A-Z");
}

TEST(Dawg, AnEdgeToAMissingNodeFailsWithTheMessage)
{
    Dawg dawg;
    ::testing::internal::CaptureStdout();
    const auto status = dawg.LoadBytes(Image({{0, 0}, {1, 1}}, {{0, 1, 'A'}, {0, 77, 'B'}}));
    const std::string printed = ::testing::internal::GetCapturedStdout();
    EXPECT_FALSE(status.Ok());
    EXPECT_EQ(printed, "Loading DAWG failed, cannot find node 77\n");
    EXPECT_EQ(dawg.Root(), nullptr);

    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(dawg.LoadBytes(Image({{0, 0}, {1, 1}}, {{-4, 1, 'A'}})).Ok());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Loading DAWG failed, cannot find node -4\n");
}

TEST(Dawg, MatchRunFollowsThePattern)
{
    const Dawg dawg = GraphOf({"CAT", "CATS", "DOG"});
    EXPECT_EQ(Matches(dawg, "***"), (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(Matches(dawg, "D**"), (std::vector<std::string>{"DOG"}));
    EXPECT_EQ(Matches(dawg, "****"), (std::vector<std::string>{"CATS"}));
    EXPECT_EQ(Matches(dawg, "C*T"), (std::vector<std::string>{"CAT"}));
    EXPECT_TRUE(Matches(dawg, "*****").empty());
    EXPECT_TRUE(Matches(dawg, "X**").empty());
}

// The first coin state after start from which the first two values are (odd or even,
// modulo count): the walk's direction and the root edge it starts from.
std::uint32_t CoinFor(bool forward, int start, int count)
{
    for (std::uint32_t seed = 1;; ++seed) {
        EdgeCoin probe(seed);
        const bool odd = (probe.Next() & 1) != 0;
        if (odd == forward && probe.Next() % count == start) {
            return seed;
        }
    }
}

std::string Initials(const std::vector<std::string>& words)
{
    std::string initials;
    for (const std::string& word : words) {
        initials += word[0];
    }
    return initials;
}

TEST(Dawg, MatchRunOrderFollowsTheCoin)
{
    // Root edges C, D in file order. From state 1 the coin gives 41 (odd: forward), then
    // 18467 (the start: 18467 mod 2 = 1, the D edge), so DOG comes first and the walk goes
    // round to CAT.
    const Dawg dawg = GraphOf({"CAT", "DOG"});
    int steps = 0;
    EdgeCoin coin;
    EXPECT_EQ(Matches(dawg, "***", steps, coin), (std::vector<std::string>{"DOG", "CAT"}));
    // Visits: root, D node, O node, end; C node, A node, end = 7 counted.
    EXPECT_EQ(steps, 7);
    // One draw at every node within the pattern that is not the end node (5 here), and one
    // more at the root for the start.
    EdgeCoin shadow;
    for (int i = 0; i < 6; ++i) {
        shadow.Next();
    }
    EXPECT_EQ(coin.State(), shadow.State());
}

TEST(Dawg, MatchRunStartsAtTheCoinsRootEdgeAndGoesRound)
{
    // Before the start was drawn every open pattern began at the root's first or last edge,
    // and with the step limit that meant one of two initial letters for a long run.
    const Dawg dawg = GraphOf({"CAT", "DOG", "EEL", "FOX", "GNU"});
    ASSERT_EQ(Letters(dawg, *dawg.Root()), (std::vector<std::string>{"C", "D", "E", "F", "G"}));
    for (int start = 0; start < 5; ++start) {
        int steps = 0;
        EdgeCoin forward(CoinFor(true, start, 5));
        const std::string ahead = "CDEFGCDEFG";
        EXPECT_EQ(Initials(Matches(dawg, "***", steps, forward)),
                  ahead.substr(static_cast<std::size_t>(start), 5));
        EdgeCoin backward(CoinFor(false, start, 5));
        const std::string behind = "GFEDCGFEDC";
        EXPECT_EQ(Initials(Matches(dawg, "***", steps, backward)),
                  behind.substr(static_cast<std::size_t>(start), 5));
    }
    // Below the root the walk still runs first to last or last to first: CAB, CAT, CAR share
    // the A node, whose edges B, R, T are walked from one end.
    const Dawg cats = GraphOf({"CAB", "CAR", "CAT"});
    int steps = 0;
    EdgeCoin coin;
    const auto found = Matches(cats, "***", steps, coin);
    EXPECT_TRUE(found == (std::vector<std::string>{"CAB", "CAR", "CAT"}) ||
                found == (std::vector<std::string>{"CAT", "CAR", "CAB"}));
}

TEST(Dawg, MatchRunStopsAtTheStepLimit)
{
    std::vector<std::string> words;
    for (char a = 'A'; a <= 'Z'; ++a) {
        for (char b = 'A'; b <= 'Z'; ++b) {
            for (char c = 'A'; c <= 'Z'; c += 5) {
                words.push_back(std::string{a, b, c, 'E', 'R', 'S', a});
            }
        }
    }
    const Dawg dawg = GraphOf(words);
    int steps = 0;
    EdgeCoin coin;
    int reported = 0;
    auto count = [&](std::string_view, int&) { ++reported; };
    dawg.MatchRun("*******", steps, coin, count);
    EXPECT_EQ(steps, kMatchStepLimit + 1);
    EXPECT_GT(reported, 0);
    EXPECT_LT(reported, static_cast<int>(words.size()));

    steps = 0;
    reported = 0;
    dawg.MatchRun("*******", steps, coin, count, std::numeric_limits<int>::max());
    EXPECT_EQ(reported, static_cast<int>(words.size()));
}

TEST(Dawg, TheCallbackMayWindTheCounterBack)
{
    const Dawg dawg = GraphOf({"CAT", "COT", "CUT", "DOG"});
    int steps = 0;
    EdgeCoin coin;
    std::vector<std::string> seen;
    auto rewind = [&](std::string_view word, int& counter) {
        seen.emplace_back(word);
        counter = 0;
    };
    dawg.MatchRun("***", steps, coin, rewind, 5);
    // With a limit of 5 only the rewinding lets the walk reach every word.
    EXPECT_EQ(seen.size(), 4u);
}

}  // namespace
}  // namespace quillby
