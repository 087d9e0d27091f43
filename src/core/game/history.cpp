#include "core/game/history.h"

namespace quillby {

SquareState StateOf(const Square& square)
{
    return {square.open, square.solution, square.guess, square.useCount, square.marks};
}

void ApplyState(Square& square, const SquareState& state)
{
    square.open = state.open;
    square.solution = state.solution;
    square.guess = state.guess;
    square.useCount = state.useCount;
    square.marks = state.marks;
}

CursorPlace CursorOf(const Crossword& crossword)
{
    const Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return {};
    }
    return {cursor->col, cursor->row, cursor->cursorDown};
}

GridSnapshot Snapshot(const Crossword& crossword, GridFlags flags)
{
    GridSnapshot snapshot{crossword.width, crossword.height, {}, flags, CursorOf(crossword)};
    snapshot.squares.reserve(crossword.squares.size());
    for (const Square& square : crossword.squares) {
        snapshot.squares.push_back(StateOf(square));
    }
    return snapshot;
}

Edit Difference(const GridSnapshot& before, const Crossword& now, GridFlags flagsNow)
{
    Edit edit{now.width, now.height, {}, before.flags, flagsNow, before.cursor, CursorOf(now)};
    if (before.width != now.width || before.height != now.height ||
        before.squares.size() != now.squares.size()) {
        edit.flagsAfter = edit.flagsBefore;
        return edit;
    }
    for (std::size_t i = 0; i < now.squares.size(); ++i) {
        const Square& square = now.squares[i];
        const SquareState after = StateOf(square);
        if (!(after == before.squares[i])) {
            edit.changes.push_back({square.col, square.row, before.squares[i], after});
        }
    }
    return edit;
}

void History::Push(Edit edit)
{
    redoStack.clear();
    if (undoStack.size() >= kLimit) {
        undoStack.erase(undoStack.begin());
    }
    undoStack.push_back(std::move(edit));
}

namespace {

// The top edit of one stack, moved onto the other; null when there is none.
const Edit* MoveTop(std::vector<Edit>& from, std::vector<Edit>& to)
{
    if (from.empty()) {
        return nullptr;
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
    return &to.back();
}

}  // namespace

const Edit* History::Undo()
{
    return MoveTop(undoStack, redoStack);
}

const Edit* History::Redo()
{
    return MoveTop(redoStack, undoStack);
}

void History::Clear()
{
    undoStack.clear();
    redoStack.clear();
}

}  // namespace quillby
