#include <ostream>

#include "cli/cli.h"
#include "cli/cli_generation.h"
#include "cli/cli_puzzles.h"
#include "core/common/file_io.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"

namespace quillby::cli {

namespace {

constexpr const char* kUsage =
    "usage: quillby-cli convert IN OUT [--title T] [--author A] [--data DIR]\n";

// The puzzle as .puz or .ipuz, with the description the flags give.
Result<std::vector<std::byte>> OwnImage(const Game& game, PuzzleFormat format,
                                        const std::string& out, std::span<const std::string> args)
{
    Result<OwnPuzzle> puzzle = game.PuzzleToExport();
    if (!puzzle) {
        return Result<std::vector<std::byte>>::Failure(out +
                                                       ": cannot be written: " + puzzle.Error());
    }
    PuzzleInfo& info = puzzle->own.info;
    if (game.OwnCluesOf() == nullptr) {
        info.title = Game::TitleForFile(out);
    }
    info.title = FlagValue(args, "--title", info.title);
    info.author = FlagValue(args, "--author", info.author);
    return format == PuzzleFormat::Puz ? SerializePuz(puzzle.Value())
                                       : SerializeIpuz(puzzle.Value());
}

}  // namespace

int RunConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    (void)out;
    if (args.size() < 2 || args[0].starts_with("--") || args[1].starts_with("--")) {
        err << kUsage;
        return 2;
    }
    const std::string& from = args[0];
    const std::string& to = args[1];
    const auto flags = args.subspan(2);
    const bool describes = HasFlag(flags, "--title") || HasFlag(flags, "--author");
    const PuzzleFormat format = FormatOfName(to);
    if (format == PuzzleFormat::Crs && !to.ends_with(".crs") && !to.ends_with(".CRS")) {
        err << to << ": the name must end in .crs, .puz or .ipuz\n";
        return 2;
    }
    if (format == PuzzleFormat::Crs && describes) {
        err << "--title and --author need a .puz or .ipuz file to write\n";
        return 2;
    }
    // Only a .puz or .ipuz needs clue texts, which a .crs takes from the clue files.
    const auto data =
        format == PuzzleFormat::Crs ? std::nullopt : std::optional<std::string>(DataFolder(flags));
    std::optional<PuzzleGame> opened = OpenPuzzleGame(from, data, err);
    if (!opened) {
        return 1;
    }
    const Game& game = *opened->game;
    if (format == PuzzleFormat::Crs && game.OwnCluesOf() != nullptr) {
        err << "note: " << to << " keeps the grid, the letters and the clock, but a .crs file "
            << "cannot hold the puzzle's own clues\n";
    }
    const auto image =
        format == PuzzleFormat::Crs ? game.PuzzleImage(format) : OwnImage(game, format, to, flags);
    if (!image) {
        err << image.Error() << "\n";
        return 1;
    }
    if (const Status written = WriteFileAtomically(to, image.Value()); !written) {
        err << written.Error() << "\n";
        return 1;
    }
    return 0;
}

}  // namespace quillby::cli
