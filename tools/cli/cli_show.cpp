#include <ostream>

#include "cli/cli.h"
#include "core/storage/puzzle_file.h"

namespace quillby::cli {

int RunShow(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: quillby-cli show FILE.crs\n";
        return 2;
    }
    const std::string& path = args[0];
    Result<PuzzleFile> puzzle = ReadPuzzleFile(path);
    if (!puzzle) {
        err << puzzle.Error() << "\n";
        return 1;
    }
    puzzle->crossword.BuildAnswerList();
    puzzle->crossword.SetAnswersFromGrid();
    out << JsonText(
               PuzzleJson(puzzle->crossword, puzzle->userMade, puzzle->clock, puzzle->completed))
        << "\n";
    return 0;
}

}  // namespace quillby::cli
