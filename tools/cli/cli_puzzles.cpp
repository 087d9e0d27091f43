#include "cli/cli_puzzles.h"

#include <filesystem>
#include <ostream>

#include "core/storage/puzzle_formats.h"

namespace quillby::cli {

Reply QuietHost::ShowMessage(const std::string& text, const std::string&, Buttons buttons)
{
    err << text << "\n";
    return buttons == Buttons::Ok ? Reply::Ok : Reply::No;
}

std::optional<PuzzleGame> OpenPuzzleGame(const std::string& path,
                                         const std::optional<std::string>& dataFolder,
                                         std::ostream& err)
{
    // A file that cannot be read (missing, a pipe, a device, too long) is named as every
    // quillby-cli reader names it; one read but refused is not a valid crossword.
    const auto bytes = ReadPuzzleBytes(path);
    if (!bytes) {
        err << bytes.Error() << "\n";
        return std::nullopt;
    }
    Result<LoadedPuzzle> loaded = ParsePuzzleBytes(path, bytes.Value());
    if (!loaded) {
        err << RefusedPuzzleMessage(path, loaded.Error()) << "\n";
        return std::nullopt;
    }
    PuzzleGame opened;
    opened.host = std::make_unique<QuietHost>(err);
    opened.game = std::make_unique<Game>(*opened.host, ".");
    Game& game = *opened.game;
    if (dataFolder && !loaded->own) {
        // The clues of a .crs come from a store: the user's for a user-made puzzle.
        const bool user = loaded->puzzle.userMade != 0;
        const std::string store = *dataFolder + (user ? "/output_user.b" : "/eng_clues.b");
        std::error_code error;
        if (!std::filesystem::is_regular_file(store, error)) {
            err << store << ": not found: the clues of a .crs file come from the application "
                << "folder's clue files (--data DIR)\n";
            return std::nullopt;
        }
        const Status read = (user ? game.userClues : game.clues).Load(store);
        if (!read) {
            err << read.Error() << "\n";
            return std::nullopt;
        }
    }
    game.AdoptLoadedPuzzle(std::move(loaded.Value()));
    return opened;
}

}  // namespace quillby::cli
