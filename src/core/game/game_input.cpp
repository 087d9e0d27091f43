#include "core/common/clue_markup.h"
#include "core/game/game.h"

namespace quillby {

Square* Game::HitTest(int x, int y)
{
    const Cell cell = geometry.CellAt(x, y);
    return crossword.SquareAt(cell.col, cell.row);
}

void Game::SetGeometry(const GridGeometry& newGeometry)
{
    geometry = newGeometry;
    host.FitFrameToGrid(crossword.width, crossword.height);
    host.Repaint(true);
}

void Game::SelectAt(int x, int y, int direction, bool notify)
{
    SelectSquare(HitTest(x, y), direction, notify);
}

void Game::SelectSquare(Square* square, int direction, bool notify)
{
    if (square == nullptr || !square->open) {
        return;
    }
    if (square == crossword.cursorSquare) {
        square->cursorDown = !square->cursorDown;  // a second click switches direction
    }
    crossword.cursorSquare = square;
    square->isCursor = true;
    crossword.ClearHighlights();

    const bool crossing = crossword.IsCrossing(square->col, square->row);
    bool downHighlighted = false;
    auto highlightRun = [&](int runDirection) {
        int length = 0;
        const auto run = crossword.RunSquares(square->col, square->row, runDirection, length);
        if (length > 1) {
            for (Square* member : run) {
                member->highlighted = true;
            }
        }
        if (notify) {
            if (const AnswerEntry* entry =
                    crossword.FindEntryAt(square->col, square->row, runDirection)) {
                SelectLine(entry->clueItemId);
            }
        }
        return length > 1;
    };
    if (direction != kDown && !(crossing && square->cursorDown && direction != kAcross)) {
        highlightRun(kAcross);
    }
    if (direction != kAcross && !(crossing && !square->cursorDown && direction != kDown)) {
        downHighlighted = highlightRun(kDown);
    }
    square->cursorDown = downHighlighted;
}

void Game::LeftClick(int x, int y)
{
    SelectAt(x, y, -1, true);
    if (!CreateMode()) {
        ShowClueInStatus();
    }
    host.Repaint(false);
}

void Game::RightClick(int x, int y)
{
    if (CreateMode()) {
        ToggleSquare(x, y);
        host.Repaint(false);  // the dropped selection shows even when nothing was toggled
    }
}

void Game::KeyDown(int key)
{
    if (CreateMode()) {
        if (key == kKeySpace) {
            AddRunClue();
        } else if (key == kKeyDelete) {
            RemoveRunAnswer(crossword.cursorSquare);
        }
        modified = true;
        host.Repaint(false);
        return;
    }
    if (completed || clockPaused) {
        return;
    }
    if (key == kKeyEscape) {
        host.Minimise();
        return;
    }
    if (preferences.keyboard == KeyboardStyle::Modern) {
        ModernKey(key);
        return;
    }
    char letter = 0;
    if (key >= 'A' && key <= 'Z') {
        letter = static_cast<char>(key);
    } else if (key != kKeyBackspace && key != kKeyDelete) {
        return;
    }
    Square* cursor = crossword.cursorSquare;
    EditScope edit(*this);
    if (cursor != nullptr) {
        if (letter != 0) {
            TypeLetter(*cursor, letter);
            crossword.MoveCursor(true);
        } else {
            if (cursor->guess == 0) {
                crossword.MoveCursor(false);
            }
            PutGuess(*crossword.cursorSquare, 0, false);
        }
    }
    AfterPlayKey(letter != 0 && cursor != nullptr);
}

void Game::TypeLetter(Square& square, char letter)
{
    PutGuess(square, letter, pencil);
    if (preferences.showMistakes && !IsRight(square)) {
        square.marks |= kMarkWrong;
    }
}

void Game::ShowClueInStatus()
{
    const Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return;
    }
    const AnswerEntry* entry =
        crossword.FindEntryAt(cursor->col, cursor->row, cursor->cursorDown ? kDown : kAcross);
    if (entry != nullptr && entry->AnswerWord().empty()) {
        host.SetStatusText(StatusPane::Prompt, "Create Crossword Mode");
        return;
    }
    const std::optional<std::string> clue = entry == nullptr ? std::nullopt : ClueTextOf(*entry);
    // The clue of the run selected before must not stay up as if it were this run's.
    host.SetStatusText(StatusPane::Prompt,
                       clue ? "Clue: " + PlainTextOfMarkup(*clue) : kNoClueForRun);
}

}  // namespace quillby
