#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// How keys move the cursor in play mode. Classic is the game's own: letters, Backspace,
// Delete and Esc only.
enum class KeyboardStyle { Classic, Modern };

// A window's top-left corner on the desktop.
struct ScreenPlace {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPlace&) const = default;
};

// Zoom: the pixels from one square to the next. 36 is the game's own ("Actual Size").
inline constexpr int kMinSquarePitch = 24;
inline constexpr int kActualSquarePitch = 36;
inline constexpr int kMaxSquarePitch = 72;

// The player's own choices, kept beside the game's 8-byte settings file in a text file of
// "key = value" lines. Every field's default is the game as it always was.
struct Preferences {
    KeyboardStyle keyboard = KeyboardStyle::Classic;
    bool skipFilledSquares = false;  // Modern typing passes over squares already filled
    bool showMistakes = false;       // a wrong letter is marked as it is typed
    bool modernMenus = false;        // the Edit and View menus and the Pencil button
    bool desktopColours = false;     // the "Desktop" colour scheme instead of the settings'
    int squarePitch = kActualSquarePitch;
    int sizeChoice = 1;  // the New Puzzle size last confirmed, as the size dialog numbers it
    std::optional<ScreenPlace> mainWindow;
    std::optional<ScreenPlace> clueWindow;  // none: beside the grid, as the game places it
    // Keys this version does not know, kept in order so that writing the file loses nothing
    // a newer version put there.
    std::vector<std::pair<std::string, std::string>> unknown;

    bool operator==(const Preferences&) const = default;
};

// Preferences read from text, and what in it could not be read (each names its line). A
// value that cannot be read leaves its field at the default; an unknown key is kept aside.
struct ReadPreferences {
    Preferences preferences;
    std::vector<std::string> problems;
};

inline constexpr std::size_t kMaxPreferencesBytes = 64 * 1024;

ReadPreferences ParsePreferences(std::string_view text);
// The file's text: a comment naming each key's values, then one line per key.
std::string FormatPreferences(const Preferences& preferences);

// A missing file gives the defaults and no problem; an unreadable or oversized one the
// defaults and one problem.
ReadPreferences LoadPreferences(const std::string& path);
// Atomic: a failure leaves the old file as it was.
Status SavePreferences(const std::string& path, const Preferences& preferences);

// The one message that tells the player what was wrong in the file and that defaults are
// used instead; empty when nothing was.
std::string PreferencesMessage(const std::string& path, const std::vector<std::string>& problems);

}  // namespace quillby
