#include <string>

#include "core/game/game.h"

namespace quillby {

bool Game::IsRight(const Square& square)
{
    const char guess = square.guess;
    const char solution = square.solution;
    if (guess == 0) {
        return false;
    }
    return guess == solution || (solution == 'S' && guess == 'Z') ||
           (solution == 'Z' && guess == 'S');
}

int Game::CountCorrectAnswers()
{
    int count = 0;
    for (const AnswerEntry& entry : crossword.answers) {
        bool right = true;
        for (const Square* square : crossword.EntrySquares(entry)) {
            right = right && IsRight(*square);
        }
        if (!right) {
            continue;
        }
        ++count;
        // A user-made puzzle's words come from the user's clues, not the main store; a puzzle
        // with its own clues touches no store at all.
        if (UsesClueStores() && userMade == 0) {
            ClueRecord* record = clues.Find(entry.AnswerWord());
            if (record != nullptr && record->solved == 0) {
                clues.MarkSolved(*record);
            }
        }
    }
    if (UsesClueStores()) {
        clues.RecycleSolved();
    }
    return count;
}

void Game::TestCompletion()
{
    if (completed) {
        return;
    }
    bool anyOpen = false;
    for (int col = 0; col < crossword.width; ++col) {
        for (int row = 0; row < crossword.height; ++row) {
            const Square& square = *crossword.SquareAt(col, row);
            if (!square.open) {
                continue;
            }
            anyOpen = true;
            if (!IsRight(square)) {
                (void)OfferErrorPrompt();
                return;
            }
        }
    }
    // A grid without a single open square has nothing to solve.
    if (!anyOpen) {
        return;
    }
    host.Repaint(false);
    // Completed before the congratulation shows: the clock stops at the time it names, and
    // a save made later keeps that time.
    completed = true;
    if (!solvedByCommand) {
        host.ShowMessage("You completed the puzzle in " + std::to_string(clock.hours) +
                             " hours,\n" + std::to_string(clock.minutes) + " minutes and " +
                             std::to_string(clock.seconds) + " seconds.",
                         "Congratulations", Buttons::Ok);
    }
}

bool Game::OfferErrorPrompt()
{
    if (!errorPromptPending) {
        return false;
    }
    errorPromptPending = false;
    if (completed) {
        return false;
    }
    for (const Square& square : crossword.squares) {
        if (square.open && square.guess == 0) {
            return false;  // not full yet: nothing to say
        }
    }
    const Reply reply = host.ShowMessage(
        "The puzzle contains errors, would you like the incorrect squares to be cleared?",
        "Attention", Buttons::YesNo);
    if (reply == Reply::Yes) {
        ClearIncorrectSquares();
    }
    return true;
}

void Game::ClearIncorrectSquares()
{
    EditScope edit(*this);
    for (Square& square : crossword.squares) {
        if (square.open && square.guess != 0 && !IsRight(square)) {
            PutGuess(square, 0, false);
        }
    }
    host.Repaint(false);
}

void Game::GiveHint()
{
    if (completed || clockPaused) {
        return;
    }
    Square* square = crossword.cursorSquare;
    if (square == nullptr || !square->open) {
        host.ShowMessage("Please select a run for a hint to be given", kAppTitle, Buttons::Ok);
        return;
    }
    host.PlaySound(paths.ClickSound());
    EditScope edit(*this);
    GiveLetter(*square);
    host.Repaint(false);
    errorPromptPending = true;
    TestCompletion();
}

void Game::SolvePuzzle()
{
    EditScope edit(*this);
    solvedByCommand = true;
    for (int col = 0; col < crossword.width; ++col) {
        for (int row = 0; row < crossword.height; ++row) {
            Square& square = *crossword.SquareAt(col, row);
            if (square.open) {
                GiveLetter(square);
            }
        }
    }
    host.Repaint(false);
    (void)CountCorrectAnswers();
    TestCompletion();
}

void Game::SolveCommand()
{
    if (completed || clockPaused) {
        return;
    }
    const Reply reply =
        host.ShowMessage("This feature cannot be undone, are you sure you want to continue?",
                         "Attention", Buttons::YesNo);
    if (reply != Reply::No) {
        SolvePuzzle();
    }
}

void Game::CheckPuzzle()
{
    if (completed || clockPaused) {
        return;
    }
    const int right = CountCorrectAnswers();
    host.ShowMessage("You have " + std::to_string(right) + " correct answers", "Attention",
                     Buttons::Ok);
}

void Game::ResetPuzzle()
{
    if (modified &&
        OfferSave("Would you like to save your progress before resetting this puzzle?", "Attention",
                  Buttons::YesNo, [this] { return SavePuzzle(true); }) == SaveChoice::Aborted) {
        return;
    }
    EditScope edit(*this);
    for (Square& square : crossword.squares) {
        if (square.open) {
            square.guess = 0;
            square.marks = 0;
        }
    }
    clock = Clock{};
    completed = false;
    host.Repaint(false);
}

void Game::PutGuess(Square& square, char letter, bool pencilled)
{
    if (square.guess != letter) {
        square.guess = letter;
        square.marks &= static_cast<std::uint8_t>(~(kMarkWrong | kMarkRevealed));
    }
    if (letter != 0 && pencilled) {
        square.marks |= kMarkPencil;
    } else {
        square.marks &= static_cast<std::uint8_t>(~kMarkPencil);
    }
}

void Game::GiveLetter(Square& square)
{
    const bool given = !IsRight(square);
    PutGuess(square, square.solution, false);
    if (given) {
        square.marks |= kMarkRevealed;
    }
}

void Game::AfterPlayKey(bool letterTyped)
{
    if (completed || clockPaused) {
        return;
    }
    if (letterTyped) {
        errorPromptPending = true;
    }
    (void)CountCorrectAnswers();
    TestCompletion();
    modified = true;
    host.Repaint(false);
}

void Game::LoadClueStores()
{
    for (auto [store, path] :
         {std::pair{&clues, paths.MainClues()}, std::pair{&userClues, paths.UserClues()}}) {
        const Status loaded = store->Load(path);
        if (!loaded) {
            host.ShowMessage(
                "A clue file could not be loaded and will be left as it is.\n" + loaded.Error(),
                "Failed to load", Buttons::Ok);
        }
    }
}

void Game::SaveClueStores()
{
    // At shut-down there is nobody left to tell; a refused file simply stays as it was.
    (void)clues.Save(paths.MainClues());
    (void)userClues.Save(paths.UserClues());
}

}  // namespace quillby
