// quillby-american-templates: designs fully checked (American-style) block patterns and keeps
// those the game's fully checked fill completes most often and fastest. Its output is what
// tools/templates/13x13.txt and 15x15.txt hold.
#include <algorithm>
#include <cmath>
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
    "                                  [--seed S] [--longest L] [--window W] [--threes T]\n"
    "                                  [--include PATTERNS.txt] [--verbose 1]\n"
    "       quillby-american-templates --app APPDIR --size N --measure PATTERNS.txt [--attempts "
    "A]\n"
    "Grows K sound fully checked patterns from seed S by a hill climb (entries at most L\n"
    "long, 8 unless given, no open W x W square, 4 unless given, and as few 3-letter entries\n"
    "past T as it can, 12 at 13 x 13 and 14 above unless given), half of them varied from the\n"
    "best, screens each with the game's fully checked fill on the words and clues of\n"
    "APPDIR/data, and prints the M that fill best (at least 90 % of 40 seeded attempts), one\n"
    "of each shape however turned or reflected. --include adds a file's patterns to the\n"
    "candidates.\n"
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

// Measures one seed at a time and stops once the pattern has failed more often than a kept
// one may: most candidates fail, and a failing attempt runs the whole budget.
CheckedMeasure MeasureUntilWeak(const GridPattern& pattern, const FillIndex& index,
                                const Words& words, std::span<const std::uint32_t> seeds)
{
    const int failuresAllowed =
        static_cast<int>(seeds.size()) -
        static_cast<int>(std::ceil(kLeastRate * static_cast<double>(seeds.size())));
    CheckedMeasure total;
    for (std::size_t i = 0; i < seeds.size() && total.attempts - total.filled <= failuresAllowed;
         ++i) {
        const CheckedMeasure one =
            MeasureCheckedFill(pattern, index, words.list, words.clues, seeds.subspan(i, 1),
                               GenerationJob::kCheckedSteps);
        total.attempts += one.attempts;
        total.filled += one.filled;
        total.totalMillis += one.totalMillis;
    }
    return total;
}

// More fills first, then fewer 3-letter entries; never the time taken, which varies from run
// to run, so that a seed gives the same set again.
bool Better(const Scored& a, const Scored& b)
{
    if (a.measure.filled != b.measure.filled) {
        return a.measure.filled > b.measure.filled;
    }
    return CountThreeLetterEntries(a.pattern) < CountThreeLetterEntries(b.pattern);
}

struct DesignPlan {
    int size = 0;
    int candidates = 200;
    GrowthLimits limits;
    unsigned seed = 1;
    std::vector<GridPattern> starts;  // patterns already held, screened with the grown ones
    bool verbose = false;
};

// After the starts, half the candidates are grown; the rest vary the best of those so far. A
// shape met before in any orientation is passed over.
std::vector<Scored> Design(const DesignPlan& plan, const FillIndex& index, const Words& words)
{
    std::mt19937 random(plan.seed);
    std::set<std::vector<bool>> seen;
    std::vector<Scored> screened;
    int designed = 0;
    const auto seeds = Seeds(1, kScreenSeeds);
    auto screen = [&](const GridPattern& pattern) {
        if (!KeepsGrowthLimits(pattern, plan.limits) || !seen.insert(ShapeKey(pattern)).second) {
            return false;
        }
        screened.push_back({pattern, MeasureUntilWeak(pattern, index, words, seeds)});
        if (plan.verbose) {
            std::fprintf(stderr, "; screened %d of %d, %.1f ms, %d answers, %d of 3 letters\n%s\n",
                         screened.back().measure.filled, screened.back().measure.attempts,
                         screened.back().measure.totalMillis / screened.back().measure.attempts,
                         CountEntries(pattern), CountThreeLetterEntries(pattern),
                         PatternText(pattern).c_str());
        }
        return true;
    };
    for (const GridPattern& start : plan.starts) {
        screen(start);
    }
    const int count = plan.candidates;
    for (int tries = 0; designed < count / 2 && tries < count * 50; ++tries) {
        designed += screen(GrowCheckedPattern(plan.size, plan.limits, random)) ? 1 : 0;
    }
    for (int tries = 0; designed < count && !screened.empty() && tries < count * 50; ++tries) {
        std::stable_sort(screened.begin(), screened.end(), Better);
        const std::size_t parents = std::max<std::size_t>(1, screened.size() / 5);
        designed +=
            screen(VaryCheckedPattern(screened[random() % parents].pattern,
                                      1 + static_cast<int>(random() % 3), plan.limits, random))
                ? 1
                : 0;
    }
    std::stable_sort(screened.begin(), screened.end(), Better);
    return screened;
}

// Measures the screened candidates best first, those that filled at least 90 % of the screen,
// until keep of them fill in at least 90 % of the final seeds.
std::vector<Scored> Select(const std::vector<Scored>& screened, int keep, const FillIndex& index,
                           const Words& words)
{
    const auto seeds = Seeds(kFinalSeedBase, kFinalSeeds);
    std::vector<Scored> kept;
    for (const Scored& candidate : screened) {
        if (kept.size() >= static_cast<std::size_t>(keep) ||
            candidate.measure.attempts < kScreenSeeds || candidate.measure.Rate() < kLeastRate) {
            break;
        }
        Scored scored{candidate.pattern, MeasureUntilWeak(candidate.pattern, index, words, seeds)};
        if (scored.measure.attempts == kFinalSeeds && scored.measure.Rate() >= kLeastRate) {
            kept.push_back(std::move(scored));
        }
    }
    std::stable_sort(kept.begin(), kept.end(), Better);
    return kept;
}

Result<std::vector<GridPattern>> ReadPatterns(const std::string& path, int size)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Result<std::vector<GridPattern>>::Failure(bytes.Error());
    }
    auto patterns = ParsePatterns(
        std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), size);
    if (!patterns) {
        return Result<std::vector<GridPattern>>::Failure(path + ": " + patterns.Error());
    }
    return patterns;
}

int MeasureFile(const std::vector<GridPattern>& patterns, int attempts, const FillIndex& index,
                const Words& words)
{
    const auto seeds = Seeds(kFinalSeedBase, attempts);
    int weak = 0;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const GridPattern& pattern = patterns[i];
        for (const std::string& problem : CheckedPatternProblems(pattern)) {
            std::printf("pattern %zu: %s\n", i + 1, problem.c_str());
            ++weak;
        }
        const CheckedMeasure measure = MeasureCheckedFill(pattern, index, words.list, words.clues,
                                                          seeds, GenerationJob::kCheckedSteps);
        weak += measure.Rate() < kLeastRate ? 1 : 0;
        std::printf("pattern %zu fills %d of %d, %.1f ms an attempt, %d answers, %d of 3 letters\n",
                    i + 1, measure.filled, measure.attempts, measure.totalMillis / measure.attempts,
                    CountEntries(pattern), CountThreeLetterEntries(pattern));
        std::fflush(stdout);
    }
    return weak == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string app;
    DesignPlan plan;
    int keep = 36;
    int attempts = kFinalSeeds;
    std::string measure;
    std::string include;
    int threes = -1;
    ForEachFlag(argc, argv, [&](const std::string& flag, const std::string& value) {
        if (flag == "--app") {
            app = value;
        } else if (flag == "--size") {
            plan.size = NumberOr(value, -1);
        } else if (flag == "--candidates") {
            plan.candidates = NumberOr(value, -1);
        } else if (flag == "--keep") {
            keep = NumberOr(value, -1);
        } else if (flag == "--longest") {
            plan.limits.longest = NumberOr(value, -1);
        } else if (flag == "--threes") {
            threes = NumberOr(value, -2);
        } else if (flag == "--measure") {
            measure = value;
        } else if (flag == "--include") {
            include = value;
        } else if (flag == "--attempts") {
            attempts = NumberOr(value, -1);
        } else if (flag == "--window") {
            plan.limits.window = NumberOr(value, -1);
        } else if (flag == "--verbose") {
            plan.verbose = value == "1";
        } else if (flag == "--seed") {
            plan.seed = static_cast<unsigned>(NumberOr(value, 1));
        }
        return true;
    });
    const int size = plan.size;
    // A larger grid has more entries, and room for a few more short ones.
    plan.limits.threes = threes == -1 ? (size <= 13 ? 12 : 14) : threes;
    Dawg dawg;
    Words words;
    if (size < 5 || size % 2 == 0 || plan.limits.window < 3 || plan.limits.longest < 3 ||
        plan.limits.threes < 0 || attempts < 1 || app.empty() ||
        !dawg.Load(app + "/data/eng_dawg") || !words.clues.Load(app + "/data/eng_clues.b") ||
        words.clues.Empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string patternsPath = measure.empty() ? include : measure;
    if (!patternsPath.empty()) {
        auto patterns = ReadPatterns(patternsPath, size);
        if (!patterns) {
            std::fprintf(stderr, "%s\n", patterns.Error().c_str());
            return 2;
        }
        plan.starts = std::move(patterns.Value());
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
        return MeasureFile(plan.starts, attempts, index, words);
    }
    const std::vector<Scored> kept = Select(Design(plan, index, words), keep, index, words);
    std::printf(
        "; %d x %d fully checked patterns chosen by quillby-american-templates --size %d\n"
        "; --candidates %d --keep %d --longest %d --window %d --threes %d --seed %u%s%s;\n"
        "; each fills in this share of %d seeded single attempts.\n",
        size, size, size, plan.candidates, keep, plan.limits.longest, plan.limits.window,
        plan.limits.threes, plan.seed, include.empty() ? "" : " --include ", include.c_str(),
        kFinalSeeds);
    for (const Scored& scored : kept) {
        std::printf("\n; fills %d of %d, %.1f ms an attempt, %d answers, %d of 3 letters\n%s",
                    scored.measure.filled, scored.measure.attempts,
                    scored.measure.totalMillis / scored.measure.attempts,
                    CountEntries(scored.pattern), CountThreeLetterEntries(scored.pattern),
                    PatternText(scored.pattern).c_str());
    }
    return kept.size() >= static_cast<std::size_t>(keep) ? 0 : 1;
}
