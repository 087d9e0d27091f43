// Generation of the fully checked sizes (13 x 13 and 15 x 15) on the shipped data, as the game
// runs it: whole generations for seeds 1..400 in a row, each avoiding the answers of the ones
// before as the game's memory of recent answers does, with the median, 95th percentile, share
// made within 10 s and templates tried per puzzle of seeds 1..200 (a new game's memory) and of
// seeds 201..400 (a memory full of 200 puzzles, as every game's is after a while, and harder
// to fill under). The targets: 15 x 15 median at most 1 s, 95th percentile at most 5 s, at
// least 99 % within 10 s; 13 x 13 median at most 300 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/generator/fill_index.h"
#include "core/generator/fill_words.h"
#include "core/generator/generation_job.h"
#include "shipped_data.h"

namespace {

using namespace quillby;

using bench::Data;
using bench::HaveShippedData;
using bench::Percentile;
using bench::ShippedData;

constexpr int kSeeds = 400;
constexpr int kFirstRun = 200;
constexpr double kLimitMillis = 10000;

// The shipped fill words, as the game fills these sizes from; the word graph's clued words
// stand in when the data has no such file.
const FillWordList& Words()
{
    static const FillWordList words = [] {
        auto read = ReadFillWords(ShippedData::Path("eng_fill_words"));
        return read ? std::move(read.Value()) : FillWordsFromWordGraph(Data().dawg, Data().clues);
    }();
    return words;
}

struct Run {
    std::vector<double> millis;
    double attempts = 0;
    double inTime = 0;
};

// One iteration is the 400 generations; a generation still running at 10 s is cancelled and
// counts as not made in time.
void BM_GenerateSeeds1To400(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const ShippedData& data = Data();
    if (!HaveShippedData(state)) {
        return;
    }
    const FillWordList& words = Words();
    Run runs[2];
    for (auto _ : state) {
        runs[0] = runs[1] = Run{};
        RecentAnswers recent;
        for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
            Rng rng(seed);
            const auto start = std::chrono::steady_clock::now();
            GenerationJob job(data.dawg, data.clues, rng, ShippedData::Templates(size), size, 0,
                              &words);
            job.AvoidRecent(recent);
            job.Start();
            while (!job.finished.load()) {
                const std::chrono::duration<double, std::milli> so =
                    std::chrono::steady_clock::now() - start;
                if (so.count() > kLimitMillis) {
                    job.cancelRequested.store(true);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            Run& run = runs[seed <= kFirstRun ? 0 : 1];
            run.millis.push_back(took.count());
            run.attempts += job.Attempts();
            run.inTime += job.result.load() == GenerationJob::kMade ? 1 : 0;
            if (job.result.load() == GenerationJob::kMade) {
                recent.Add(job.Puzzle().AnswerWords());
            }
        }
    }
    // Counters of the second run start "full" (the memory full).
    const std::string prefixes[2] = {"", "full"};
    for (int i = 0; i < 2; ++i) {
        const Run& run = runs[i];
        const auto count = static_cast<double>(run.millis.size());
        const std::string& name = prefixes[i];
        state.counters[name + "medianMs"] = Percentile(run.millis, 0.5);
        state.counters[name + "p95Ms"] = Percentile(run.millis, 0.95);
        state.counters[name + "within10s"] = run.inTime / count;
        state.counters[name + "templatesPerPuzzle"] = run.attempts / count;
    }
}
BENCHMARK(BM_GenerateSeeds1To400)->Arg(13)->Arg(15)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
