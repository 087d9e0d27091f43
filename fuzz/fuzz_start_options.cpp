#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/common/start_options.h"

// The game's command line: the input is split at NUL bytes into arguments.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    const auto options = quillby::ParseStartOptions(args);
    if (options && options->updateFrom && options->updateFrom->empty()) {
        __builtin_trap();
    }
    if (options && options->puzzleFile && options->puzzleFile->empty()) {
        __builtin_trap();  // an accepted puzzle file always has a name
    }
    if (options && options->rest.size() > args.size()) {
        __builtin_trap();
    }
    return 0;
}
