#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/platform/host.h"

class QSoundEffect;

namespace quillby {

class CMainFrame;

// Host over Qt: message boxes and file dialogs owned by the main window. The parts that need
// the main frame (title, status, clue window) are forwarded to it by the frame's own Host.
class QtHost : public Host {
public:
    explicit QtHost(QWidget* window = nullptr);
    ~QtHost() override;
    void SetWindow(QWidget* newWindow) { window = newWindow; }
    // From here on the title, status panes, repaints, sizing and the clue window go to the
    // frame. Null detaches it (the frame is being destroyed).
    void SetFrame(CMainFrame* newFrame);

    Reply ShowMessage(const std::string& text, const std::string& caption,
                      Buttons buttons) override;
    std::optional<std::string> ChooseOpenPath() override;
    // Save offers .crs, .puz and .ipuz, the game's suggestion selected; Export the last two.
    std::optional<std::string> ChooseSavePath() override;
    std::optional<std::string> ChooseExportPath() override;
    void ShowPuzzleInfo(const PuzzleInfo& info) override;
    // Starts the sound and returns at once; the file is decoded once and kept. Silent when the
    // file is missing or unreadable or the machine has no audio output.
    void PlaySound(const std::string& path) override;
    // The effect the last PlaySound started, or null when none was (for tests).
    const QSoundEffect* Sound() const { return sound.get(); }
    void Repaint(bool erase) override;
    void SetTitle(const std::string& title) override;
    void SetStatusText(StatusPane pane, const std::string& text) override;
    void FitFrameToGrid(int width, int height) override;
    void Minimise() override;
    void PlaceClueWindow(bool shown) override;
    void ClueLinesChanged() override;
    void ClueLineSelected(int index) override;

    // The "Create a puzzle" dialog over the window (ui/generator).
    std::optional<int> RunPuzzleSizeDialog(Game& game, int choice) override;

    // --- Creator dialogs (ui/creator/) ----------------------------------------------------
    ClueEntry AskRunClue(int length, const std::string& label,
                         const ClueEntryCheck& check) override;
    bool AskCreatorInstructions(bool instructionsOff) override;

protected:
    QPointer<QWidget> window;
    CMainFrame* frame = nullptr;

private:
    std::unique_ptr<QSoundEffect> sound;
};

}  // namespace quillby
