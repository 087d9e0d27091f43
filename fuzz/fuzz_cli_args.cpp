#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "fuzz_support.h"

// A command line, one argument per line of the input, run in an empty folder: every
// subcommand parses its arguments and stops at the missing data, so nothing is written and
// each run is quick.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (::chdir(quillby::fuzz::ScratchFolder().c_str()) != 0) {
        return 1;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size && args.size() < 16; ++i) {
        if (data[i] == '\n') {
            args.push_back(current);
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[i]));
        }
    }
    if (!current.empty()) {
        args.push_back(current);
    }
    // Paths go no further than the scratch folder: the fuzzer must not read or write
    // elsewhere on the machine.
    for (const std::string& arg : args) {
        if (arg.find('/') != std::string::npos || arg.find("..") != std::string::npos) {
            return 0;
        }
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = quillby::cli::Main(args, out, err);
    if (status < 0 || status > 2 || (status != 0 && err.str().empty() && out.str().empty())) {
        __builtin_trap();  // every failure says why
    }
    return 0;
}
