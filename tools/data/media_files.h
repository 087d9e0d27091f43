#pragma once

#include <cstddef>
#include <vector>

namespace quillby::data {

inline constexpr int kClickSampleRate = 22050;
inline constexpr int kCursorSize = 32;
// The pen's tip, which is the pointer's hot spot.
inline constexpr int kCursorHotSpotX = 1;
inline constexpr int kCursorHotSpotY = 1;

// A short, soft click: 16-bit mono PCM in a RIFF/WAVE file, the same bytes on every build.
std::vector<std::byte> ClickWav();

// A 32 x 32 pen pointer in a Windows cursor file (one 32-bit image with its AND mask), the
// nib at the top left, where the hot spot is.
std::vector<std::byte> PenCursor();

}  // namespace quillby::data
