// Start-up to first paint: the game state with its data loaded from a scratch copy of the
// shipped application folder, the main frame built and shown, and the view painted once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/app/main_frame.h"
#include "ui/app/quillby_app.h"
#include "ui/view/quillby_view.h"

namespace {

namespace fs = std::filesystem;

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "ui_startup_bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication application(argc, argv);
    return application;
}

// A fresh copy of the shipped data, so the game's autosaves and clue turns never reach
// build/app, where people play; empty when the data has not been built.
std::string ScratchAppFolder()
{
    const fs::path folder = fs::path(QUILLBY_BENCH_SCRATCH_DIR) / "app";
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
    for (const char* part : {"data", "res"}) {
        fs::copy(fs::path(QUILLBY_SHIPPED_DIR) / part, folder / part, fs::copy_options::recursive,
                 error);
        if (error) {
            return {};
        }
    }
    // The game writes its log into the current folder.
    fs::current_path(folder, error);
    return folder.string();
}

void StartupToFirstPaint(benchmark::State& state)
{
    Application();
    const std::string folder = ScratchAppFolder();
    // Without the shipped data the game stops at start-up to say which file is missing.
    quillby::CQuillbyApp probe(folder.empty() ? std::string(".") : folder);
    if (folder.empty() || !probe.GameState().MissingDataFiles().empty()) {
        state.SkipWithError("no shipped data: run cmake --build build first");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        quillby::CQuillbyApp app(folder);
        app.Start();
        while (app.Frame().View().PaintCount() == 0 && clock.elapsed() < 60'000) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        if (app.Frame().View().PaintCount() == 0) {
            state.SkipWithError("the view was not painted within a minute");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        app.GameState().modified = false;  // no quit prompt
        app.Frame().hide();
        state.ResumeTiming();
    }
}
BENCHMARK(StartupToFirstPaint)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
