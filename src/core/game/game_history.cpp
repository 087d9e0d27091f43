#include "core/game/game.h"

namespace quillby {

Game::EditScope::EditScope(Game& game) : game(game)
{
    if (game.editDepth++ == 0) {
        game.editStart = Snapshot(game.crossword, game.Flags());
    } else {
        game.CommitEdit();  // what the outer operation did so far is an edit of its own
    }
}

Game::EditScope::~EditScope()
{
    game.CommitEdit();
    --game.editDepth;
}

void Game::CommitEdit()
{
    Edit edit = Difference(editStart, crossword, Flags());
    if (!edit.changes.empty() || !(edit.flagsBefore == edit.flagsAfter)) {
        history.Push(std::move(edit));
    }
    editStart = Snapshot(crossword, Flags());
}

bool Game::CanUndo() const
{
    return history.CanUndo() && !Generating() && (CreateMode() || !clockPaused);
}

bool Game::CanRedo() const
{
    return history.CanRedo() && !Generating() && (CreateMode() || !clockPaused);
}

void Game::Undo()
{
    if (CanUndo()) {
        ApplyEdit(*history.Undo(), true);
    }
}

void Game::Redo()
{
    if (CanRedo()) {
        ApplyEdit(*history.Redo(), false);
    }
}

void Game::ApplyEdit(const Edit& edit, bool undo)
{
    // Only a grid put in place without Game (a test's) can differ: the history is stale then.
    if (edit.width != crossword.width || edit.height != crossword.height) {
        history.Clear();
        return;
    }
    for (const SquareChange& change : edit.changes) {
        if (Square* square = crossword.SquareAt(change.col, change.row)) {
            ApplyState(*square, undo ? change.before : change.after);
        }
    }
    const GridFlags& flags = undo ? edit.flagsBefore : edit.flagsAfter;
    completed = flags.completed;
    solvedByCommand = flags.solvedByCommand;
    if (CreateMode()) {
        RederiveCreatorGrid();
    }
    PlaceCursor(undo ? edit.cursorBefore : edit.cursorAfter);
    modified = true;
    if (!CreateMode()) {
        ShowClueInStatus();
    }
    host.Repaint(false);
}

void Game::PlaceCursor(const CursorPlace& place)
{
    Square* square = crossword.SquareAt(place.col, place.row);
    if (square == nullptr || !square->open) {
        if (Square* cursor = crossword.cursorSquare) {
            cursor->isCursor = false;
            crossword.cursorSquare = nullptr;
        }
        crossword.ClearHighlights();
        return;
    }
    SelectSquare(square, place.down ? kDown : kAcross, true);
}

void Game::RederiveCreatorGrid()
{
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    crossword.NumberSquares();
    if (crossword.answers.empty()) {
        for (Square& each : crossword.squares) {
            each.number = 0;  // numbering leaves a grid without runs untouched
        }
    }
    RefreshClueList();
}

void Game::Remember(bool createdPuzzle, std::vector<std::byte> image)
{
    SessionMemory& memory = createdPuzzle ? createMemory : playMemory;
    memory.image = std::move(image);
    memory.marks.clear();
    for (const Square& square : crossword.squares) {
        memory.marks.push_back(square.marks);
    }
    memory.history = history;
}

void Game::Recall(bool createdPuzzle, const std::vector<std::byte>& image)
{
    const SessionMemory& memory = createdPuzzle ? createMemory : playMemory;
    if (memory.image.empty() || memory.image != image ||
        memory.marks.size() != crossword.squares.size()) {
        return;
    }
    for (std::size_t i = 0; i < crossword.squares.size(); ++i) {
        crossword.squares[i].marks = memory.marks[i];
    }
    history = memory.history;
}

}  // namespace quillby
