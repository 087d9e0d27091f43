#include <cstddef>
#include <cstdint>
#include <span>

#include "core/storage/sound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    const quillby::Result<quillby::WaveFormat> format = quillby::ReadWaveFormat(bytes);
    if (format && format->dataBytes > size) {
        __builtin_trap();  // accepted samples must lie within the file
    }
    return 0;
}
