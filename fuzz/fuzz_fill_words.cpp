#include <cstddef>
#include <cstdint>
#include <span>

#include "core/generator/fill_words.h"

// Any accepted list is one the writer gives back byte for byte: sorted, unique, in bounds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto list = quillby::ParseFillWords(std::span(data, size));
    if (!list) {
        return 0;
    }
    const auto bytes = quillby::SerializeFillWords(list.Value());
    if (bytes.size() != size) {
        __builtin_trap();
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (static_cast<std::uint8_t>(bytes[i]) != data[i]) {
            __builtin_trap();
        }
    }
    return 0;
}
