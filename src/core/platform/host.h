#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/model/own_clues.h"

namespace quillby {

class Game;

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Reply { Ok, Yes, No, Cancel };

// The status bar's panes.
enum class StatusPane { Prompt = 0, Time = 1 };

// --- Creator dialogs ------------------------------------------------------------------------
// How the clue entry dialog ends: Cancel (its button or the close box), Add, or Add keeping the
// question already stored for that answer. Stay keeps the dialog open after a refused Add.
enum class ClueEntryResult { Cancel = -1, Stay = 0, Add = 1, KeepExisting = 100 };
struct ClueEntry {
    ClueEntryResult result = ClueEntryResult::Cancel;
    std::string question;  // UTF-8, as typed
    std::string answer;    // as typed, upper-cased by the answer field
};
// The Add button's rules: shows what is wrong itself and says how the dialog ends.
using ClueEntryCheck =
    std::function<ClueEntryResult(const std::string& question, const std::string& answer)>;
// ---------------------------------------------------------------------------------------------

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
    // --- Puzzle files of other formats --------------------------------------------------
    // The "Export puzzle" dialog, offering .puz and .ipuz; nullopt when cancelled (the default,
    // for hosts without one).
    virtual std::optional<std::string> ChooseExportPath() { return std::nullopt; }
    // The modal "Puzzle Info" dialog: the puzzle's title, author, copyright and notes.
    virtual void ShowPuzzleInfo(const PuzzleInfo& info) { (void)info; }

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

    // --- New puzzle ----------------------------------------------------------------------
    // The modal "Create a puzzle" dialog, opened showing choice (0: 9 x 9, 1: 11 x 11). In
    // play mode its "Create..." runs a generation through game (Begin/End Generation) and
    // the dialog ends only once one has succeeded. Returns the confirmed choice, or nullopt
    // when the dialog ended without one (Cancel, Enter, the close box).
    virtual std::optional<int> RunPuzzleSizeDialog(Game& game, int choice) = 0;

    // --- Creator dialogs ------------------------------------------------------------------
    // The modal clue entry dialog for a run: label is the answer prompt, length the run's
    // length. Every press of Add is passed to check; the dialog closes only when check says
    // so, or on Cancel and the close box. Enter and Esc do nothing.
    virtual ClueEntry AskRunClue(int length, const std::string& label,
                                 const ClueEntryCheck& check) = 0;
    // The modal creator instructions with the "Don't show me this dialog again" box set from
    // instructionsOff; returns the box's state after "Ok", or instructionsOff unchanged when
    // the dialog was closed with its close box.
    virtual bool AskCreatorInstructions(bool instructionsOff) = 0;
};

}  // namespace quillby
