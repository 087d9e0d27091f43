#pragma once

#include <string>

namespace quillby {

// The user's choices carried from one run to the next.
struct Settings {
    bool createMode = false;
    bool printUserSquares = false;
    bool printSolution = false;
    int colourScheme = 0;
    bool creatorInstructionsOff = false;
    bool operator==(const Settings&) const = default;
};

// Missing file: the defaults. A short file sets the fields it covers; the rest keep defaults.
Settings LoadSettings(const std::string& path);
// Atomic; false (old file kept) when it cannot be written.
bool SaveSettings(const std::string& path, const Settings& settings);

// Starts the log: the file truncated and given its fixed header. False when it cannot be made.
bool StartLog(const std::string& fileName);

}  // namespace quillby
