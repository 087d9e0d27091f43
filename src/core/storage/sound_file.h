#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/common/result.h"

namespace quillby {

// The samples of a wave file, as the header describes them.
struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    bool operator==(const WaveFormat&) const = default;
};

// A sound file longer than this is not read.
inline constexpr std::size_t kMaxSoundFileBytes = std::size_t{16} << 20;

// The format of a RIFF wave file of PCM samples (data/click.wav), read before the file goes to
// the desktop's player: that player waits for ever for the rest of a file that ends early, and
// every sound after it waits too. Little-endian:
//
//   offset  size  field
//   0       4     "RIFF"
//   4       4     the size of what follows (not relied on: the chunks are walked to the end)
//   8       4     "WAVE"
//   12      ...   chunks: id (4), size (4), then size bytes and a pad byte when size is odd
//
// "fmt " (at least 16 bytes): format 1 (PCM) (2), channels (2), sample rate (4), byte rate
// (4), block align (2), bits per sample (2). "data": the samples. Both must be there, "fmt "
// first, and every chunk up to the end of "data" must lie wholly within the file. Refuses
// anything else with the reason.
Result<WaveFormat> ReadWaveFormat(std::span<const std::byte> bytes);

}  // namespace quillby
