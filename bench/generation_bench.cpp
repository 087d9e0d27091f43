// Whole generations on the shipped data, as the game runs them, one per seed. Targets: a median
// of at most 5 ms for 9 x 9; at most 20 ms median and 200 ms 95th percentile for 11 x 11.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/generation_job.h"
#include "core/wordgraph/dawg.h"

namespace {

constexpr int kGenerations = 100;

struct ShippedData {
    quillby::Dawg dawg;
    quillby::ClueStore clues;
    bool ok = false;
};

const ShippedData& Data()
{
    static const ShippedData data = [] {
        ShippedData loaded;
        const std::string folder = std::string(QUILLBY_APP_DIR) + "/data/";
        loaded.ok = loaded.dawg.Load(folder + "eng_dawg").Ok() &&
                    loaded.clues.Load(folder + "eng_clues.b").Ok();
        return loaded;
    }();
    return data;
}

void BM_Generate(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const ShippedData& data = Data();
    if (!data.ok) {
        state.SkipWithError("build the data first");
        return;
    }
    const std::string path = std::string(QUILLBY_APP_DIR) + "/data/" + std::to_string(size) +
                             "x" + std::to_string(size);
    for (auto _ : state) {
        std::vector<double> millis;
        int attempts = 0;
        for (int seed = 1; seed <= kGenerations; ++seed) {
            quillby::Rng rng(static_cast<std::uint32_t>(seed));
            quillby::GenerationJob job(data.dawg, data.clues, rng, path, size, 1000);
            const auto start = std::chrono::steady_clock::now();
            job.Run();
            const auto end = std::chrono::steady_clock::now();
            millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            attempts += job.Attempts();
        }
        std::sort(millis.begin(), millis.end());
        state.counters["median_ms"] = millis[millis.size() / 2];
        state.counters["p95_ms"] = millis[millis.size() * 95 / 100];
        state.counters["attempts_per_puzzle"] = static_cast<double>(attempts) / kGenerations;
    }
}

}  // namespace

BENCHMARK(BM_Generate)->Arg(9)->Arg(11)->Unit(benchmark::kMillisecond)->Iterations(1);
