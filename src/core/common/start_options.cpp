#include "core/common/start_options.h"

#include <string_view>

namespace quillby {

namespace {

constexpr std::string_view kUpdateData = "--update-data";

void NotePuzzleFile(const std::string& arg, StartOptions& options)
{
    if (arg.empty() || options.puzzleFile) {
        ++options.ignoredFiles;
    } else {
        options.puzzleFile = arg;
    }
}

}  // namespace

Result<StartOptions> ParseStartOptions(std::span<const std::string> args)
{
    StartOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            options.rest.push_back(arg);
            NotePuzzleFile(arg, options);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == kUpdateData) {
            if (i + 1 == args.size() || args[i + 1].empty()) {
                return Result<StartOptions>::Failure("--update-data needs the shipped folder");
            }
            options.updateFrom = args[++i];
        } else if (arg.starts_with(std::string(kUpdateData) + "=")) {
            options.updateFrom = arg.substr(kUpdateData.size() + 1);
            if (options.updateFrom->empty()) {
                return Result<StartOptions>::Failure("--update-data needs the shipped folder");
            }
        } else {
            options.rest.push_back(arg);
            if (arg.size() <= 1 || arg[0] != '-') {
                NotePuzzleFile(arg, options);
            }
        }
    }
    return options;
}

std::string StartUsage()
{
    return "usage: quillby [--update-data DIR] [FILE]\n"
           "       quillby --version | --help\n"
           "\n"
           "A crossword game. It reads and writes its data under the current directory;\n"
           "quillby-launcher starts it in the player's own copy of the data. FILE, a .crs,\n"
           ".puz or .ipuz puzzle, is opened once the game has started.\n"
           "\n"
           "  --update-data DIR  bring the data in the current directory up to date with the\n"
           "                     shipped folder DIR first, keeping the player's solved clues,\n"
           "                     own clues, saved games and settings\n"
           "  --version          print the version and exit\n"
           "  --help, -h         print this text and exit\n";
}

}  // namespace quillby
