#include "data/media_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/common/byte_io.h"

namespace quillby::data {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kClickMillis = 45;

void WriteU16(ByteWriter& out, int value)
{
    out.WriteU8(static_cast<std::uint8_t>(value & 0xFF));
    out.WriteU8(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// A decaying pair of tones with a little noise on the attack, like a pen tapping paper.
std::vector<std::int16_t> ClickSamples()
{
    const int count = kClickSampleRate * kClickMillis / 1000;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    std::uint32_t noise = 12345;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kClickSampleRate;
        noise = noise * 1664525u + 1013904223u;
        const double white = static_cast<double>(noise >> 8) / (1u << 24) * 2.0 - 1.0;
        const double tone = 0.6 * std::sin(2 * kPi * 1800 * t) + 0.3 * std::sin(2 * kPi * 3100 * t);
        const double value = tone * std::exp(-t / 0.006) + 0.35 * white * std::exp(-t / 0.0015);
        const double fadeOut = std::min(1.0, static_cast<double>(count - i) / 40.0);
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::lround(std::clamp(value * fadeOut, -1.0, 1.0) * 20000));
    }
    return samples;
}

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// The pen lies along the diagonal from its tip: a grey nib, then a blue barrel with a dark
// outline, edges softened by coverage.
Rgba PenPixel(double x, double y)
{
    const double tipX = kCursorHotSpotX;
    const double tipY = kCursorHotSpotY;
    const double length = 28.0;
    const double along = ((x - tipX) + (y - tipY)) / std::sqrt(2.0);
    const double across = std::abs((x - tipX) - (y - tipY)) / std::sqrt(2.0);
    if (along < -0.5 || along > length + 0.5) {
        return {};
    }
    const double nib = 8.0;
    const double radius = along < nib ? 0.6 + 2.9 * along / nib : 3.5;
    const double coverage =
        std::clamp(radius - across + 0.5, 0.0, 1.0) * std::clamp(length - along + 0.5, 0.0, 1.0);
    if (coverage <= 0.0) {
        return {};
    }
    Rgba colour;
    if (across > radius - 1.2) {
        colour = {20, 20, 30, 0};
    } else if (along < nib) {
        colour = {90, 90, 96, 0};
    } else if (along > length - 3.0) {
        colour = {200, 40, 40, 0};  // the cap
    } else {
        const bool shine = (x - tipX) - (y - tipY) > 0.8;
        colour = shine ? Rgba{90, 140, 230, 0} : Rgba{40, 90, 200, 0};
    }
    colour.a = static_cast<std::uint8_t>(std::lround(coverage * 255));
    return colour;
}

}  // namespace

std::vector<std::byte> ClickWav()
{
    const std::vector<std::int16_t> samples = ClickSamples();
    const int dataBytes = static_cast<int>(samples.size() * 2);
    ByteWriter out;
    out.WriteText("RIFF");
    out.WriteU32Le(static_cast<std::uint32_t>(36 + dataBytes));
    out.WriteText("WAVEfmt ");
    out.WriteU32Le(16);
    WriteU16(out, 1);  // PCM
    WriteU16(out, 1);  // mono
    out.WriteU32Le(kClickSampleRate);
    out.WriteU32Le(kClickSampleRate * 2);
    WriteU16(out, 2);   // bytes per frame
    WriteU16(out, 16);  // bits per sample
    out.WriteText("data");
    out.WriteU32Le(static_cast<std::uint32_t>(dataBytes));
    for (std::int16_t sample : samples) {
        WriteU16(out, static_cast<std::uint16_t>(sample));
    }
    return out.Take();
}

std::vector<std::byte> PenCursor()
{
    constexpr int kSize = kCursorSize;
    constexpr int kMaskRowBytes = 4;  // 32 bits, already a multiple of 4 bytes
    constexpr int kImageBytes = 40 + kSize * kSize * 4 + kSize * kMaskRowBytes;
    ByteWriter out;
    WriteU16(out, 0);  // reserved
    WriteU16(out, 2);  // cursor
    WriteU16(out, 1);  // one image
    out.WriteU8(kSize);
    out.WriteU8(kSize);
    out.WriteU8(0);  // no palette
    out.WriteU8(0);
    WriteU16(out, kCursorHotSpotX);
    WriteU16(out, kCursorHotSpotY);
    out.WriteU32Le(kImageBytes);
    out.WriteU32Le(22);  // the image follows the 6 + 16 byte directory
    out.WriteU32Le(40);  // BITMAPINFOHEADER
    out.WriteI32Le(kSize);
    out.WriteI32Le(kSize * 2);  // colour image and mask
    WriteU16(out, 1);
    WriteU16(out, 32);
    out.WriteU32Le(0);
    out.WriteU32Le(kSize * kSize * 4 + kSize * kMaskRowBytes);
    for (int i = 0; i < 4; ++i) {
        out.WriteU32Le(0);
    }
    std::vector<Rgba> pixels(kSize * kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            pixels[static_cast<std::size_t>(y * kSize + x)] = PenPixel(x + 0.5, y + 0.5);
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {  // bottom-up rows
        for (int x = 0; x < kSize; ++x) {
            const Rgba& p = pixels[static_cast<std::size_t>(y * kSize + x)];
            out.WriteU8(p.b);
            out.WriteU8(p.g);
            out.WriteU8(p.r);
            out.WriteU8(p.a);
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {  // AND mask: 1 = transparent
        std::uint32_t bits = 0;
        for (int x = 0; x < kSize; ++x) {
            if (pixels[static_cast<std::size_t>(y * kSize + x)].a == 0) {
                bits |= 0x80000000u >> x;
            }
        }
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.WriteU8(static_cast<std::uint8_t>(bits >> shift));
        }
    }
    return out.Take();
}

}  // namespace quillby::data
