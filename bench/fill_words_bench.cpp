// Loading the shipped fill word list of the fully checked grids, as the game would at start-up
// or at its first American-size puzzle.
#include <benchmark/benchmark.h>

#include "core/common/file_io.h"
#include "core/generator/fill_words.h"
#include "shipped_data.h"

namespace {

using quillby::bench::ShippedData;

// The whole read: the file from disk and every entry checked.
void BM_ReadShippedFillWords(benchmark::State& state)
{
    const std::string path = ShippedData::Path("eng_fill_words");
    if (!quillby::ReadFillWords(path).Ok()) {
        state.SkipWithError("no shipped eng_fill_words: build the quillby_data target first");
        return;
    }
    std::size_t words = 0;
    for (auto _ : state) {
        auto list = quillby::ReadFillWords(path);
        words = list->words.size();
        benchmark::DoNotOptimize(list);
    }
    state.counters["words"] = static_cast<double>(words);
}
BENCHMARK(BM_ReadShippedFillWords)->Unit(benchmark::kMillisecond);

// The parse alone, from bytes already in memory.
void BM_ParseShippedFillWords(benchmark::State& state)
{
    auto bytes = quillby::ReadWholeFile(ShippedData::Path("eng_fill_words"));
    if (!bytes) {
        state.SkipWithError("no shipped eng_fill_words: build the quillby_data target first");
        return;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    for (auto _ : state) {
        auto list = quillby::ParseFillWords(std::span(data, bytes->size()));
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes->size()));
}
BENCHMARK(BM_ParseShippedFillWords)->Unit(benchmark::kMillisecond);

}  // namespace
