// quillby-american-templates: designs fully checked (American-style) block patterns and keeps
// those the game's fully checked fill completes most often and fastest. Its output is what
// tools/templates/13x13.txt and 15x15.txt hold.
#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include "core/clues/clue_store.h"
#include "core/common/file_io.h"
#include "core/generator/fill_index.h"
#include "core/generator/fill_words.h"
#include "core/generator/generation_job.h"
#include "core/wordgraph/dawg.h"
#include "data/checked_pattern.h"
#include "data/fill_measure.h"
#include "data/tool_flags.h"

using namespace quillby;
using namespace quillby::data;

namespace {

const char* kUsage =
    "usage: quillby-american-templates --app APPDIR --size N [--candidates K] [--keep M]\n"
    "                                  [--seed S] [--longest L] [--window W]\n"
    "                                  [--verbose 1]\n"
    "       quillby-american-templates --app APPDIR --size N --measure PATTERNS.txt [--attempts "
    "A]\n"
    "Designs K sound fully checked patterns (entries at most L long, no open W x W square,\n"
    "then variations of the best), measures each with the game's fully checked fill on the words "
    "and clues of\n"
    "APPDIR/data, and prints the M that fill best (at least 90 % of 40 seeded attempts).\n"
    "--verbose 1 prints every candidate with its screening on stderr.\n"
    "With --measure, prints how each pattern of the file fills instead (A attempts each, 40\n"
    "unless given; fewer make a quick screen); exit status 1 when one fills in less than 90 %\n"
    "of the attempts.\n";

constexpr int kScreenSeeds = 10;
constexpr int kFinalSeeds = 40;
constexpr double kLeastRate = 0.9;
// Seeds of the final measure start here, apart from the screening ones.
constexpr std::uint32_t kFinalSeedBase = 1000;

struct Scored {
    GridPattern pattern;
    CheckedMeasure measure;
};

struct Words {
    FillWordList list;
    ClueStore clues;
};

std::vector<std::uint32_t> Seeds(std::uint32_t first, int count)
{
    std::vector<std::uint32_t> seeds;
    for (int i = 0; i < count; ++i) {
        seeds.push_back(first + static_cast<std::uint32_t>(i));
    }
    return seeds;
}

bool Better(const Scored& a, const Scored& b)
{
    if (a.measure.filled != b.measure.filled) {
        return a.measure.filled > b.measure.filled;
    }
    return a.measure.totalMillis < b.measure.totalMillis;
}

// Half the candidates are grown from an open grid; the rest vary the best of those so far.
std::vector<Scored> Design(int size, int count, int longest, int window, unsigned seed,
                           const FillIndex& index, const Words& words, bool verbose)
{
    std::mt19937 random(seed);
    std::set<std::vector<bool>> seen;
    std::vector<Scored> screened;
    const auto seeds = Seeds(1, kScreenSeeds);
    auto screen = [&](const GridPattern& pattern) {
        if (!CheckedPatternProblems(pattern).empty() || LongestEntry(pattern) > longest ||
            !seen.insert(pattern.open).second) {
            return;
        }
        screened.push_back({pattern, MeasureCheckedFill(pattern, index, words.list, words.clues,
                                                        seeds, GenerationJob::kCheckedSteps)});
        if (verbose) {
            std::fprintf(stderr, "; screened %d of %d, %.1f ms, %d answers\n%s\n",
                         screened.back().measure.filled, kScreenSeeds,
                         screened.back().measure.totalMillis / kScreenSeeds, CountEntries(pattern),
                         PatternText(pattern).c_str());
        }
    };
    for (int tries = 0; static_cast<int>(screened.size()) < count / 2 && tries < count * 50;
         ++tries) {
        const int cut = longest - static_cast<int>(random() % 3);
        screen(ProposeCheckedPattern(size, cut, window, static_cast<int>(random() % 4), random));
    }
    for (int tries = 0; static_cast<int>(screened.size()) < count && tries < count * 50; ++tries) {
        std::stable_sort(screened.begin(), screened.end(), Better);
        const std::size_t parents = std::max<std::size_t>(1, screened.size() / 5);
        if (screened.empty()) {
            break;
        }
        screen(VaryCheckedPattern(screened[random() % parents].pattern,
                                  1 + static_cast<int>(random() % 3), random));
    }
    std::stable_sort(screened.begin(), screened.end(), Better);
    return screened;
}

std::vector<Scored> Select(std::vector<Scored> screened, int keep, const FillIndex& index,
                           const Words& words)
{
    screened.resize(std::min<std::size_t>(screened.size(), static_cast<std::size_t>(keep) * 2));
    const auto seeds = Seeds(kFinalSeedBase, kFinalSeeds);
    std::vector<Scored> kept;
    for (Scored& scored : screened) {
        scored.measure = MeasureCheckedFill(scored.pattern, index, words.list, words.clues, seeds,
                                            GenerationJob::kCheckedSteps);
        if (scored.measure.Rate() >= kLeastRate) {
            kept.push_back(scored);
        }
    }
    std::stable_sort(kept.begin(), kept.end(), Better);
    if (kept.size() > static_cast<std::size_t>(keep)) {
        kept.resize(static_cast<std::size_t>(keep));
    }
    return kept;
}

int MeasureFile(const std::string& path, int size, int attempts, const FillIndex& index,
                const Words& words)
{
    auto bytes = ReadWholeFile(path);
    auto patterns =
        bytes ? ParsePatterns(
                    std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), size)
              : Result<std::vector<GridPattern>>::Failure(bytes.Error());
    if (!patterns) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), patterns.Error().c_str());
        return 2;
    }
    const auto seeds = Seeds(kFinalSeedBase, attempts);
    int weak = 0;
    for (std::size_t i = 0; i < patterns->size(); ++i) {
        const GridPattern& pattern = patterns.Value()[i];
        for (const std::string& problem : CheckedPatternProblems(pattern)) {
            std::printf("pattern %zu: %s\n", i + 1, problem.c_str());
            ++weak;
        }
        const CheckedMeasure measure = MeasureCheckedFill(pattern, index, words.list, words.clues,
                                                          seeds, GenerationJob::kCheckedSteps);
        weak += measure.Rate() < kLeastRate ? 1 : 0;
        std::printf("pattern %zu fills %d of %d, %.1f ms an attempt\n", i + 1, measure.filled,
                    measure.attempts, measure.totalMillis / measure.attempts);
        std::fflush(stdout);
    }
    return weak == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string app;
    int size = 0;
    int candidates = 200;
    int keep = 36;
    int longest = 0;
    int window = 4;
    int attempts = kFinalSeeds;
    unsigned seed = 1;
    std::string measure;
    bool verbose = false;
    ForEachFlag(argc, argv, [&](const std::string& flag, const std::string& value) {
        if (flag == "--app") {
            app = value;
        } else if (flag == "--size") {
            size = NumberOr(value, -1);
        } else if (flag == "--candidates") {
            candidates = NumberOr(value, -1);
        } else if (flag == "--keep") {
            keep = NumberOr(value, -1);
        } else if (flag == "--longest") {
            longest = NumberOr(value, -1);
        } else if (flag == "--measure") {
            measure = value;
        } else if (flag == "--attempts") {
            attempts = NumberOr(value, -1);
        } else if (flag == "--window") {
            window = NumberOr(value, -1);
        } else if (flag == "--verbose") {
            verbose = value == "1";
        } else if (flag == "--seed") {
            seed = static_cast<unsigned>(NumberOr(value, 1));
        }
        return true;
    });
    Dawg dawg;
    Words words;
    if (size < 5 || size % 2 == 0 || window < 3 || attempts < 1 || app.empty() ||
        !dawg.Load(app + "/data/eng_dawg") || !words.clues.Load(app + "/data/eng_clues.b") ||
        words.clues.Empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (longest <= 0) {
        longest = size <= 13 ? 9 : 10;
    }
    // The game fills these sizes from the fill words; the word graph stands in only for a data
    // folder made before that file existed.
    auto fillWords = ReadFillWords(app + "/data/eng_fill_words");
    if (fillWords) {
        words.list = std::move(fillWords.Value());
    } else {
        std::fprintf(stderr, "%s; filling from the word graph's clued words\n",
                     fillWords.Error().c_str());
        words.list = FillWordsFromWordGraph(dawg, words.clues);
    }
    const FillIndex index(words.list);
    if (!measure.empty()) {
        return MeasureFile(measure, size, attempts, index, words);
    }
    const std::vector<Scored> kept = Select(
        Design(size, candidates, longest, window, seed, index, words, verbose), keep, index, words);
    std::printf(
        "; %d x %d fully checked patterns chosen by quillby-american-templates --size %d\n"
        "; --candidates %d --longest %d --window %d --seed %u; each fills in this share of\n"
        "; %d seeded single attempts.\n",
        size, size, size, candidates, longest, window, seed, kFinalSeeds);
    for (const Scored& scored : kept) {
        std::printf("\n; fills %d of %d, %.1f ms an attempt, %d answers\n%s", scored.measure.filled,
                    scored.measure.attempts, scored.measure.totalMillis / scored.measure.attempts,
                    CountEntries(scored.pattern), PatternText(scored.pattern).c_str());
    }
    return kept.size() >= static_cast<std::size_t>(keep) ? 0 : 1;
}
