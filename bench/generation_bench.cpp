// Fill and generation speed on the shipped data (build/app/data): one fill attempt of a
// random template, and whole generations for seeds 1..100 with their median, 95th
// percentile and attempts per success.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"
#include "core/wordgraph/dawg.h"
#include "shipped_data.h"

namespace {

using namespace quillby;

using bench::Data;
using bench::HaveShippedData;
using bench::Percentile;
using bench::ShippedData;

void BM_OneFill(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const ShippedData& data = Data();
    const auto templates = ReadTemplateFile(ShippedData::Templates(size), size, size);
    if (!HaveShippedData(state, templates.Ok())) {
        return;
    }
    Rng rng(1);
    ThreadEdgeCoin().Seed(rng.NextU32());
    Crossword crossword;
    crossword.SetGridSize(size, size);
    double filled = 0;
    for (auto _ : state) {
        crossword.ClearSquares();
        LoadTemplate(crossword, templates.Value(), rng);
        crossword.BuildAnswerList();
        PuzzleFiller filler(crossword, data.dawg, data.clues, rng, ThreadEdgeCoin());
        int budget = 0;
        filled += filler.Fill(budget) && crossword.AllAnswered() ? 1 : 0;
    }
    state.counters["success"] = benchmark::Counter(filled, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OneFill)->Arg(9)->Arg(11)->Unit(benchmark::kMillisecond);

// One iteration is the hundred generations; the counters are the figures that matter.
void BM_GenerateSeeds1To100(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const ShippedData& data = Data();
    if (!HaveShippedData(state)) {
        return;
    }
    std::vector<double> millis;
    double attempts = 0;
    double made = 0;
    for (auto _ : state) {
        millis.clear();
        attempts = 0;
        made = 0;
        for (std::uint32_t seed = 1; seed <= 100; ++seed) {
            Rng rng(seed);
            const auto start = std::chrono::steady_clock::now();
            GenerationJob job(data.dawg, data.clues, rng, ShippedData::Templates(size), size);
            job.Run();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            millis.push_back(took.count());
            attempts += job.Attempts();
            made += job.result.load() == GenerationJob::kMade ? 1 : 0;
        }
    }
    state.counters["median_ms"] = Percentile(millis, 0.5);
    state.counters["p95_ms"] = Percentile(millis, 0.95);
    state.counters["max_ms"] = Percentile(millis, 1.0);
    state.counters["attempts_per_success"] = made > 0 ? attempts / made : 0;
}
BENCHMARK(BM_GenerateSeeds1To100)->Arg(9)->Arg(11)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
