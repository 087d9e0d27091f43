#include <gtest/gtest.h>

#include <limits>
#include <thread>
#include <vector>

#include "core/wordgraph/rng.h"

namespace quillby {
namespace {

TEST(Rng, MatchesTheReferenceOutputsForSeed5489)
{
    Rng rng(5489);
    EXPECT_EQ(rng.NextU32(), 3499211612u);
    EXPECT_EQ(rng.NextU32(), 581869302u);
    EXPECT_EQ(rng.NextU32(), 3890346734u);
    EXPECT_EQ(rng.NextU32(), 3586334585u);
    EXPECT_EQ(rng.NextU32(), 545404204u);
    for (int i = 5; i < 9999; ++i) {
        rng.NextU32();
    }
    EXPECT_EQ(rng.NextU32(), 4123659995u);  // the 10000th output
}

TEST(Rng, NextUnitIsTheOutputOver2To32)
{
    Rng a(7);
    Rng b(7);
    for (int i = 0; i < 100; ++i) {
        const double unit = a.NextUnit();
        EXPECT_EQ(unit, static_cast<double>(b.NextU32()) / 4294967296.0);
        EXPECT_GE(unit, 0.0);
        EXPECT_LT(unit, 1.0);
    }
}

TEST(Rng, RangeAndRandBelowDrawOnceAndStayInBounds)
{
    Rng rng(1);
    Rng shadow(1);
    EXPECT_EQ(rng.RandBelow(1), 0);
    shadow.NextU32();
    EXPECT_EQ(rng.Range(0, -1), std::numeric_limits<std::int32_t>::min());
    shadow.NextU32();
    EXPECT_EQ(rng.Range(3, 3), 3);
    shadow.NextU32();
    EXPECT_EQ(rng.NextU32(), shadow.NextU32());  // each call above took exactly one draw

    std::vector<int> seen(6, 0);
    for (int i = 0; i < 6000; ++i) {
        const int value = rng.Range(-2, 3);
        ASSERT_GE(value, -2);
        ASSERT_LE(value, 3);
        seen[static_cast<std::size_t>(value + 2)] += 1;
    }
    for (int count : seen) {
        EXPECT_GT(count, 800);
    }
    EXPECT_EQ(rng.Range(std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::min()),
              std::numeric_limits<std::int32_t>::min());
}

TEST(Rng, SameSeedSameSequence)
{
    Rng a;
    Rng b;
    a.Seed(123456);
    b.Seed(123456);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(a.NextU32(), b.NextU32());
    }
}

TEST(EdgeCoin, EveryNewThreadStartsAtOne)
{
    EdgeCoin coin;
    EXPECT_EQ(coin.Next(), 41);
    EXPECT_EQ(coin.Next(), 18467);
    EXPECT_EQ(coin.Next(), 6334);

    std::vector<int> draws;
    std::thread worker([&] {
        for (int i = 0; i < 3; ++i) {
            draws.push_back(ThreadEdgeCoin().Next());
        }
    });
    worker.join();
    EXPECT_EQ(draws, (std::vector<int>{41, 18467, 6334}));

    EdgeCoin seeded;
    seeded.Seed(1);
    EXPECT_EQ(seeded.Next(), 41);
}

}  // namespace
}  // namespace quillby
