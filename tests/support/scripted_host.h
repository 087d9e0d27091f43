#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/host.h"

namespace quillby::testing {

// A Host that records every call and answers prompts from queues, so a test reads like a
// player's session: queue the replies, act, then check what the game asked and showed.
class ScriptedHost : public Host {
public:
    struct Message {
        std::string text;
        std::string caption;
        Buttons buttons;
    };

    std::deque<Reply> replies;  // answers to message boxes; empty: Ok / Yes
    // Runs while each message box is up, as the desktop's timers go on running under a
    // modal box (the clock ticking behind a congratulation).
    std::function<void(const Message&)> whileShown;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<std::string>> exportPaths;
    std::vector<PuzzleInfo> puzzleInfos;  // what each Puzzle Info dialog showed

    std::vector<Message> messages;
    std::vector<std::string> sounds;
    std::vector<std::string> titles;
    std::vector<bool> repaints;  // the erase flag of each repaint
    std::string promptText;
    std::string timeText;
    int fits = 0;
    int minimised = 0;
    bool clueWindowShown = true;
    int clueListChanges = 0;
    int selectedClueLine = -1;

    Reply ShowMessage(const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    std::optional<std::string> ChooseOpenPath() override;
    std::optional<std::string> ChooseSavePath() override;
    std::optional<std::string> ChooseExportPath() override;
    void ShowPuzzleInfo(const PuzzleInfo& info) override { puzzleInfos.push_back(info); }
    void PlaySound(const std::string& path) override { sounds.push_back(path); }
    void Repaint(bool erase) override { repaints.push_back(erase); }
    void SetTitle(const std::string& title) override { titles.push_back(title); }
    void SetStatusText(StatusPane pane, const std::string& text) override;
    void FitFrameToGrid(int, int) override { ++fits; }
    void Minimise() override { ++minimised; }
    void PlaceClueWindow(bool shown) override { clueWindowShown = shown; }
    void ClueLinesChanged() override { ++clueListChanges; }
    void ClueLineSelected(int index) override { selectedClueLine = index; }

    // --- New puzzle ----------------------------------------------------------------------
    // Presses in the size dialog, in order: a choice presses "Create..." with it, nullopt
    // presses Cancel; with none left the dialog is cancelled. In play mode each Create runs
    // the generation to its end, pressing the generating dialog's Cancel at once when
    // cancelGenerations is set.
    std::deque<std::optional<int>> sizePresses;
    bool cancelGenerations = false;
    std::vector<int> sizeDialogsOpenedWith;
    int generations = 0;
    std::optional<int> RunPuzzleSizeDialog(Game& game, int choice) override;

    // --- Creator dialogs ------------------------------------------------------------------
    // What the user types into the clue dialog and then presses Add; nullopt presses Cancel.
    // While Add is refused, the next typing is taken; none left presses Cancel.
    struct ClueTyping {
        std::string question;
        std::string answer;
    };
    std::deque<std::optional<ClueTyping>> clueTypings;
    std::vector<std::string> clueDialogLabels;  // the label of each clue dialog shown
    // The instructions' "Don't show me this dialog again" box after "Ok"; empty: unchanged.
    std::deque<bool> instructionsChoices;
    int instructionsShown = 0;

    ClueEntry AskRunClue(int length, const std::string& label,
                         const ClueEntryCheck& check) override;
    bool AskCreatorInstructions(bool instructionsOff) override;
    // -------------------------------------------------------------------------------------

    std::string Title() const { return titles.empty() ? "" : titles.back(); }
    std::vector<std::string> MessageTexts() const;
};

}  // namespace quillby::testing
