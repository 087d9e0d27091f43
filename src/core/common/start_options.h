#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// What the game's command line asks for before the window opens.
struct StartOptions {
    bool version = false;  // --version: print the version and stop
    bool help = false;     // --help, -h: print the usage and stop
    // --update-data DIR: bring the application folder up to date with the shipped folder DIR
    // before starting (the launcher passes it when the shipped data has changed).
    std::optional<std::string> updateFrom;
    // Every other argument, in order; after "--" all of them, whatever they look like.
    std::vector<std::string> rest;
    // The puzzle to open once the game has started: the first of rest that is not an option
    // (after "--", the first of rest whatever it looks like).
    std::optional<std::string> puzzleFile;
    // The arguments of rest that are neither options nor the puzzle file, which the game does
    // not use (it opens one puzzle).
    int ignoredFiles = 0;
};

// args without the program's name. Refused with a reason when --update-data has no folder.
Result<StartOptions> ParseStartOptions(std::span<const std::string> args);

// The text --help prints.
std::string StartUsage();

}  // namespace quillby
