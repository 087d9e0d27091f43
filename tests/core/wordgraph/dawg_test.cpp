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

TEST(Dawg, MatchRunOrderFollowsTheCoin)
{
    // Root edges C, D. The coin's first value (41) is odd: forward, so CAT comes first; a coin
    // whose first value is even walks the root's edges backward and DOG comes first.
    const Dawg dawg = GraphOf({"CAT", "DOG"});
    int steps = 0;
    EdgeCoin coin;
    EXPECT_EQ(Matches(dawg, "***", steps, coin), (std::vector<std::string>{"CAT", "DOG"}));
    // Visits: root, C node, A node, end; D node, O node, end = 7 counted.
    EXPECT_EQ(steps, 7);
    // Coin draws happen only at nodes within the pattern that are not the end node: 5 here.
    EdgeCoin shadow;
    for (int i = 0; i < 5; ++i) {
        shadow.Next();
    }
    EXPECT_EQ(coin.State(), shadow.State());

    std::uint32_t seed = 2;
    for (;; ++seed) {
        EdgeCoin probe(seed);
        if ((probe.Next() & 1) == 0) {
            break;
        }
    }
    EdgeCoin backward(seed);
    steps = 0;
    const auto found = Matches(dawg, "***", steps, backward);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], "DOG");
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
