#include <cstddef>
#include <cstdint>
#include <span>

#include "core/storage/settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    const quillby::Settings settings = quillby::ParseSettings(bytes);
    // Whatever was read writes back as the 8-byte file and reads back the same.
    const std::string path = quillby::fuzz::ScratchFolder() + "/data/settings.dat";
    if (!quillby::SaveSettings(path, settings) || quillby::LoadSettings(path) != settings) {
        __builtin_trap();
    }
    return 0;
}
