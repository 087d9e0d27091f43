#include "data/media_files.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace quillby::data {

namespace {

std::uint32_t U16At(const std::vector<std::byte>& bytes, std::size_t at)
{
    return std::to_integer<std::uint32_t>(bytes[at]) | std::to_integer<std::uint32_t>(bytes[at + 1])
                                                           << 8;
}

std::uint32_t U32At(const std::vector<std::byte>& bytes, std::size_t at)
{
    return U16At(bytes, at) | U16At(bytes, at + 2) << 16;
}

std::string TextAt(const std::vector<std::byte>& bytes, std::size_t at, std::size_t count)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()) + at, count);
}

}  // namespace

TEST(ClickWav, IsAShortMonoPcmWaveFile)
{
    const auto wav = ClickWav();
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(TextAt(wav, 0, 4), "RIFF");
    EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(TextAt(wav, 8, 8), "WAVEfmt ");
    EXPECT_EQ(U32At(wav, 16), 16u);
    EXPECT_EQ(U16At(wav, 20), 1u);  // PCM
    EXPECT_EQ(U16At(wav, 22), 1u);  // mono
    EXPECT_EQ(U32At(wav, 24), static_cast<std::uint32_t>(kClickSampleRate));
    EXPECT_EQ(U32At(wav, 28), static_cast<std::uint32_t>(kClickSampleRate * 2));
    EXPECT_EQ(U16At(wav, 32), 2u);
    EXPECT_EQ(U16At(wav, 34), 16u);
    EXPECT_EQ(TextAt(wav, 36, 4), "data");
    EXPECT_EQ(U32At(wav, 40), wav.size() - 44);
    const double seconds = (wav.size() - 44) / 2.0 / kClickSampleRate;
    EXPECT_GT(seconds, 0.01);
    EXPECT_LT(seconds, 0.2);
    EXPECT_EQ(ClickWav(), wav);  // the same bytes on every build
}

TEST(PenCursor, IsAWindowsCursorWithItsHotSpotOnThePenTip)
{
    const auto cur = PenCursor();
    EXPECT_EQ(U16At(cur, 0), 0u);
    EXPECT_EQ(U16At(cur, 2), 2u);  // a cursor, not an icon
    EXPECT_EQ(U16At(cur, 4), 1u);
    EXPECT_EQ(std::to_integer<int>(cur[6]), kCursorSize);
    EXPECT_EQ(std::to_integer<int>(cur[7]), kCursorSize);
    EXPECT_EQ(U16At(cur, 10), static_cast<std::uint32_t>(kCursorHotSpotX));
    EXPECT_EQ(U16At(cur, 12), static_cast<std::uint32_t>(kCursorHotSpotY));
    const std::uint32_t imageBytes = U32At(cur, 14);
    const std::uint32_t offset = U32At(cur, 18);
    EXPECT_EQ(offset, 22u);
    EXPECT_EQ(offset + imageBytes, cur.size());
    EXPECT_EQ(U32At(cur, 22), 40u);                                          // BITMAPINFOHEADER
    EXPECT_EQ(U32At(cur, 26), static_cast<std::uint32_t>(kCursorSize));      // width
    EXPECT_EQ(U32At(cur, 30), static_cast<std::uint32_t>(kCursorSize * 2));  // image + mask
    EXPECT_EQ(U16At(cur, 34), 1u);
    EXPECT_EQ(U16At(cur, 36), 32u);
    EXPECT_EQ(U32At(cur, 38), 0u);  // uncompressed
    // The hot spot is on the pen (opaque), the far corner is not. Rows are stored bottom-up.
    auto alphaAt = [&](int x, int y) {
        const std::size_t row = static_cast<std::size_t>(kCursorSize - 1 - y);
        return std::to_integer<int>(cur[62 + (row * kCursorSize + x) * 4 + 3]);
    };
    EXPECT_GT(alphaAt(kCursorHotSpotX, kCursorHotSpotY), 0);
    EXPECT_EQ(alphaAt(kCursorSize - 1, 0), 0);
    EXPECT_GT(alphaAt(15, 15), 200);
}

}  // namespace quillby::data
