#include "core/storage/cursor_file.h"

#include <cstdint>

#include "core/common/byte_io.h"

namespace quillby {

namespace {

bool ReadU16Le(ByteReader& reader, int& out)
{
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    const bool read = reader.ReadU8(low) && reader.ReadU8(high);
    out = low | (high << 8);
    return read;
}

}  // namespace

Result<CursorHotspot> ReadCursorHotspot(std::span<const std::byte> bytes)
{
    ByteReader reader(bytes);
    int reserved = 0;
    int type = 0;
    int count = 0;
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    CursorHotspot hotspot;
    const bool read = ReadU16Le(reader, reserved) && ReadU16Le(reader, type) &&
                      ReadU16Le(reader, count) && reader.ReadU8(width) && reader.ReadU8(height) &&
                      reader.Skip(2) && ReadU16Le(reader, hotspot.x) &&
                      ReadU16Le(reader, hotspot.y);
    if (!read) {
        return Result<CursorHotspot>::Failure("the pointer file ends inside its header");
    }
    if (reserved != 0 || type != 2 || count == 0) {
        return Result<CursorHotspot>::Failure("the pointer file is not a cursor");
    }
    // A width or height byte of 0 means 256 pixels.
    const int imageWidth = width == 0 ? 256 : width;
    const int imageHeight = height == 0 ? 256 : height;
    if (hotspot.x >= imageWidth || hotspot.y >= imageHeight) {
        return Result<CursorHotspot>::Failure("the pointer's hotspot lies outside its image");
    }
    return hotspot;
}

}  // namespace quillby
