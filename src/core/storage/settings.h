#pragma once

#include <cstddef>
#include <span>
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

// The settings file is 8 bytes; anything much longer is not one and gives the defaults.
inline constexpr std::size_t kMaxSettingsFileBytes = 1024;

// Missing file: the defaults. A short file sets the fields it covers; the rest keep defaults.
// So do a file that is not a regular file and one longer than kMaxSettingsFileBytes.
Settings LoadSettings(const std::string& path);
// The settings an image holds, read as LoadSettings reads the file.
Settings ParseSettings(std::span<const std::byte> bytes);
// Atomic; false (old file kept) when it cannot be written.
bool SaveSettings(const std::string& path, const Settings& settings);

// Starts the log: the file truncated and given its fixed header. False when it cannot be made.
bool StartLog(const std::string& fileName);

}  // namespace quillby
