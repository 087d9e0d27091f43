#include "core/storage/sound_file.h"

#include <optional>
#include <string>

#include "core/common/byte_io.h"

namespace quillby {

namespace {

constexpr std::uint32_t kPcm = 1;
constexpr std::uint32_t kMaxSampleRate = 384000;

Result<WaveFormat> Refuse(std::string why)
{
    return Result<WaveFormat>::Failure("the sound file " + std::move(why));
}

bool ReadU16Le(ByteReader& reader, std::uint32_t& out)
{
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    const bool read = reader.ReadU8(low) && reader.ReadU8(high);
    out = static_cast<std::uint32_t>(low | (high << 8));
    return read;
}

bool ReadTag(ByteReader& reader, std::string& tag)
{
    return reader.ReadText(4, tag);
}

// The "fmt " chunk's fields; the chunk's size has been checked to hold them.
std::optional<std::string> ReadFormat(ByteReader& reader, WaveFormat& format)
{
    std::uint32_t code = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t bits = 0;
    const bool read = ReadU16Le(reader, code) && ReadU16Le(reader, channels) &&
                      reader.ReadU32Le(rate) && reader.Skip(6) && ReadU16Le(reader, bits);
    if (!read) {
        return "ends inside its format";
    }
    if (code != kPcm) {
        return "does not hold plain PCM samples";
    }
    if (channels < 1 || channels > 2 || rate < 1 || rate > kMaxSampleRate ||
        (bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
        return "has a sample format the game cannot play";
    }
    format.channels = static_cast<int>(channels);
    format.sampleRate = static_cast<int>(rate);
    format.bitsPerSample = static_cast<int>(bits);
    return std::nullopt;
}

}  // namespace

Result<WaveFormat> ReadWaveFormat(std::span<const std::byte> bytes)
{
    ByteReader reader(bytes);
    std::string riff;
    std::string wave;
    if (!ReadTag(reader, riff) || !reader.Skip(4) || !ReadTag(reader, wave)) {
        return Refuse("ends inside its header");
    }
    if (riff != "RIFF" || wave != "WAVE") {
        return Refuse("is not a wave file");
    }
    WaveFormat format;
    bool haveFormat = false;
    for (;;) {
        std::string id;
        std::uint32_t size = 0;
        if (!ReadTag(reader, id) || !reader.ReadU32Le(size)) {
            return Refuse(haveFormat ? "has no samples" : "has no format");
        }
        if (size > reader.Remaining()) {
            return Refuse("ends inside its \"" + id + "\" chunk");
        }
        if (id == "fmt ") {
            if (size < 16) {
                return Refuse("has a format chunk too short for its fields");
            }
            if (auto problem = ReadFormat(reader, format)) {
                return Refuse(*problem);
            }
            haveFormat = true;
            (void)reader.Skip(size - 16);
        } else if (id == "data") {
            if (!haveFormat) {
                return Refuse("has samples before its format");
            }
            format.dataBytes = size;
            return format;
        } else {
            (void)reader.Skip(size);
        }
        if (size % 2 == 1) {
            (void)reader.Skip(1);  // chunks start on even offsets; a missing last pad is harmless
        }
    }
}

}  // namespace quillby
