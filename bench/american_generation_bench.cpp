// Generation of the fully checked sizes (13 x 13 and 15 x 15) on the shipped data, as the game
// runs it: whole generations for seeds 1..200 in a row, each avoiding the answers of the ones
// before as the game's memory of recent answers does, with their median, 95th percentile,
// share made within 10 s and templates tried per puzzle. The targets: 15 x 15 median at most 1 s,
// 95th percentile at most 5 s, at least 99 % within 10 s; 13 x 13 median at most 300 ms.
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

constexpr int kSeeds = 200;
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

// One iteration is the 200 generations; a generation still running at 10 s is cancelled and
// counts as not made in time.
void BM_GenerateSeeds1To200(benchmark::State& state)
{
    const int size = static_cast<int>(state.range(0));
    const ShippedData& data = Data();
    if (!HaveShippedData(state)) {
        return;
    }
    const FillWordList& words = Words();
    std::vector<double> millis;
    double attempts = 0;
    double inTime = 0;
    for (auto _ : state) {
        millis.clear();
        attempts = 0;
        inTime = 0;
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
            millis.push_back(took.count());
            attempts += job.Attempts();
            inTime += job.result.load() == GenerationJob::kMade ? 1 : 0;
            if (job.result.load() == GenerationJob::kMade) {
                recent.Add(job.Puzzle().AnswerWords());
            }
        }
    }
    state.counters["medianMs"] = Percentile(millis, 0.5);
    state.counters["p95Ms"] = Percentile(millis, 0.95);
    state.counters["within10s"] = inTime / kSeeds;
    state.counters["templatesPerPuzzle"] = attempts / kSeeds;
}
BENCHMARK(BM_GenerateSeeds1To200)->Arg(13)->Arg(15)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
