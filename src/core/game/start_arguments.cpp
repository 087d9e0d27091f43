#include "core/game/start_arguments.h"

namespace quillby {

Result<StartArguments> ParseStartArguments(std::span<const std::string> args)
{
    using Parsed = Result<StartArguments>;
    StartArguments parsed;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Parsed::Failure("unknown option \"" + arg + "\" (usage: quillby [FILE])");
        }
        if (arg.empty() || arg.find('\0') != std::string::npos) {
            return Parsed::Failure("a puzzle file needs a name");
        }
        if (parsed.puzzleFile) {
            return Parsed::Failure("one puzzle file at a time, please (usage: quillby [FILE])");
        }
        parsed.puzzleFile = arg;
    }
    return parsed;
}

}  // namespace quillby
