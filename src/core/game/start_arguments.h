#pragma once

#include <optional>
#include <span>
#include <string>

#include "core/common/result.h"

namespace quillby {

// What the game's command line asks for.
struct StartArguments {
    std::optional<std::string> puzzleFile;  // a puzzle to open after the usual start
};

// Reads the game's arguments (without the program's name): at most one puzzle file, which may
// begin with '-' after "--". Refuses, with the reason, an option it does not know, a second
// file, an empty name and a name with a NUL.
Result<StartArguments> ParseStartArguments(std::span<const std::string> args);

}  // namespace quillby
