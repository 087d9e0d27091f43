#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game/start_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as arguments, split at each newline.
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    const auto parsed = quillby::ParseStartArguments(args);
    if (parsed && parsed->puzzleFile && parsed->puzzleFile->empty()) {
        __builtin_trap();  // an accepted file always has a name
    }
    return 0;
}
