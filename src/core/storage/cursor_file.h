#pragma once

#include <cstddef>
#include <span>

#include "core/common/result.h"

namespace quillby {

// A pointer file longer than this is not read: a 256 x 256 cursor takes about 260 KB.
inline constexpr std::size_t kMaxCursorFileBytes = std::size_t{1} << 20;

// The point of a pointer image that touches what it points at.
struct CursorHotspot {
    int x = 0;
    int y = 0;
    bool operator==(const CursorHotspot&) const = default;
};

// The hotspot of the first image of a .cur file. The image itself is decoded by the desktop;
// this reads only the header, which the desktop's decoders skip:
//
//   offset  size  field
//   0       2     reserved, 0
//   2       2     type, 2 for a cursor
//   4       2     image count, at least 1
//   6       16    first directory entry: width, height, colours, reserved (1 byte each),
//                 hotspot x (2), hotspot y (2), image bytes (4), image offset (4)
//
// Refuses a file that is too short, not a cursor, or whose hotspot lies outside the image.
Result<CursorHotspot> ReadCursorHotspot(std::span<const std::byte> bytes);

}  // namespace quillby
