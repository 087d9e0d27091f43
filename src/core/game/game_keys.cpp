// The Modern keyboard of play mode: arrows, Tab, Space, Home and End move the cursor, and
// typing moves on through the word and then to the next unfinished clue.
#include <algorithm>
#include <tuple>

#include "core/game/game.h"

namespace quillby {

namespace {

int Other(int direction)
{
    return direction == kAcross ? kDown : kAcross;
}

int RunLengthThrough(Crossword& crossword, const Square& square, int direction)
{
    int length = 0;
    (void)crossword.RunSquares(square.col, square.row, direction, length);
    return length;
}

bool EntryFull(Crossword& crossword, const AnswerEntry& entry)
{
    const auto squares = crossword.EntrySquares(entry);
    return std::all_of(squares.begin(), squares.end(),
                       [](const Square* square) { return square->guess != 0; });
}

// Where typing should go in an entry: its first empty square, else its first square.
Square* FirstEmptyOf(Crossword& crossword, const AnswerEntry& entry)
{
    const auto squares = crossword.EntrySquares(entry);
    for (Square* square : squares) {
        if (square->guess == 0) {
            return square;
        }
    }
    return squares.empty() ? nullptr : squares.front();
}

}  // namespace

int Game::CursorDirection() const
{
    const Square* cursor = crossword.cursorSquare;
    return cursor != nullptr && cursor->cursorDown ? kDown : kAcross;
}

AnswerEntry* Game::CursorEntry()
{
    const Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return nullptr;
    }
    return crossword.FindEntryAt(cursor->col, cursor->row, CursorDirection());
}

std::vector<AnswerEntry*> Game::EntriesInClueOrder()
{
    std::vector<AnswerEntry*> entries;
    for (AnswerEntry& entry : crossword.answers) {
        if (entry.start != nullptr && entry.length >= 2) {
            entries.push_back(&entry);
        }
    }
    // Across before Down, each in reading order of the start squares: the clue list's order.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const AnswerEntry* a, const AnswerEntry* b) {
                         return std::tuple(a->direction, a->start->row, a->start->col) <
                                std::tuple(b->direction, b->start->row, b->start->col);
                     });
    return entries;
}

void Game::ModernKey(int key)
{
    switch (key) {
        case kKeyLeft:
        case kKeyRight:
        case kKeyUp:
        case kKeyDown:
            MoveByArrow(key);
            break;
        case kKeyTab:
        case kKeyBackTab:
            (void)GoToClue(key == kKeyTab ? 1 : -1, false);
            break;
        case kKeySpace:
            TurnDirection();
            break;
        case kKeyHome:
        case kKeyEnd:
            GoToWordEnd(key == kKeyEnd);
            break;
        case kKeyBackspace:
        case kKeyDelete:
            ModernErase(key == kKeyBackspace);
            return;  // the erase has shown everything already
        default:
            if (key >= 'A' && key <= 'Z') {
                ModernLetter(static_cast<char>(key));
            }
            return;
    }
    ShowClueInStatus();
    host.Repaint(false);
}

void Game::MoveByArrow(int key)
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        (void)GoToClue(1, false);
        return;
    }
    const int direction = key == kKeyLeft || key == kKeyRight ? kAcross : kDown;
    const int current = CursorDirection();
    // An arrow across the selection turns it first, where the square has a run that way.
    if (direction != current && RunLengthThrough(crossword, *cursor, direction) >= 2) {
        SelectSquare(cursor, direction, true);
        return;
    }
    const int sign = key == kKeyLeft || key == kKeyUp ? -1 : 1;
    Square* target = cursor;
    do {
        target = crossword.SquareAt(target->col + sign * StepCol(direction),
                                    target->row + sign * StepRow(direction));
    } while (target != nullptr && !target->open);  // blocks are passed over
    if (target == nullptr) {
        return;
    }
    int keep = current;
    if (RunLengthThrough(crossword, *target, keep) < 2 &&
        RunLengthThrough(crossword, *target, Other(keep)) >= 2) {
        keep = Other(keep);
    }
    SelectSquare(target, keep, true);
}

void Game::TurnDirection()
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        (void)GoToClue(1, false);
        return;
    }
    const int other = Other(CursorDirection());
    if (RunLengthThrough(crossword, *cursor, other) >= 2) {
        SelectSquare(cursor, other, true);
    }
}

bool Game::GoToClue(int step, bool unfinishedOnly)
{
    const std::vector<AnswerEntry*> entries = EntriesInClueOrder();
    const int count = static_cast<int>(entries.size());
    if (count == 0) {
        return false;
    }
    const auto found = std::find(entries.begin(), entries.end(), CursorEntry());
    int index = found == entries.end() ? (step > 0 ? -1 : count)
                                       : static_cast<int>(found - entries.begin());
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        AnswerEntry& entry = *entries[static_cast<std::size_t>(index)];
        if (unfinishedOnly && EntryFull(crossword, entry)) {
            continue;
        }
        SelectSquare(FirstEmptyOf(crossword, entry), entry.direction, true);
        return true;
    }
    return false;
}

void Game::GoToWordEnd(bool end)
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return;
    }
    const int direction = CursorDirection();
    int length = 0;
    const auto run = crossword.RunSquares(cursor->col, cursor->row, direction, length);
    if (length >= 2) {
        SelectSquare(end ? run.back() : run.front(), direction, true);
    }
}

void Game::ModernLetter(char letter)
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return;
    }
    const int direction = CursorDirection();
    EditScope edit(*this);
    TypeLetter(*cursor, letter);
    int length = 0;
    const auto run = crossword.RunSquares(cursor->col, cursor->row, direction, length);
    const auto at = std::find(run.begin(), run.end(), cursor) - run.begin();
    Square* next = nullptr;
    for (auto i = at + 1; i < length && next == nullptr; ++i) {
        Square* square = run[static_cast<std::size_t>(i)];
        if (!preferences.skipFilledSquares || square->guess == 0) {
            next = square;
        }
    }
    // Skipping filled squares goes round the word before leaving it.
    for (auto i = 0; preferences.skipFilledSquares && i < at && next == nullptr; ++i) {
        if (run[static_cast<std::size_t>(i)]->guess == 0) {
            next = run[static_cast<std::size_t>(i)];
        }
    }
    if (next != nullptr) {
        SelectSquare(next, direction, true);
    } else if (length >= 2) {
        (void)GoToClue(1, true);
    }
    ShowClueInStatus();
    AfterPlayKey(true);
}

void Game::ModernErase(bool backspace)
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return;
    }
    EditScope edit(*this);
    Square* target = cursor;
    if (backspace && cursor->guess == 0) {
        // An empty square: back one square and clear it, from a word's start into the last
        // square of the clue before.
        const int direction = CursorDirection();
        int length = 0;
        const auto run = crossword.RunSquares(cursor->col, cursor->row, direction, length);
        const auto at = std::find(run.begin(), run.end(), cursor) - run.begin();
        if (at > 0) {
            target = run[static_cast<std::size_t>(at - 1)];
            SelectSquare(target, direction, true);
        } else if (GoToClue(-1, false)) {
            const AnswerEntry* entry = CursorEntry();
            const auto squares = crossword.EntrySquares(*entry);
            target = squares.back();
            SelectSquare(target, entry->direction, true);
        }
    }
    PutGuess(*target, 0, false);
    ShowClueInStatus();
    AfterPlayKey(false);
}

}  // namespace quillby
