#include <cstddef>
#include <cstdint>
#include <span>

#include "core/storage/cursor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto hotspot = quillby::ReadCursorHotspot(std::as_bytes(std::span(data, size)));
    // An accepted hotspot lies inside an image of at most 256 x 256 pixels.
    if (hotspot && (hotspot->x < 0 || hotspot->y < 0 || hotspot->x > 255 || hotspot->y > 255)) {
        __builtin_trap();
    }
    return 0;
}
