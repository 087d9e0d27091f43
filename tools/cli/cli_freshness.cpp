#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_generation.h"
#include "core/generator/generation_job.h"

namespace quillby::cli {

namespace {

constexpr const char* kFreshnessUsage =
    "usage: quillby-cli freshness --size 9|11 [--count N] [--seed S] [--data DIR] "
    "[--max-attempts M]\n";

using Answers = std::set<std::string>;

// The share of each initial among the clued words of the graph that fit the grid.
std::array<double, 26> WordListInitials(const GenerationData& data, int size)
{
    std::array<double, 26> shares{};
    std::set<std::string> seen;
    double total = 0;
    EdgeCoin coin;
    for (const ClueRecord& record : data.clues.Records()) {
        const auto length = static_cast<int>(record.answer.size());
        if (length < 2 || length > size || !seen.insert(record.answer).second) {
            continue;
        }
        bool inGraph = false;
        auto found = [&](std::string_view, int&) { inGraph = true; };
        int steps = 0;
        data.dawg.MatchRun(record.answer, steps, coin, found);
        if (inGraph) {
            shares[static_cast<std::size_t>(record.answer[0] - 'A')] += 1;
            total += 1;
        }
    }
    for (double& share : shares) {
        share = total > 0 ? share / total : 0;
    }
    return shares;
}

struct PairStats {
    double largestShared = 0;
    bool identical = false;
};

PairStats ComparePairs(const std::vector<Answers>& puzzles, const std::vector<std::string>& grids)
{
    PairStats stats;
    for (std::size_t i = 0; i < puzzles.size(); ++i) {
        for (std::size_t j = i + 1; j < puzzles.size(); ++j) {
            std::size_t shared = 0;
            for (const std::string& word : puzzles[i]) {
                shared += puzzles[j].count(word);
            }
            const std::size_t smaller = std::min(puzzles[i].size(), puzzles[j].size());
            if (smaller > 0) {
                stats.largestShared =
                    std::max(stats.largestShared,
                             static_cast<double>(shared) / static_cast<double>(smaller));
            }
            stats.identical = stats.identical || grids[i] == grids[j];
        }
    }
    return stats;
}

nlohmann::json InitialsReport(const std::vector<Answers>& puzzles,
                              const std::array<double, 26>& listShares, bool& withinTarget)
{
    std::array<double, 26> counts{};
    double total = 0;
    for (const Answers& answers : puzzles) {
        for (const std::string& word : answers) {
            counts[static_cast<std::size_t>(word[0] - 'A')] += 1;
            total += 1;
        }
    }
    nlohmann::json letters = nlohmann::json::object();
    withinTarget = true;
    for (std::size_t i = 0; i < 26; ++i) {
        const double share = total > 0 ? counts[i] / total : 0;
        // At most one and a half times the word list's share, plus one percentage point.
        const bool within = share <= 1.5 * listShares[i] + 0.01;
        withinTarget = withinTarget && within;
        letters[std::string(1, static_cast<char>('A' + i))] = {
            {"puzzles", share}, {"wordList", listShares[i]}, {"withinTarget", within}};
    }
    return letters;
}

}  // namespace

int RunFreshness(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const auto size = ParseNumber(FlagValue(args, "--size", ""), 9, 11);
    const auto count = ParseNumber(FlagValue(args, "--count", "200"), 2, 100000);
    const auto seed = ParseNumber(FlagValue(args, "--seed", "1"), 0, 0xFFFFFFFFll);
    const auto attempts = ParseNumber(FlagValue(args, "--max-attempts", "500"), 1, 1000000000);
    if (!size || (*size != 9 && *size != 11) || !count || !seed || !attempts) {
        err << kFreshnessUsage;
        return 2;
    }
    GenerationData data;
    if (!LoadGenerationData(DataFolder(args), data, err)) {
        return 1;
    }
    const auto listShares = WordListInitials(data, static_cast<int>(*size));
    Rng rng(static_cast<std::uint32_t>(*seed));
    std::vector<Answers> puzzles;
    std::vector<std::string> grids;
    std::map<std::string, int> puzzlesWith;
    double millis = 0;
    for (std::int64_t k = 0; k < *count; ++k) {
        auto puzzle =
            GenerateOne(data, rng, static_cast<int>(*size), static_cast<int>(*attempts), err);
        if (!puzzle) {
            return 1;
        }
        millis += puzzle->millis;
        Answers answers;
        for (const AnswerEntry& entry : puzzle->crossword.answers) {
            answers.insert(std::string(entry.AnswerWord()));
        }
        for (const std::string& word : answers) {
            puzzlesWith[word] += 1;
        }
        std::string grid;
        for (const Square& square : puzzle->crossword.squares) {
            grid.push_back(square.open ? square.solution : '#');
        }
        grids.push_back(grid);
        puzzles.push_back(std::move(answers));
        RetireAnswerClues(puzzle->crossword, data.clues);
    }
    const auto common =
        std::max_element(puzzlesWith.begin(), puzzlesWith.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    const double commonShare = static_cast<double>(common->second) / static_cast<double>(*count);
    const PairStats pairs = ComparePairs(puzzles, grids);
    bool initialsOk = true;
    nlohmann::json initials = InitialsReport(puzzles, listShares, initialsOk);
    const bool ok =
        !pairs.identical && pairs.largestShared <= 0.5 && initialsOk && commonShare <= 0.10;
    out << nlohmann::json{{"size", *size},
                          {"count", *count},
                          {"seed", *seed},
                          {"meanMillis", millis / static_cast<double>(*count)},
                          {"mostFrequentAnswer", common->first},
                          {"mostFrequentAnswerShare", commonShare},
                          {"largestSharedAnswerShare", pairs.largestShared},
                          {"anyTwoIdentical", pairs.identical},
                          {"initials", initials},
                          {"initialsWithinTarget", initialsOk},
                          {"targetsMet", ok}}
               .dump(2)
        << "\n";
    return 0;
}

}  // namespace quillby::cli
