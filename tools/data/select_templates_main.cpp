// quillby-templates: proposes British-style block patterns and keeps those the game's own
// filler completes most often. Its output is what tools/templates/*.txt hold.
#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include "core/clues/clue_store.h"
#include "core/wordgraph/dawg.h"
#include "data/fill_measure.h"
#include "data/grid_pattern.h"

using namespace quillby;
using namespace quillby::data;

namespace {

const char* kUsage =
    "usage: quillby-templates --app APPDIR --size N [--candidates K] [--keep M] [--seed S]\n"
    "Proposes K valid patterns, measures each with the game's filler on the words and clues\n"
    "of APPDIR/data, and prints the M that fill best (at least 25 %% of 40 seeded attempts).\n";

constexpr int kScreenSeeds = 12;
constexpr int kFinalSeeds = 40;
constexpr double kLeastRate = 0.25;

struct Scored {
    GridPattern pattern;
    FillMeasure measure;
};

std::vector<GridPattern> Propose(int size, int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::set<std::vector<bool>> seen;
    std::vector<GridPattern> valid;
    for (int tries = 0; static_cast<int>(valid.size()) < count && tries < count * 500; ++tries) {
        // Half the candidates have random extra blocks, half have their long entries cut.
        const int pairs = 2 + static_cast<int>(random() % static_cast<unsigned>(size));
        const int longest = 7 + static_cast<int>(random() % 3);
        GridPattern pattern = tries % 2 == 0 ? ProposePattern(size, pairs, random)
                                             : ProposeShortEntries(size, longest, random);
        if (PatternProblems(pattern).empty() && seen.insert(pattern.open).second) {
            valid.push_back(pattern);
        }
    }
    return valid;
}

// Screens every candidate on a few seeds, then measures the promising ones on all 40.
std::vector<Scored> Select(const std::vector<GridPattern>& candidates, int keep, const Dawg& dawg,
                           const ClueStore& clues)
{
    const auto screenSeeds = FillSeeds(kScreenSeeds);
    std::vector<Scored> screened;
    for (const GridPattern& pattern : candidates) {
        screened.push_back({pattern, MeasureFill(pattern, dawg, clues, screenSeeds)});
    }
    auto better = [](const Scored& a, const Scored& b) {
        if (a.measure.filled != b.measure.filled) {
            return a.measure.filled > b.measure.filled;
        }
        return a.measure.totalMillis < b.measure.totalMillis;
    };
    std::stable_sort(screened.begin(), screened.end(), better);
    screened.resize(std::min<std::size_t>(screened.size(), static_cast<std::size_t>(keep) * 3));
    const auto finalSeeds = FillSeeds(kFinalSeeds);
    std::vector<Scored> kept;
    for (Scored& scored : screened) {
        scored.measure = MeasureFill(scored.pattern, dawg, clues, finalSeeds);
        if (scored.measure.Rate() >= kLeastRate) {
            kept.push_back(scored);
        }
    }
    std::stable_sort(kept.begin(), kept.end(), better);
    kept.resize(std::min<std::size_t>(kept.size(), static_cast<std::size_t>(keep)));
    return kept;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string app;
    int size = 0;
    int candidates = 400;
    int keep = 40;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        if (flag == "--app") {
            app = value;
        } else if (flag == "--size") {
            size = std::stoi(value);
        } else if (flag == "--candidates") {
            candidates = std::stoi(value);
        } else if (flag == "--keep") {
            keep = std::stoi(value);
        } else if (flag == "--seed") {
            seed = static_cast<unsigned>(std::stoul(value));
        }
    }
    Dawg dawg;
    ClueStore clues;
    if (size < 5 || size % 2 == 0 || app.empty() || !dawg.Load(app + "/data/eng_dawg") ||
        !clues.Load(app + "/data/eng_clues.b") || clues.Empty()) {
        std::fprintf(stderr, kUsage);
        return 2;
    }
    const std::vector<Scored> kept = Select(Propose(size, candidates, seed), keep, dawg, clues);
    std::printf(
        "; %d x %d patterns chosen by quillby-templates --size %d --candidates %d "
        "--seed %u;\n; each fills in this share of %d seeded single attempts.\n",
        size, size, size, candidates, seed, kFinalSeeds);
    for (const Scored& scored : kept) {
        std::printf("\n; fills %d of %d, %.1f ms an attempt\n%s", scored.measure.filled,
                    scored.measure.attempts, scored.measure.totalMillis / scored.measure.attempts,
                    PatternText(scored.pattern).c_str());
    }
    return kept.size() >= static_cast<std::size_t>(keep) ? 0 : 1;
}
