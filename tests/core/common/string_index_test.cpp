#include <gtest/gtest.h>

#include "core/common/string_index.h"

namespace quillby {
namespace {

TEST(StringIndex, HashesEachByteAsASignedValue)
{
    EXPECT_EQ(StringHash(""), 0u);
    EXPECT_EQ(StringHash("A"), 65u);
    EXPECT_EQ(StringHash("AB"), 65u * 31u + 66u);
    // A byte above 127 counts as negative, wrapping the unsigned sum.
    EXPECT_EQ(StringHash("\xff"), 0xffffffffu);
    EXPECT_EQ(StringHash("A\xff"), 65u * 31u - 1u);
}

TEST(StringIndex, FindsTheNewestEntryOfARepeatedKeyAndRemovesItFirst)
{
    StringIndex<int> index(7);
    index.Insert("CAT", 1);
    index.Insert("DOG", 2);
    index.Insert("CAT", 3);
    ASSERT_NE(index.Find("CAT"), nullptr);
    EXPECT_EQ(*index.Find("CAT"), 3);
    EXPECT_EQ(*index.FindIf("CAT", [](int v) { return v < 3; }), 1);
    EXPECT_EQ(index.Find("CA"), nullptr);

    std::vector<int> visited;
    index.ForEach("CAT", [&](int v) { visited.push_back(v); });
    EXPECT_EQ(visited, (std::vector<int>{1, 3}));  // oldest first

    EXPECT_TRUE(index.Remove("CAT"));
    EXPECT_EQ(*index.Find("CAT"), 1);
    EXPECT_TRUE(index.Remove("CAT"));
    EXPECT_FALSE(index.Remove("CAT"));
    EXPECT_EQ(index.Size(), 1u);
}

TEST(StringIndex, KeepsTheBucketCountWithinItsLimits)
{
    EXPECT_EQ(StringIndex<int>(0).BucketCount(), 1);
    EXPECT_EQ(StringIndex<int>(1000).BucketCount(), 1000);
    EXPECT_EQ(StringIndex<int>(70000).BucketCount(), 65534);
}

}  // namespace
}  // namespace quillby
