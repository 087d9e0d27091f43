#include <cstddef>
#include <cstdint>
#include <span>

#include "core/wordgraph/dawg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillby::Dawg dawg;
    if (dawg.LoadBytes(std::as_bytes(std::span(data, size)))) {
        // Whatever the loader accepts must survive a query, however odd its shape.
        int steps = 0;
        quillby::EdgeCoin coin;
        int found = 0;
        auto count = [&](std::string_view, int&) { ++found; };
        dawg.MatchRun("*C**", steps, coin, count);
    }
    return 0;
}
