// What the edit history costs a keystroke: every change to the grid takes a snapshot of the
// squares before it and records the difference, so a letter typed and undone on the largest
// grid (21 x 21) is measured, and a long session undone to its start.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "core/game/game.h"
#include "core/platform/null_host.h"

namespace {

using namespace quillby;

// A scratch application folder, removed afterwards.
struct ScratchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("quillby_history_bench_" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(path / "data"); }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

constexpr int kSize = 21;

// A 21 x 21 grid with a block at every odd column of every odd row, as the largest
// puzzles have them, and a letter in every open square.
void MakeLargeGrid(Game& game)
{
    Crossword& crossword = game.crossword;
    crossword.SetGridSize(kSize, kSize);
    for (int row = 0; row < kSize; ++row) {
        for (int col = 0; col < kSize; ++col) {
            Square& square = *crossword.SquareAt(col, row);
            square.open = row % 2 == 0 || col % 2 == 0;
            square.solution = square.open ? static_cast<char>('A' + (col * 7 + row) % 26) : 0;
        }
    }
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    crossword.NumberSquares();
}

void BM_LetterTypedAndUndone(benchmark::State& state)
{
    ScratchFolder folder;
    NullHost host;
    Game game(host, folder.path.string());
    MakeLargeGrid(game);
    Square* middle = game.crossword.SquareAt(kSize / 2, kSize / 2 - 1);
    for (auto _ : state) {
        game.SelectSquare(middle, kAcross, false);
        game.KeyDown('Q');
        game.Undo();
    }
    if (game.CanUndo() || middle->guess != 0) {
        state.SkipWithError("the letter was not undone");
    }
}
BENCHMARK(BM_LetterTypedAndUndone)->Unit(benchmark::kMicrosecond);

// A whole grid typed square by square, then every letter undone and redone.
void BM_FullGridUndoneAndRedone(benchmark::State& state)
{
    ScratchFolder folder;
    NullHost host;
    Game game(host, folder.path.string());
    MakeLargeGrid(game);
    for (int row = 0; row < kSize; row += 2) {
        game.SelectSquare(game.crossword.SquareAt(0, row), kAcross, false);
        for (int col = 0; col < kSize; ++col) {
            game.KeyDown('Z');
        }
    }
    for (auto _ : state) {
        while (game.CanUndo()) {
            game.Undo();
        }
        while (game.CanRedo()) {
            game.Redo();
        }
    }
    state.counters["edits"] = static_cast<double>(game.EditHistory().UndoCount());
}
BENCHMARK(BM_FullGridUndoneAndRedone)->Unit(benchmark::kMillisecond);

}  // namespace
