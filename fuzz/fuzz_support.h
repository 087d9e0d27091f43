#pragma once

// What the harnesses share: a Host that answers every question without a desktop, and a
// scratch folder for files, in memory where the machine has /dev/shm so saves stay fast.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/platform/host.h"

namespace quillby::fuzz {

// Answers prompts with No (so nothing asks for a file name), Ok to messages, Cancel to every
// dialog; records nothing.
class QuietHost : public Host {
public:
    std::optional<std::string> savePath;  // what the Save dialog answers; nullopt: Cancel

    Reply ShowMessage(const std::string&, const std::string&, Buttons buttons) override
    {
        return buttons == Buttons::Ok ? Reply::Ok : Reply::No;
    }
    std::optional<std::string> ChooseOpenPath() override { return std::nullopt; }
    std::optional<std::string> ChooseSavePath() override { return savePath; }
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

// A fresh folder with data/ and res/, made once per process and left for the system to clear.
inline const std::string& ScratchFolder()
{
    static const std::string folder = [] {
        const std::string base = std::filesystem::is_directory("/dev/shm")
                                     ? "/dev/shm"
                                     : std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/quillby-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            ::abort();
        }
        std::filesystem::create_directories(pattern + "/data");
        std::filesystem::create_directories(pattern + "/res");
        return pattern;
    }();
    return folder;
}

}  // namespace quillby::fuzz
