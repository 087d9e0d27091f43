#include "core/game/game.h"

namespace quillby {

void Game::SelectAt(int x, int y, int direction, bool notify)
{
    // Integer division truncates toward zero, so the margin counts as column and row 0.
    Square* square =
        crossword.SquareAt((x - kGridMargin) / kSquarePitch, (y - kGridMargin) / kSquarePitch);
    if (square == nullptr || !square->open) {
        return;
    }
    if (square == crossword.cursorSquare) {
        square->cursorDown = !square->cursorDown;  // a second click switches direction
    }
    crossword.cursorSquare = square;
    square->isCursor = true;
    crossword.ClearHighlights();
    // At a crossing the square's stored direction picks one run; elsewhere the only run wins.
    const bool crossing = crossword.IsCrossing(square->col, square->row);
    if (direction != kDown && !(crossing && square->cursorDown && direction != kAcross)) {
        HighlightRun(*square, kAcross, notify);
    }
    bool downLit = false;
    if (direction != kAcross && !(crossing && !square->cursorDown && direction != kDown)) {
        downLit = HighlightRun(*square, kDown, notify);
    }
    square->cursorDown = downLit;
}

bool Game::HighlightRun(Square& square, int direction, bool notify)
{
    int length = 0;
    const std::vector<Square*> run =
        crossword.RunSquares(square.col, square.row, direction, length);
    const bool lit = length > 1;
    if (lit) {
        for (Square* member : run) {
            member->highlighted = true;
        }
    }
    if (notify) {
        if (const AnswerEntry* entry = crossword.FindEntryAt(square.col, square.row, direction)) {
            clueList.SelectLine(static_cast<int>(entry->clueItemId));
        }
    }
    return lit;
}

void Game::ShowClueInStatus()
{
    const Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return;
    }
    const AnswerEntry* entry =
        crossword.FindEntryAt(cursor->col, cursor->row, cursor->cursorDown ? kDown : kAcross);
    if (entry == nullptr) {
        return;
    }
    if (!entry->HasAnswer()) {
        host.SetStatusText(StatusPane::Prompt, "Create Crossword Mode");
        return;
    }
    if (const ClueRecord* record = ListedClues().Find(entry->AnswerWord())) {
        host.SetStatusText(StatusPane::Prompt, "Clue: " + record->question);
    }
}

}  // namespace quillby
