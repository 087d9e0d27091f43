#include "core/wordgraph/rng.h"

#include <bit>
#include <ctime>
#include <limits>

namespace quillby {

void Rng::Seed(std::uint32_t seed)
{
    state[0] = seed;
    for (int i = 1; i < kStateSize; ++i) {
        const std::uint32_t previous = state[static_cast<std::size_t>(i - 1)];
        state[static_cast<std::size_t>(i)] =
            1812433253u * (previous ^ (previous >> 30)) + static_cast<std::uint32_t>(i);
    }
    index = kStateSize;
}

std::uint32_t Rng::SeedFromClock()
{
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    Seed(seed);
    return seed;
}

void Rng::Regenerate()
{
    constexpr int kShift = 397;
    constexpr std::uint32_t kMatrix = 0x9908B0DFu;
    for (int i = 0; i < kStateSize; ++i) {
        const std::uint32_t y =
            (state[static_cast<std::size_t>(i)] & 0x80000000u) |
            (state[static_cast<std::size_t>((i + 1) % kStateSize)] & 0x7FFFFFFFu);
        std::uint32_t next = state[static_cast<std::size_t>((i + kShift) % kStateSize)] ^ (y >> 1);
        if ((y & 1u) != 0) {
            next ^= kMatrix;
        }
        state[static_cast<std::size_t>(i)] = next;
    }
    index = 0;
}

std::uint32_t Rng::NextU32()
{
    if (index >= kStateSize) {
        Regenerate();
    }
    std::uint32_t y = state[static_cast<std::size_t>(index++)];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

double Rng::NextUnit()
{
    // The 32 bits sit at the top of the fraction of a double in [1, 2); taking 1 away leaves
    // the output divided by 2^32, with no rounding.
    const std::uint64_t bits =
        0x3FF0000000000000ull | (static_cast<std::uint64_t>(NextU32()) << 20);
    return std::bit_cast<double>(bits) - 1.0;
}

std::int32_t Rng::Range(std::int32_t lo, std::int32_t hi)
{
    const double unit = NextUnit();
    if (hi < lo) {
        return std::numeric_limits<std::int32_t>::min();
    }
    const auto span = static_cast<double>(static_cast<std::int64_t>(hi) - lo + 1);
    const std::int64_t value = lo + static_cast<std::int64_t>(unit * span);
    return value > hi ? hi : static_cast<std::int32_t>(value);
}

EdgeCoin& ThreadEdgeCoin()
{
    thread_local EdgeCoin coin;
    return coin;
}

}  // namespace quillby
