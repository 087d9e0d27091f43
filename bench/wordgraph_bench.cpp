// Word graph speed: loading a graph of 60,000 words and single pattern queries over it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/common/file_io.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/dawg_writer.h"

namespace {

using quillby::Dawg;

constexpr std::size_t kWordCount = 60000;

// 60,000 words of 3 to 11 letters from Debian's SCOWL lists, most common sizes first.
std::vector<std::string> SixtyThousandWords()
{
    std::vector<std::string> words;
    std::set<std::string> seen;
    for (const char* level : {"10", "20", "35", "40", "50", "55", "60", "70", "80"}) {
        for (const char* kind : {"english-words.", "american-words."}) {
            std::ifstream in(std::string("/usr/share/dict/scowl/") + kind + level);
            for (std::string line; std::getline(in, line) && words.size() < kWordCount;) {
                if (line.size() < 3 || line.size() > 11 ||
                    !std::all_of(line.begin(), line.end(),
                                 [](char c) { return c >= 'a' && c <= 'z'; })) {
                    continue;
                }
                std::transform(line.begin(), line.end(), line.begin(),
                               [](char c) { return static_cast<char>(c - 'a' + 'A'); });
                if (seen.insert(line).second) {
                    words.push_back(line);
                }
            }
        }
    }
    return words;
}

// The graph file, written once per run with the data build's kind of edge order.
const std::string& GraphFile()
{
    static const std::string path = [] {
        auto records = quillby::BuildDawgRecords(SixtyThousandWords());
        quillby::ShuffleEdgeOrder(records, 1);
        const std::string file =
            (std::filesystem::temp_directory_path() / "quillby_bench_dawg").string();
        (void)quillby::WriteDawgFile(file, records);
        return file;
    }();
    return path;
}

const Dawg& LoadedGraph()
{
    static const Dawg dawg = [] {
        Dawg loaded;
        (void)loaded.Load(GraphFile());
        return loaded;
    }();
    return dawg;
}

void BM_LoadDawg60000Words(benchmark::State& state)
{
    const std::string& path = GraphFile();
    Dawg dawg;
    for (auto _ : state) {
        const auto status = dawg.Load(path);
        benchmark::DoNotOptimize(status.Ok());
    }
    state.counters["nodes"] = static_cast<double>(dawg.Nodes().size());
    state.counters["edges"] = static_cast<double>(dawg.Edges().size());
    state.counters["words"] = static_cast<double>(SixtyThousandWords().size());
}
BENCHMARK(BM_LoadDawg60000Words)->Unit(benchmark::kMillisecond);

void MatchOnce(benchmark::State& state, const char* pattern)
{
    const Dawg& dawg = LoadedGraph();
    quillby::EdgeCoin& coin = quillby::ThreadEdgeCoin();
    double reported = 0;
    auto count = [&](std::string_view, int&) { reported += 1; };
    for (auto _ : state) {
        int steps = 0;
        dawg.MatchRun(pattern, steps, coin, count);
        benchmark::DoNotOptimize(steps);
    }
    state.counters["words/query"] =
        benchmark::Counter(reported, benchmark::Counter::kAvgIterations);
}

void BM_MatchRunSevenStars(benchmark::State& state)
{
    MatchOnce(state, "*******");
}
BENCHMARK(BM_MatchRunSevenStars)->Unit(benchmark::kMicrosecond);

void BM_MatchRunCStarTStarStar(benchmark::State& state)
{
    MatchOnce(state, "C*T**");
}
BENCHMARK(BM_MatchRunCStarTStarStar)->Unit(benchmark::kMicrosecond);

}  // namespace
