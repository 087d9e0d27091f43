#pragma once

#include <array>
#include <cstdint>

namespace quillby {

// The 32-bit Mersenne Twister (MT19937) that chooses templates and perturbs candidate orders.
// Its draws are part of what a seed means: the same seed and the same calls give the same
// puzzles, so the order of draws in callers matters.
class Rng {
public:
    explicit Rng(std::uint32_t seed = 5489u) { Seed(seed); }

    void Seed(std::uint32_t seed);
    // Seeds from the calendar time in whole seconds; returns the seed used.
    std::uint32_t SeedFromClock();

    std::uint32_t NextU32();
    // NextU32 / 2^32: in [0, 1), exactly.
    double NextUnit();
    // lo + trunc(NextUnit * (hi - lo + 1)), at most hi. With hi < lo it still draws once and
    // yields INT32_MIN, which callers treat as "nothing to pick".
    std::int32_t Range(std::int32_t lo, std::int32_t hi);
    // Range(0, n - 1): an integer in [0, n - 1] for n >= 1; always one draw.
    std::int32_t RandBelow(std::int32_t n) { return Range(0, n - 1); }

private:
    static constexpr int kStateSize = 624;
    void Regenerate();

    std::array<std::uint32_t, kStateSize> state{};
    int index = kStateSize;
};

// The small linear congruential generator that decides whether the word graph query walks a
// node's edges forward or backward. Outputs are 0..32767; only their parity is used.
class EdgeCoin {
public:
    explicit EdgeCoin(std::uint32_t state = 1) : state(state) {}
    void Seed(std::uint32_t newState) { state = newState; }
    std::uint32_t State() const { return state; }
    int Next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state;
};

// The calling thread's coin: every thread's starts at state 1, so a new thread first draws
// 41, 18467, 6334. A generation reseeds its thread's coin from Rng when it starts.
EdgeCoin& ThreadEdgeCoin();

}  // namespace quillby
