#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/common/file_io.h"

namespace {

using quillby::ClueRecord;
using quillby::ClueStore;

constexpr int kRecords = 100000;

// A word of 3 to 11 letters made from a number, so the words repeat a little (about 1.3
// clues a word, like a real clue file's mix) and spread over the lengths the game uses.
std::string WordOf(int n)
{
    const int word = n * 3 / 4;
    std::string text(static_cast<std::size_t>(3 + word % 9), 'A');
    unsigned value = static_cast<unsigned>(word) * 2654435761u;
    for (char& c : text) {
        c = static_cast<char>('A' + value % 26);
        value = value / 26 + 7919u * static_cast<unsigned>(word);
    }
    return text;
}

std::vector<std::string> Words()
{
    std::vector<std::string> words;
    for (int n = 0; n < kRecords; ++n) {
        words.push_back(WordOf(n));
    }
    return words;
}

// The clue file of kRecords records, written once into the benchmarks' scratch folder.
const std::string& ClueFile()
{
    static const std::string path = [] {
        ClueStore store;
        const std::vector<std::string> words = Words();
        for (int n = 0; n < kRecords; ++n) {
            ClueRecord record;
            record.question = "A clue of the usual length, number " + std::to_string(n);
            record.answer = words[static_cast<std::size_t>(n)];
            record.rotation = n % 4 == 3 ? 1 : 0;
            (void)store.AddRecord(record);
        }
        const std::string target = std::string(QUILLBY_BENCH_SCRATCH_DIR) + "/bench_clues.b";
        if (!quillby::WriteFileAtomically(target, store.Serialize())) {
            std::fprintf(stderr, "cannot write %s\n", target.c_str());
        }
        return target;
    }();
    return path;
}

void BM_LoadClueFile(benchmark::State& state)
{
    const std::string& path = ClueFile();
    for (auto _ : state) {
        ClueStore store;
        const quillby::Status loaded = store.Load(path);
        if (!loaded || store.Size() != kRecords) {
            state.SkipWithError("the clue file did not load");
            break;
        }
        benchmark::DoNotOptimize(store);
    }
}
BENCHMARK(BM_LoadClueFile)->Unit(benchmark::kMillisecond);

// 100,000 lookups per iteration: every word of the file once, in a shuffled order, plus a
// miss for every fourth (the generator asks about many words that have no clue).
void BM_Find100k(benchmark::State& state)
{
    ClueStore store;
    if (!store.Load(ClueFile())) {
        state.SkipWithError("the clue file did not load");
        return;
    }
    std::vector<std::string> queries = Words();
    for (std::size_t i = 0; i < queries.size(); i += 4) {
        queries[i] += "Q";
    }
    for (std::size_t i = queries.size() - 1; i > 0; --i) {
        std::swap(queries[i], queries[(i * 7919u) % (i + 1)]);
    }
    for (auto _ : state) {
        std::size_t found = 0;
        for (const std::string& word : queries) {
            found += store.Find(word) != nullptr ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(queries.size()));
}
BENCHMARK(BM_Find100k)->Unit(benchmark::kMillisecond);

// What one key in play costs the main store, on a store the size of the shipped one: the
// game checks every answer of the puzzle, marks the right ones' clues solved (30 answers, as
// in an 11 x 11 puzzle), then decides recycling for every length. This used to walk the whole
// store on every key; it must stay in microseconds whatever the store's size.
void BM_KeyOn140kStore(benchmark::State& state)
{
    constexpr int kStoreRecords = 140000;
    constexpr int kPuzzleAnswers = 30;
    ClueStore store;
    for (int n = 0; n < kStoreRecords; ++n) {
        ClueRecord record;
        record.question = "A clue of the usual length, number " + std::to_string(n);
        record.answer = WordOf(n);
        record.solved = n % 5 == 0 ? 1 : 0;  // a fifth solved: below the recycling share
        (void)store.AddRecord(std::move(record));
    }
    std::vector<std::string> answers;
    for (int i = 0; i < kPuzzleAnswers; ++i) {
        answers.push_back(WordOf(i * 4567 + 1));
    }
    for (auto _ : state) {
        for (const std::string& answer : answers) {
            quillby::ClueRecord* record = store.Find(answer);
            if (record != nullptr && record->solved == 0) {
                store.MarkSolved(*record);
            }
        }
        store.RecycleSolved();
    }
    benchmark::DoNotOptimize(store.CountByLength(5));
}
BENCHMARK(BM_KeyOn140kStore)->Unit(benchmark::kMicrosecond);

}  // namespace
