#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/model/crossword.h"

namespace quillby {

// What a change to the grid can alter in one square; everything else (answers, numbers, clue
// lines) is worked out again from these.
struct SquareState {
    bool open = false;
    char solution = 0;
    char guess = 0;
    int useCount = 0;
    std::uint8_t marks = 0;
    bool operator==(const SquareState&) const = default;
};

struct SquareChange {
    int col = 0;
    int row = 0;
    SquareState before;
    SquareState after;
};

// The cursor square and its direction; col -1 for no cursor.
struct CursorPlace {
    int col = -1;
    int row = -1;
    bool down = false;
    bool operator==(const CursorPlace&) const = default;
};

// The game's flags that a change of the grid can set.
struct GridFlags {
    bool completed = false;
    bool solvedByCommand = false;
    bool operator==(const GridFlags&) const = default;
};

// One command on the grid, as the squares it changed. Undo puts the before states back, redo
// the after states.
struct Edit {
    int width = 0;  // the grid it was made on
    int height = 0;
    std::vector<SquareChange> changes;
    GridFlags flagsBefore;
    GridFlags flagsAfter;
    CursorPlace cursorBefore;
    CursorPlace cursorAfter;
};

// The grid as a list of square states, row-major, to compare with later.
struct GridSnapshot {
    int width = 0;
    int height = 0;
    std::vector<SquareState> squares;
    GridFlags flags;
    CursorPlace cursor;
};

SquareState StateOf(const Square& square);
void ApplyState(Square& square, const SquareState& state);
CursorPlace CursorOf(const Crossword& crossword);
GridSnapshot Snapshot(const Crossword& crossword, GridFlags flags);
// The edit that leads from the snapshot to the crossword as it is now; no changes when the
// grid is the same (or was replaced by one of another size, which no edit can describe).
Edit Difference(const GridSnapshot& before, const Crossword& now, GridFlags flagsNow);

// The undo and redo stacks. A new edit empties the redo stack; the oldest edits go once there
// are kLimit of them, so a long session cannot grow without bound.
class History {
public:
    static constexpr std::size_t kLimit = 5000;

    void Push(Edit edit);
    bool CanUndo() const { return !undoStack.empty(); }
    bool CanRedo() const { return !redoStack.empty(); }
    // The edit to undo (moved to the redo stack), or null when there is none.
    const Edit* Undo();
    const Edit* Redo();
    void Clear();
    std::size_t UndoCount() const { return undoStack.size(); }
    std::size_t RedoCount() const { return redoStack.size(); }

private:
    std::vector<Edit> undoStack;
    std::vector<Edit> redoStack;
};

}  // namespace quillby
