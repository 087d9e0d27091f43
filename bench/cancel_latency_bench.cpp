// How long Cancel takes to stop a generation on the shipped data (build/app/data): the
// longest single template attempt (the bound a cancel waits for, the generating dialog's
// 80 ms tick comes on top), and the measured time from a cancel request, at a random moment
// in a real generation, until the worker has finished.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include <time.h>

#include "core/clues/clue_store.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"
#include "core/wordgraph/dawg.h"
#include "shipped_data.h"

namespace {

using namespace quillby;
using Clock = std::chrono::steady_clock;

using bench::Data;
using bench::HaveShippedData;
using bench::ShippedData;

double MillisSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// CPU time of the calling thread: on a busy machine the wall time of an attempt also counts
// the time other processes had the core.
double ThreadCpuMillis()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_LongestAttempt(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const auto templates = ReadTemplateFile(ShippedData::Templates(size), size, size);
    if (!HaveShippedData(state, templates.Ok())) {
        return;
    }
    Rng rng(3);
    ThreadEdgeCoin().Seed(rng.NextU32());
    Crossword crossword;
    crossword.SetGridSize(size, size);
    double longest = 0;
    double longestCpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double startCpu = ThreadCpuMillis();
        crossword.ClearSquares();
        LoadTemplate(crossword, templates.Value(), rng);
        crossword.BuildAnswerList();
        PuzzleFiller filler(crossword, Data().dawg, Data().clues, rng, ThreadEdgeCoin());
        int budget = 0;
        benchmark::DoNotOptimize(filler.Fill(budget));
        longest = std::max(longest, MillisSince(start));
        longestCpu = std::max(longestCpu, ThreadCpuMillis() - startCpu);
    }
    state.counters["longest_ms"] = longest;
    state.counters["longest_cpu_ms"] = longestCpu;
}
BENCHMARK(BM_LongestAttempt)->Arg(9)->Arg(11)->Iterations(3000)->Unit(benchmark::kMillisecond);

// Cancels each generation after 0..size ms and times the worker's stop; generations that
// finished before the cancel are not counted.
void BM_CancelToFinished(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    if (!HaveShippedData(state)) {
        return;
    }
    Rng rng(11);
    Rng delays(12);
    double longest = 0;
    double total = 0;
    int counted = 0;
    const std::string templates = ShippedData::Templates(size);
    for (auto _ : state) {
        GenerationJob job(Data().dawg, Data().clues, rng, templates, size);
        std::thread worker([&job] { job.Run(); });
        std::this_thread::sleep_for(std::chrono::microseconds(delays.RandBelow(size * 1000)));
        const auto start = Clock::now();
        const bool running = !job.finished.load();
        job.cancelRequested.store(true);
        while (!job.finished.load()) {
            std::this_thread::yield();
        }
        const double waited = MillisSince(start);
        worker.join();
        if (running) {
            longest = std::max(longest, waited);
            total += waited;
            ++counted;
        }
    }
    state.counters["cancelled"] = counted;
    state.counters["longest_ms"] = longest;
    state.counters["mean_ms"] = counted > 0 ? total / counted : 0;
}
BENCHMARK(BM_CancelToFinished)->Arg(9)->Arg(11)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace
