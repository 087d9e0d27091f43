#pragma once

#include <optional>
#include <string>

#include "core/platform/host.h"

namespace quillby {

// A desktop that shows nothing and answers every question the cautious way: No to prompts
// (so nothing asks for a file name), Ok to plain messages, Cancel to every dialog. For runs
// without a window: the command-line tool, the fuzz harnesses and the benchmarks.
class NullHost : public Host {
public:
    Reply ShowMessage(const std::string&, const std::string&, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Reply::Ok : Reply::No;
    }
    std::optional<std::string> ChooseOpenPath() override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath() override { return std::nullopt; }
    void PlaySound(const std::string&) override {}
    void Repaint(bool) override {}
    void SetTitle(const std::string&) override {}
    void SetStatusText(StatusPane, const std::string&) override {}
    void FitFrameToGrid(int, int) override {}
    void Minimise() override {}
    void PlaceClueWindow(bool) override {}
    void ClueLinesChanged() override {}
    void ClueLineSelected(int) override {}
    std::optional<int> RunPuzzleSizeDialog(Game&, int) override { return std::nullopt; }
    ClueEntry AskRunClue(int, const std::string&, const ClueEntryCheck&) override { return {}; }
    bool AskCreatorInstructions(bool instructionsOff) override { return instructionsOff; }
};

}  // namespace quillby
