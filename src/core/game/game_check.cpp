#include <string>

#include "core/game/game.h"

namespace quillby {

std::vector<Square*> Game::ScopeSquares(CheckScope scope)
{
    std::vector<Square*> squares;
    Square* cursor = crossword.cursorSquare;
    if (CreateMode() || completed || clockPaused) {
        return squares;  // as for the game's own Check, Hint and Solve
    }
    if (scope == CheckScope::Puzzle) {
        for (Square& square : crossword.squares) {
            if (square.open) {
                squares.push_back(&square);
            }
        }
    } else if (cursor != nullptr && cursor->open) {
        int length = 0;
        const int direction = cursor->cursorDown ? kDown : kAcross;
        squares = scope == CheckScope::Word
                      ? crossword.RunSquares(cursor->col, cursor->row, direction, length)
                      : std::vector<Square*>{cursor};
    }
    return squares;
}

void Game::CheckLetters(CheckScope scope)
{
    const std::vector<Square*> squares = ScopeSquares(scope);
    if (squares.empty()) {
        return;
    }
    EditScope edit(*this);
    int wrong = 0;
    for (Square* square : squares) {
        if (square->guess != 0 && !IsRight(*square)) {
            square->marks |= kMarkWrong;
            ++wrong;
        }
    }
    host.SetStatusText(StatusPane::Prompt, wrong == 0 ? "No wrong letters"
                                           : wrong == 1
                                               ? "1 wrong letter marked"
                                               : std::to_string(wrong) + " wrong letters marked");
    host.Repaint(false);
}

void Game::RevealLetters(CheckScope scope)
{
    const std::vector<Square*> squares = ScopeSquares(scope);
    if (squares.empty()) {
        return;
    }
    EditScope edit(*this);
    for (Square* square : squares) {
        if (!IsRight(*square)) {
            GiveLetter(*square);
        }
    }
    modified = true;
    host.Repaint(false);
    if (scope == CheckScope::Puzzle) {
        // The whole grid given is no win to congratulate, as with Solve.
        solvedByCommand = true;
        (void)CountCorrectAnswers();
    } else {
        errorPromptPending = true;  // as after a hint: a full grid with mistakes is offered
    }
    TestCompletion();
}

void Game::TogglePencil()
{
    pencil = !pencil;
    host.Repaint(false);
}

}  // namespace quillby
