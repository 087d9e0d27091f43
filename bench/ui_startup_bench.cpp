// Start-up to first paint: the game state with its data loaded from the shipped application
// folder (build/app), the main frame built and shown, and the view painted once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>

#include "ui/app/main_frame.h"
#include "ui/app/quillby_app.h"
#include "ui/view/quillby_view.h"

namespace {

QApplication& Application()
{
    static int argc = 1;
    static char name[] = "ui_startup_bench";
    static char* argv[] = {name, nullptr};
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication application(argc, argv);
    return application;
}

void StartupToFirstPaint(benchmark::State& state)
{
    Application();
    // Without the shipped data the game stops at start-up to say which file is missing.
    quillby::CQuillbyApp probe(QUILLBY_APP_DIR);
    if (!probe.GameState().MissingDataFiles().empty()) {
        state.SkipWithError("build/app lacks its data files: run cmake --build build first");
        return;
    }
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        quillby::CQuillbyApp app(QUILLBY_APP_DIR);
        app.Start();
        while (app.Frame().View().PaintCount() == 0) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        state.PauseTiming();
        app.GameState().modified = false;  // leave the shipped folder as it was: no prompt
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
