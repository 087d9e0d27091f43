#pragma once

#include <optional>
#include <string>

namespace quillby {

// The application folder is the current directory at start-up, not the executable's folder:
// a game started elsewhere looks for its data there. Any length of path works.
bool SetAppFolder();
void SetAppFolder(std::string folder);
std::optional<std::string> AppFolder();

// Paths under an application folder, always joined with '/'.
struct AppPaths {
    std::string folder;

    std::string Data(const std::string& name) const { return folder + "/data/" + name; }
    std::string Dawg() const { return Data("eng_dawg"); }
    // The answers of the fully checked American grids.
    std::string FillWords() const { return Data("eng_fill_words"); }
    // The answers of the last American puzzles, which the next leaves out.
    std::string RecentAnswers() const { return Data("recent_answers"); }
    std::string Template(int width, int height) const;
    std::string MainClues() const { return Data("eng_clues.b"); }
    std::string UserClues() const { return Data("output_user.b"); }
    std::string PlayAutosave() const { return Data("volatile.crs"); }
    std::string CreateAutosave() const { return Data("volatile_cre.crs"); }
    // The play autosave of a puzzle with its own clues (.puz, .ipuz), which .crs cannot hold.
    std::string OwnAutosave() const { return Data("volatile_own.ipuz"); }
    std::string DefaultPuzzle() const { return Data("eng_default.crs"); }
    std::string Settings() const { return Data("settings.dat"); }
    std::string ClickSound() const { return Data("click.wav"); }
    std::string Cursor() const { return folder + "/res/cursor.cur"; }
    // Held by the running game, so a second one in the same folder stops.
    std::string Lock() const { return Data("quillby.lock"); }
};

}  // namespace quillby
