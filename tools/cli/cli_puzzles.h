#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "core/game/game.h"
#include "core/platform/host.h"

namespace quillby::cli {

// A Host for a game run without a window: every question is answered No (or OK) and its text
// goes to err; dialogs are cancelled.
class QuietHost : public Host {
public:
    explicit QuietHost(std::ostream& err) : err(err) {}

    Reply ShowMessage(const std::string& text, const std::string& caption,
                      Buttons buttons) override;
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

private:
    std::ostream& err;
};

// A puzzle file read into a game of its own, as the game would show it.
struct PuzzleGame {
    std::unique_ptr<QuietHost> host;
    std::unique_ptr<Game> game;
};

// Reads a .crs, .puz or .ipuz file into a game. A .crs takes its clues from the clue files in
// dataFolder (eng_clues.b, output_user.b), when one is given. Empty after one line on err
// ("This file is not a valid crossword: PATH REASON").
std::optional<PuzzleGame> OpenPuzzleGame(const std::string& path,
                                         const std::optional<std::string>& dataFolder,
                                         std::ostream& err);

}  // namespace quillby::cli
