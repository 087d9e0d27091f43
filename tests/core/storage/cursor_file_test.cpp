#include <gtest/gtest.h>

#include <vector>

#include "core/storage/cursor_file.h"

namespace quillby {
namespace {

std::vector<std::byte> Header(std::vector<int> values)
{
    std::vector<std::byte> bytes;
    for (int value : values) {
        bytes.push_back(static_cast<std::byte>(value));
    }
    return bytes;
}

TEST(CursorFile, ReadsTheHotspotAndRefusesWhatIsNotACursor)
{
    // A 32 x 32 cursor with its hotspot at (5, 30).
    const std::vector<std::byte> good =
        Header({0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 5, 0, 30, 0, 0, 1, 0, 0, 22, 0, 0, 0});
    const auto hotspot = ReadCursorHotspot(good);
    ASSERT_TRUE(hotspot) << hotspot.Error();
    EXPECT_EQ(hotspot.Value(), (CursorHotspot{5, 30}));

    EXPECT_FALSE(ReadCursorHotspot({}));
    EXPECT_FALSE(ReadCursorHotspot(Header({0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 5})));
    // An icon (type 1), no images, a hotspot off the image.
    EXPECT_FALSE(ReadCursorHotspot(Header({0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 5, 0, 5, 0})));
    EXPECT_FALSE(ReadCursorHotspot(Header({0, 0, 2, 0, 0, 0, 32, 32, 0, 0, 5, 0, 5, 0})));
    EXPECT_FALSE(ReadCursorHotspot(Header({0, 0, 2, 0, 1, 0, 32, 32, 0, 0, 40, 0, 5, 0})));
}

}  // namespace
}  // namespace quillby
