#include "core/common/clue_markup.h"
#include "core/common/file_io.h"
#include "core/common/html_tokens.h"
#include "core/game/game.h"
#include "core/model/numbering.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"

namespace quillby {

namespace {

const AnswerEntry* EntryStartingAt(const Crossword& crossword, int col, int row, int direction)
{
    for (const AnswerEntry& entry : crossword.answers) {
        if (entry.start != nullptr && entry.start->col == col && entry.start->row == row &&
            entry.direction == direction) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::string Game::TitleForFile(const std::string& path)
{
    std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::optional<std::string> Game::ClueTextOf(const AnswerEntry& entry) const
{
    if (ownClues) {
        if (entry.start == nullptr) {
            return std::nullopt;
        }
        const OwnClue* clue = ownClues->Find(entry.start->number, entry.direction);
        return clue != nullptr ? std::optional(clue->text) : std::nullopt;
    }
    const ClueStore& store = (CreateMode() || userMade != 0) ? userClues : clues;
    const ClueRecord* record = store.Find(entry.AnswerWord());
    if (record == nullptr || record->question.empty()) {
        return std::nullopt;
    }
    // Escaped, so a question with '<', '>' or '&' shows exactly as it was typed.
    return EscapeHtmlText(record->question);
}

PuzzleInfo Game::InfoOfPuzzle() const
{
    return ownClues ? ownClues->info : PuzzleInfo{};
}

void Game::ShowPuzzleInfo()
{
    host.ShowPuzzleInfo(InfoOfPuzzle());
}

Result<OwnPuzzle> Game::PuzzleToExport() const
{
    if (std::optional<std::string> why = WhyNotWritable(crossword)) {
        return Result<OwnPuzzle>::Failure(*why);
    }
    OwnPuzzle puzzle;
    puzzle.crossword = CopySquares(crossword);
    if (!ownClues) {
        // Every run gets a number, also in a design whose answers do not reach every run.
        ApplyStandardNumbering(puzzle.crossword);
    }
    for (const NumberedStart& start : StandardNumbering(crossword)) {
        for (const int direction : {kAcross, kDown}) {
            if (!(direction == kAcross ? start.across : start.down)) {
                continue;
            }
            const AnswerEntry* entry = EntryStartingAt(crossword, start.col, start.row, direction);
            const std::optional<std::string> text =
                entry != nullptr ? ClueTextOf(*entry) : std::nullopt;
            const int number = puzzle.crossword.SquareAt(start.col, start.row)->number;
            puzzle.own.clues.push_back({number, direction, text.value_or("")});
        }
    }
    puzzle.own.info = InfoOfPuzzle();
    if (!CreateMode()) {
        puzzle.clock = clock;
        puzzle.completed = completed;
    }
    return puzzle;
}

Result<std::vector<std::byte>> Game::PuzzleImage(PuzzleFormat format,
                                                 const std::string& titleIfNone) const
{
    using Image = Result<std::vector<std::byte>>;
    if (format == PuzzleFormat::Crs) {
        return CreateMode() ? SerializePuzzle(crossword, 1, Clock{}, false)
                            : SerializePuzzle(crossword, userMade, clock, completed);
    }
    Result<OwnPuzzle> puzzle = PuzzleToExport();
    if (!puzzle) {
        return Image::Failure(puzzle.Error());
    }
    // A puzzle's own description stays as it is, even without a title (its autosave too).
    if (!ownClues) {
        puzzle->own.info.title = titleIfNone;
    }
    return format == PuzzleFormat::Puz ? SerializePuz(puzzle.Value())
                                       : SerializeIpuz(puzzle.Value());
}

PuzzleFormat Game::SuggestedSaveFormat() const
{
    if (!puzzlePath.empty()) {
        return FormatOfName(puzzlePath);
    }
    return ownClues ? PuzzleFormat::Ipuz : PuzzleFormat::Crs;
}

bool Game::ExportPuzzle()
{
    std::optional<std::string> path = host.ChooseExportPath();
    if (!path) {
        return false;
    }
    if (FormatOfName(*path) == PuzzleFormat::Crs) {
        *path += ExtensionOf(PuzzleFormat::Ipuz);  // the dialog offers only the two formats
    }
    const auto image = PuzzleImage(FormatOfName(*path), TitleForFile(*path));
    const Status written =
        image ? WriteFileAtomically(*path, image.Value()) : Status::Failure(image.Error());
    if (!written) {
        host.ShowMessage("Your puzzle could not be exported: " + written.Error() + ".",
                         "Export failed", Buttons::Ok);
        return false;
    }
    return true;
}

}  // namespace quillby
