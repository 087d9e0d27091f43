#pragma once

#include <optional>
#include <string>

namespace quillby {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Reply { Ok, Yes, No, Cancel };

// The status bar's panes.
enum class StatusPane { Prompt = 0, Time = 1 };

// What the game needs from a desktop. The Qt shell implements it; tests script it.
class Host {
public:
    virtual ~Host() = default;

    // A modal message box. An empty caption is shown empty.
    virtual Reply ShowMessage(const std::string& text, const std::string& caption,
                              Buttons buttons) = 0;
    // The "Open a puzzle" and "Save your puzzle" file dialogs; nullopt when cancelled.
    virtual std::optional<std::string> ChooseOpenPath() = 0;
    virtual std::optional<std::string> ChooseSavePath() = 0;

    // Starts a sound file playing and returns at once; silence when there is no audio.
    virtual void PlaySound(const std::string& path) = 0;
    virtual void Repaint(bool erase) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetStatusText(StatusPane pane, const std::string& text) = 0;
    // Sizes the main window so the view shows exactly a grid of this size with its margins.
    virtual void FitFrameToGrid(int width, int height) = 0;
    // Minimises the main window and the clue window.
    virtual void Minimise() = 0;
    // Shows the clue window beside the main window, or hides it.
    virtual void PlaceClueWindow(bool shown) = 0;

    // The clue list's lines were rebuilt; the lines are read back from the game.
    virtual void ClueLinesChanged() = 0;
    // A clue line became the selected one (-1: none).
    virtual void ClueLineSelected(int index) = 0;
};

}  // namespace quillby
