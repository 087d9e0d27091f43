#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "core/game/game.h"
#include "core/platform/null_host.h"

namespace quillby::cli {

// A Host for a game run without a window: every question is answered No (or OK) and its text
// goes to err; dialogs are cancelled.
class QuietHost : public NullHost {
public:
    explicit QuietHost(std::ostream& err) : err(err) {}

    Reply ShowMessage(const std::string& text, const std::string& caption,
                      Buttons buttons) override;

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
