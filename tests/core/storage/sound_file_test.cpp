#include "core/storage/sound_file.h"

#include <gtest/gtest.h>

#include <string>

#include "core/common/byte_io.h"

namespace quillby {
namespace {

// A wave file built field by field: a "fmt " chunk of the given format code, then an odd
// "LIST" chunk the reader must step over with its pad byte, then the samples.
std::vector<std::byte> Wave(std::uint32_t format, std::uint32_t dataBytes, std::size_t samples)
{
    ByteWriter writer;
    writer.WriteText("RIFF");
    writer.WriteI32Le(0);  // not relied on
    writer.WriteText("WAVEfmt ");
    writer.WriteI32Le(16);
    writer.WriteU8(static_cast<std::uint8_t>(format));
    writer.WriteU8(0);
    writer.WriteU8(1);  // mono
    writer.WriteU8(0);
    writer.WriteI32Le(22050);
    writer.WriteI32Le(44100);
    writer.WriteU8(2);
    writer.WriteU8(0);
    writer.WriteU8(16);
    writer.WriteU8(0);
    writer.WriteText("LIST");
    writer.WriteI32Le(3);
    writer.WriteText("abc");
    writer.WriteU8(0);  // the pad
    writer.WriteText("data");
    writer.WriteI32Le(static_cast<std::int32_t>(dataBytes));
    for (std::size_t i = 0; i < samples; ++i) {
        writer.WriteU8(static_cast<std::uint8_t>(i));
    }
    return writer.Take();
}

TEST(SoundFile, AcceptsWholePcmFilesOnlySoThePlayerNeverWaitsForMissingBytes)
{
    // Qt's player waited for ever for the rest of a wave file that ended early, and the next
    // sound it was given hung the game with it: the file is now read first.
    const Result<WaveFormat> click = ReadWaveFormat(Wave(1, 200, 200));
    ASSERT_TRUE(click) << click.Error();
    EXPECT_EQ(click.Value(), (WaveFormat{1, 22050, 16, 200}));

    const auto refusal = [](const std::vector<std::byte>& bytes) {
        const Result<WaveFormat> format = ReadWaveFormat(bytes);
        return format ? std::string("accepted") : format.Error();
    };
    EXPECT_EQ(refusal(Wave(1, 200, 199)), "the sound file ends inside its \"data\" chunk");
    EXPECT_EQ(refusal(Wave(3, 200, 200)), "the sound file does not hold plain PCM samples");
    const std::vector<std::byte> whole = Wave(1, 200, 200);
    EXPECT_EQ(refusal({whole.begin(), whole.begin() + 4}), "the sound file ends inside its header");
    EXPECT_EQ(refusal({whole.begin(), whole.begin() + 30}),
              "the sound file ends inside its \"fmt \" chunk");
    EXPECT_EQ(refusal({whole.begin(), whole.begin() + 36}), "the sound file has no samples");
    std::vector<std::byte> notWave = whole;
    notWave[8] = std::byte{'X'};
    EXPECT_EQ(refusal(notWave), "the sound file is not a wave file");
    EXPECT_EQ(refusal({}), "the sound file ends inside its header");
}

}  // namespace
}  // namespace quillby
