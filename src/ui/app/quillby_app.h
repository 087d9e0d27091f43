#pragma once

#include <memory>
#include <string>

#include "core/game/game.h"
#include "ui/app/qt_host.h"

namespace quillby {

class CMainFrame;

// The program's start-up: the game state, then the main frame with its view, then the
// puzzle of the mode the game was left in. Holds them for the whole run.
class CQuillbyApp {
public:
    // folder: the application folder, which every data path starts from.
    explicit CQuillbyApp(std::string folder);
    ~CQuillbyApp();
    CQuillbyApp(const CQuillbyApp&) = delete;
    CQuillbyApp& operator=(const CQuillbyApp&) = delete;

    // Loads, shows the main frame and restores the puzzle. A missing data file is named once
    // in a message box; the game runs on without it.
    void Start();
    // A message for the player over the main frame, e.g. what a data update kept aside.
    void ShowNotice(const std::string& text);
    // Opens the puzzle file named on the command line over the usual puzzle; a refused file is
    // reported and the usual puzzle stays.
    void OpenPuzzleFile(const std::string& path);
    // Closes without a prompt, the puzzle autosaved as on every exit (the session is ending);
    // every open dialog is turned down as if cancelled, and the rest of Start is skipped.
    void CloseWithoutAsking();
    // After CloseWithoutAsking: nothing more is to be shown or opened.
    bool Closing() const { return closing; }

    Game& GameState() { return game; }
    CMainFrame& Frame() { return *frame; }

private:
    QtHost host;
    Game game;
    std::unique_ptr<CMainFrame> frame;
    bool closing = false;
};

}  // namespace quillby
