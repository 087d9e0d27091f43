// quillby-templates: proposes British-style block patterns and keeps those the game's own
// filler completes most often. Its output is what tools/templates/*.txt hold.
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>

#include "core/clues/clue_store.h"
#include "core/common/file_io.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/dawg_writer.h"
#include "data/data_build.h"
#include "data/fill_measure.h"
#include "data/grid_pattern.h"
#include "data/tool_flags.h"

using namespace quillby;
using namespace quillby::data;

namespace {

const char* kUsage =
    "usage: quillby-templates --app APPDIR --size N [--candidates K] [--keep M] [--seed S]\n"
    "       quillby-templates --app APPDIR --size N --measure PATTERNS.txt\n"
    "Proposes K valid patterns, measures each with the game's filler on the words and clues\n"
    "of APPDIR/data, and prints the M that fill best (at least 25 % of 40 seeded attempts),\n"
    "passing over those that would put one answer in more than 6 % of the set's fills.\n"
    "With --measure, prints how often each pattern of the file fills, and the most common\n"
    "answer, instead; exit status 1 when one fills in less than 25 % of the attempts.\n";

constexpr int kScreenSeeds = 12;
constexpr int kFinalSeeds = 40;
constexpr double kLeastRate = 0.25;

constexpr int kOtherOrders = 2;
// No answer may be in more than this share of the fills of the patterns kept.
constexpr double kMostCommonShare = 0.06;

struct Scored {
    GridPattern pattern;
    FillMeasure measure;  // on the shipped graph
    int worstFilled = 0;  // fewest fills over the shipped and the other edge orders
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
// The same words in other edge orders. The fill's walks are cut short, so which words an
// entry sees depends on the edge order; a pattern that fills well in every order keeps filling
// well when the word list changes a little, which reorders the graph.
std::vector<Dawg> OtherEdgeOrders(const ClueStore& clues)
{
    std::vector<std::string> words;
    for (const ClueRecord& record : clues.Records()) {
        if (words.empty() || words.back() != record.answer) {
            words.push_back(record.answer);
        }
    }
    std::vector<Dawg> graphs(kOtherOrders);
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        DawgRecords records = BuildDawgRecords(words);
        ShuffleEdgeOrder(records, kEdgeOrderSeed + 1 + static_cast<std::uint32_t>(i));
        (void)graphs[i].LoadBytes(SerializeDawg(records));
    }
    return graphs;
}

// Answers counted over the whole fills of a set of patterns. The game draws a pattern at random
// and draws again when a fill fails, so a pattern's share of the puzzles follows its fills.
struct AnswerCounts {
    std::map<std::string, int> fills;
    int filled = 0;

    void Add(const FillMeasure& measure)
    {
        for (const auto& [answer, count] : measure.answerFills) {
            fills[answer] += count;
        }
        filled += measure.filled;
    }
    int FillsWith(const std::string& answer) const
    {
        const auto found = fills.find(answer);
        return found == fills.end() ? 0 : found->second;
    }
    std::pair<std::string, double> MostCommon() const
    {
        std::pair<std::string, double> most{"", 0.0};
        for (const auto& [answer, count] : fills) {
            if (count > most.second) {
                most = {answer, count};
            }
        }
        most.second /= std::max(filled, 1);
        return most;
    }
};

// Takes the best patterns in order, passing over one that would put some answer in more than
// kMostCommonShare of the set's fills: a set whose fills keep coming back to one word ("SIS"
// where the plurals of two crossing answers meet) gives the player that word again and again.
// The set's fills are reckoned from the rates of the best keep patterns.
std::vector<Scored> KeepVaried(std::vector<Scored> ranked, int keep)
{
    int expectedFilled = 0;
    for (std::size_t i = 0; i < ranked.size() && i < static_cast<std::size_t>(keep); ++i) {
        expectedFilled += ranked[i].measure.filled;
    }
    const double limit = kMostCommonShare * expectedFilled;
    AnswerCounts counts;
    std::vector<Scored> kept;
    for (Scored& scored : ranked) {
        if (static_cast<int>(kept.size()) >= keep) {
            break;
        }
        const auto& fills = scored.measure.answerFills;
        const bool tooCommon = std::any_of(fills.begin(), fills.end(), [&](const auto& answer) {
            return counts.FillsWith(answer.first) + answer.second > limit;
        });
        if (!tooCommon) {
            counts.Add(scored.measure);
            kept.push_back(std::move(scored));
        }
    }
    return kept;
}

// Screens every candidate on a few seeds with the shipped graph, then measures the promising
// ones on all 40 seeds in the shipped and in the other edge orders; the worst rate counts.
std::vector<Scored> Select(const std::vector<GridPattern>& candidates, int keep, const Dawg& dawg,
                           const ClueStore& clues)
{
    const auto screenSeeds = FillSeeds(kScreenSeeds);
    std::vector<Scored> screened;
    for (const GridPattern& pattern : candidates) {
        const FillMeasure measure = MeasureFill(pattern, dawg, clues, screenSeeds);
        screened.push_back({pattern, measure, measure.filled});
    }
    auto better = [](const Scored& a, const Scored& b) {
        if (a.worstFilled != b.worstFilled) {
            return a.worstFilled > b.worstFilled;
        }
        return a.measure.totalMillis < b.measure.totalMillis;
    };
    std::stable_sort(screened.begin(), screened.end(), better);
    screened.resize(std::min<std::size_t>(screened.size(), static_cast<std::size_t>(keep) * 3));
    const auto finalSeeds = FillSeeds(kFinalSeeds);
    const std::vector<Dawg> others = OtherEdgeOrders(clues);
    std::vector<Scored> kept;
    for (Scored& scored : screened) {
        scored.measure = MeasureFill(scored.pattern, dawg, clues, finalSeeds);
        scored.worstFilled = scored.measure.filled;
        for (const Dawg& other : others) {
            if (scored.worstFilled >= kLeastRate * kFinalSeeds) {
                const FillMeasure measure = MeasureFill(scored.pattern, other, clues, finalSeeds);
                scored.worstFilled = std::min(scored.worstFilled, measure.filled);
            }
        }
        if (scored.worstFilled >= kLeastRate * kFinalSeeds) {
            kept.push_back(scored);
        }
    }
    std::stable_sort(kept.begin(), kept.end(), better);
    return KeepVaried(std::move(kept), keep);
}

// Measures the patterns of a text file as they stand.
int MeasureFile(const std::string& path, int size, const Dawg& dawg, const ClueStore& clues)
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
    const auto seeds = FillSeeds(kFinalSeeds);
    int weak = 0;
    AnswerCounts counts;
    for (std::size_t i = 0; i < patterns->size(); ++i) {
        const FillMeasure measure = MeasureFill(patterns.Value()[i], dawg, clues, seeds);
        weak += measure.Rate() < kLeastRate ? 1 : 0;
        counts.Add(measure);
        std::printf("pattern %zu fills %d of %d\n", i + 1, measure.filled, measure.attempts);
    }
    const auto [answer, share] = counts.MostCommon();
    std::printf("most common answer: %s, in %.1f %% of the fills\n", answer.c_str(), 100 * share);
    return weak == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string app;
    int size = 0;
    int candidates = 400;
    int keep = 40;
    unsigned seed = 1;
    std::string measure;
    // Unknown flags are passed over: the checks below catch what is missing.
    ForEachFlag(argc, argv, [&](const std::string& flag, const std::string& value) {
        if (flag == "--app") {
            app = value;
        } else if (flag == "--size") {
            size = NumberOr(value, -1);
        } else if (flag == "--candidates") {
            candidates = NumberOr(value, -1);
        } else if (flag == "--keep") {
            keep = NumberOr(value, -1);
        } else if (flag == "--measure") {
            measure = value;
        } else if (flag == "--seed") {
            seed = static_cast<unsigned>(NumberOr(value, 1));
        }
        return true;
    });
    Dawg dawg;
    ClueStore clues;
    if (size < 5 || size % 2 == 0 || app.empty() || !dawg.Load(app + "/data/eng_dawg") ||
        !clues.Load(app + "/data/eng_clues.b") || clues.Empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!measure.empty()) {
        return MeasureFile(measure, size, dawg, clues);
    }
    const std::vector<Scored> kept = Select(Propose(size, candidates, seed), keep, dawg, clues);
    AnswerCounts counts;
    for (const Scored& scored : kept) {
        counts.Add(scored.measure);
    }
    const auto [answer, share] = counts.MostCommon();
    std::printf(
        "; %d x %d patterns chosen by quillby-templates --size %d --candidates %d "
        "--seed %u;\n; each fills in this share of %d seeded single attempts. The most common\n"
        "; answer, %s, is in %.1f %% of the fills.\n",
        size, size, size, candidates, seed, kFinalSeeds, answer.c_str(), 100 * share);
    for (const Scored& scored : kept) {
        std::printf("\n; fills %d of %d (at worst %d in other edge orders), %.1f ms an attempt\n%s",
                    scored.measure.filled, scored.measure.attempts, scored.worstFilled,
                    scored.measure.totalMillis / scored.measure.attempts,
                    PatternText(scored.pattern).c_str());
    }
    return kept.size() >= static_cast<std::size_t>(keep) ? 0 : 1;
}
