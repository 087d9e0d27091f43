#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <map>
#include <ostream>
#include <set>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_generation.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"
#include "core/generator/recent_answers.h"

namespace quillby::cli {

namespace {

constexpr const char* kFreshnessUsage =
    "usage: quillby-cli freshness --size 9|11|13|15 [--count N] [--seed S] [--data DIR] "
    "[--max-attempts M] [--after A] [--reference]\n";

using Answers = std::set<std::string>;
using LetterShares = std::array<double, 26>;

// What a run of generations is judged on.
struct Survey {
    std::vector<Answers> puzzles;
    std::vector<std::string> grids;  // solution letters, '#' for a block
    double millis = 0;

    void Add(const Crossword& crossword)
    {
        Answers answers;
        for (const AnswerEntry& entry : crossword.answers) {
            answers.insert(std::string(entry.AnswerWord()));
        }
        std::string grid;
        for (const Square& square : crossword.squares) {
            grid.push_back(square.open ? square.solution : '#');
        }
        puzzles.push_back(std::move(answers));
        grids.push_back(std::move(grid));
    }
};

// The share of each initial among the clued words of the graph that fit the grid.
LetterShares WordListInitials(const GenerationData& data, int size)
{
    LetterShares shares{};
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

LetterShares PuzzleInitials(const Survey& survey)
{
    LetterShares shares{};
    double total = 0;
    for (const Answers& answers : survey.puzzles) {
        for (const std::string& word : answers) {
            shares[static_cast<std::size_t>(word[0] - 'A')] += 1;
            total += 1;
        }
    }
    for (double& share : shares) {
        share = total > 0 ? share / total : 0;
    }
    return shares;
}

// At most one and a half times the baseline's share, plus one percentage point.
bool WithinTarget(double share, double baseline)
{
    return share <= 1.5 * baseline + 0.01;
}

nlohmann::json LettersOver(const LetterShares& shares, const LetterShares& baseline)
{
    nlohmann::json letters = nlohmann::json::array();
    for (std::size_t i = 0; i < 26; ++i) {
        if (!WithinTarget(shares[i], baseline[i])) {
            letters.push_back(std::string(1, static_cast<char>('A' + i)));
        }
    }
    return letters;
}

// Repeats across the puzzles: the most frequent answer, the largest share of answers two
// puzzles have in common, and whether two are the same grid. The fully checked sizes, with
// their larger word list, are held to a quarter shared and 5 % for one answer; the Original
// sizes to a half and 10 %.
nlohmann::json RepeatReport(const Survey& survey, int size)
{
    const bool checked = size == 13 || size == 15;
    const double sharedTarget = checked ? 0.25 : 0.5;
    const double commonTarget = checked ? 0.05 : 0.10;
    std::map<std::string, int> puzzlesWith;
    for (const Answers& answers : survey.puzzles) {
        for (const std::string& word : answers) {
            puzzlesWith[word] += 1;
        }
    }
    const auto common =
        std::max_element(puzzlesWith.begin(), puzzlesWith.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
    double largestShared = 0;
    bool identical = false;
    for (std::size_t i = 0; i < survey.puzzles.size(); ++i) {
        for (std::size_t j = i + 1; j < survey.puzzles.size(); ++j) {
            largestShared =
                std::max(largestShared, SharedShare(survey.puzzles[i], survey.puzzles[j]));
            identical = identical || survey.grids[i] == survey.grids[j];
        }
    }
    const double count = static_cast<double>(survey.puzzles.size());
    const double commonShare = common == puzzlesWith.end() ? 0 : common->second / count;
    return {{"meanMillis", count > 0 ? survey.millis / count : 0},
            {"mostFrequentAnswer", common == puzzlesWith.end() ? "" : common->first},
            {"mostFrequentAnswerShare", commonShare},
            {"largestSharedAnswerShare", largestShared},
            {"anyTwoIdentical", identical},
            {"repeatsWithinTarget",
             !identical && largestShared <= sharedTarget && commonShare <= commonTarget}};
}

// The yardstick for the game's fill: at each entry, in the same order, every word that fits
// and has a usable clue, in a uniformly random order, with no step limit and no scoring. A
// letter that this fill also favours as an initial is favoured by the shape of crosswords
// (most first squares are lettered by crossing answers), not by the way the graph is walked.
class ReferenceFill {
public:
    ReferenceFill(Crossword& crossword, const Dawg& dawg, ClueCheck& clueCheck, Rng& rng)
        : crossword(crossword), dawg(dawg), clueCheck(clueCheck), rng(rng)
    {
    }

    bool Fill()
    {
        budget = 0;
        return FillFrom(0);
    }

private:
    bool FillFrom(std::size_t index)
    {
        if (index == crossword.answers.size()) {
            return true;
        }
        AnswerEntry& entry = crossword.answers[index];
        Collect(entry);
        for (std::size_t k = 0; k < entry.candidates.size(); ++k) {
            if (budget > PuzzleFiller::kBudgetLimit) {
                return false;
            }
            if (Placed(entry.candidates[k].word)) {
                budget += 1;
                continue;
            }
            crossword.PlaceAnswer(entry, static_cast<int>(k));
            if (FillFrom(index + 1)) {
                return true;
            }
            budget += 1;
            crossword.RemoveAnswer(entry.start, entry.length, entry.direction, true);
            entry.answer = -1;
        }
        return false;
    }

    void Collect(AnswerEntry& entry)
    {
        entry.candidates.clear();
        entry.answer = -1;
        std::string pattern;
        for (const Square* square : crossword.EntrySquares(entry)) {
            pattern.push_back(square->solution > 0 ? square->solution : '*');
        }
        int steps = 0;
        auto keep = [&](std::string_view word, int&) {
            if (clueCheck.Usable(word)) {
                entry.candidates.push_back(Candidate{std::string(word), 0});
            }
        };
        dawg.MatchRun(pattern, steps, coin, keep, std::numeric_limits<int>::max());
        for (std::size_t i = entry.candidates.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(rng.RandBelow(static_cast<std::int32_t>(i)));
            std::swap(entry.candidates[i - 1], entry.candidates[j]);
        }
    }

    bool Placed(const std::string& word) const
    {
        return std::any_of(crossword.answers.begin(), crossword.answers.end(),
                           [&](const AnswerEntry& other) {
                               return other.HasAnswer() && other.AnswerWord() == word;
                           });
    }

    Crossword& crossword;
    const Dawg& dawg;
    ClueCheck& clueCheck;
    Rng& rng;
    EdgeCoin coin;  // the shuffle decides the order, so the walk's order does not matter
    int budget = 0;
};

// count reference puzzles on the game's templates, retiring clues as the game does; false
// after a message when a puzzle does not fill within maxAttempts templates.
bool SurveyReference(GenerationData& data, Rng& rng, int size, std::int64_t count,
                     std::int64_t maxAttempts, Survey& survey, std::ostream& err)
{
    const auto templates = ReadTemplateFile(data.Templates(size), size, size);
    if (!templates) {
        err << templates.Error() << "\n";
        return false;
    }
    Crossword crossword;
    crossword.SetGridSize(size, size);
    for (std::int64_t k = 0; k < count; ++k) {
        const auto start = std::chrono::steady_clock::now();
        ClueCheck clueCheck(data.clues);
        bool filled = false;
        for (std::int64_t attempt = 0; attempt < maxAttempts && !filled; ++attempt) {
            crossword.ClearSquares();
            LoadTemplate(crossword, templates.Value(), rng);
            crossword.BuildAnswerList();
            filled = ReferenceFill(crossword, data.dawg, clueCheck, rng).Fill();
        }
        if (!filled) {
            err << "no reference puzzle in " << maxAttempts << " attempts\n";
            return false;
        }
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        survey.millis += elapsed.count();
        survey.Add(crossword);
        RetireAnswerClues(crossword, data.clues);
    }
    return true;
}

}  // namespace

int RunFreshness(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const auto size = ParseNumber(FlagValue(args, "--size", ""), 9, 15);
    const auto count = ParseNumber(FlagValue(args, "--count", "200"), 2, 100000);
    const auto seed = ParseNumber(FlagValue(args, "--seed", "1"), 0, 0xFFFFFFFFll);
    const auto attempts = ParseNumber(FlagValue(args, "--max-attempts", "500"), 1, 1000000000);
    const auto after = ParseNumber(FlagValue(args, "--after", "0"), 0, 100000);
    if (!size || !IsPuzzleSize(*size) || !count || !seed || !attempts || !after) {
        err << kFreshnessUsage;
        return 2;
    }
    GenerationData data;
    if (!LoadGenerationData(DataFolder(args), data, err)) {
        return 1;
    }
    const int side = static_cast<int>(*size);
    const LetterShares listShares = WordListInitials(data, side);
    Rng rng(static_cast<std::uint32_t>(*seed));
    // Puzzles made first and not surveyed: a game that has remembered a full run of puzzles
    // fills under more constraint than a new one.
    for (std::int64_t k = 0; k < *after; ++k) {
        auto puzzle = GenerateOne(data, rng, side, static_cast<int>(*attempts), err);
        if (!puzzle) {
            return 1;
        }
        RetireAnswerClues(puzzle->crossword, data.clues);
    }
    Survey game;
    for (std::int64_t k = 0; k < *count; ++k) {
        auto puzzle = GenerateOne(data, rng, side, static_cast<int>(*attempts), err);
        if (!puzzle) {
            return 1;
        }
        game.millis += puzzle->millis;
        game.Add(puzzle->crossword);
        RetireAnswerClues(puzzle->crossword, data.clues);
    }
    const LetterShares gameShares = PuzzleInitials(game);
    nlohmann::json initials = nlohmann::json::object();
    for (std::size_t i = 0; i < 26; ++i) {
        initials[std::string(1, static_cast<char>('A' + i))] = {
            {"puzzles", gameShares[i]},
            {"wordList", listShares[i]},
            {"withinTarget", WithinTarget(gameShares[i], listShares[i])}};
    }
    nlohmann::json report = RepeatReport(game, side);
    report["size"] = *size;
    report["count"] = *count;
    report["seed"] = *seed;
    report["after"] = *after;
    report["initials"] = initials;
    report["initialsOverTarget"] = LettersOver(gameShares, listShares);
    if (HasFlag(args, "--reference")) {
        // Fresh from the files: the turn order moved on with every puzzle above.
        GenerationData referenceData;
        if (!LoadGenerationData(DataFolder(args), referenceData, err)) {
            return 1;
        }
        Rng referenceRng(static_cast<std::uint32_t>(*seed));
        Survey reference;
        if (!SurveyReference(referenceData, referenceRng, side, *count, *attempts, reference,
                             err)) {
            return 1;
        }
        const LetterShares referenceShares = PuzzleInitials(reference);
        for (std::size_t i = 0; i < 26; ++i) {
            report["initials"][std::string(1, static_cast<char>('A' + i))]["referenceFill"] =
                referenceShares[i];
        }
        nlohmann::json referenceReport = RepeatReport(reference, side);
        referenceReport["initialsOverTarget"] = LettersOver(referenceShares, listShares);
        report["referenceFill"] = referenceReport;
        report["initialsOverReferenceFill"] = LettersOver(gameShares, referenceShares);
    }
    out << JsonText(report, 2) << "\n";
    return 0;
}

}  // namespace quillby::cli
