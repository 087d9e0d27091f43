#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <utility>

#include "cli/cli.h"
#include "cli/cli_generation.h"
#include "core/clues/clue_clash.h"
#include "core/generator/generation_job.h"
#include "data/clue_audit.h"
#include "data/leak_filter.h"

namespace quillby::cli {

namespace {

constexpr const char* kAuditUsage =
    "usage: quillby-cli clue-audit [--size 9|11|13|15] [--count K] [--seed S] [--data DIR] "
    "[--sample M] [--plain] [--wordnet DIR] [--scowl DIR] [--tools DIR]\n";

struct AuditOptions {
    std::vector<int> sizes{9, 11};
    int count = 20;
    std::uint32_t seed = 1;
    int sample = 50;
    bool plain = false;
    data::DataSources sources;
};

std::optional<AuditOptions> ParseAuditOptions(std::span<const std::string> args, std::ostream& err)
{
    AuditOptions options;
    const std::string sizeText = FlagValue(args, "--size", "");
    const auto size = ParseNumber(sizeText, 9, 15);
    const auto count = ParseNumber(FlagValue(args, "--count", "20"), 1, 100000);
    const auto seed = ParseNumber(FlagValue(args, "--seed", "1"), 0, 0xFFFFFFFFll);
    const auto sample = ParseNumber(FlagValue(args, "--sample", "50"), 0, 100000);
    if ((!sizeText.empty() && (!size || !IsPuzzleSize(*size))) || !count || !seed || !sample) {
        err << kAuditUsage;
        return std::nullopt;
    }
    if (size) {
        options.sizes = {static_cast<int>(*size)};
    }
    options.count = static_cast<int>(*count);
    options.seed = static_cast<std::uint32_t>(*seed);
    options.sample = static_cast<int>(*sample);
    options.plain = HasFlag(args, "--plain");
    options.sources.wordNetFolder = FlagValue(args, "--wordnet", options.sources.wordNetFolder);
    options.sources.scowlFolder = FlagValue(args, "--scowl", options.sources.scowlFolder);
    options.sources.toolsFolder = FlagValue(args, "--tools", QUILLBY_TOOLS_DIR);
    return options;
}

nlohmann::json FiguresJson(const data::ClueFigures& figures)
{
    auto share = [&](int n) { return figures.pairs == 0 ? 0.0 : double(n) / figures.pairs; };
    return {{"pairs", figures.pairs},
            {"overSixWords", share(figures.overSixWords)},
            {"kindOf", share(figures.kindOf)},
            {"bareBroader", share(figures.bareBroader)},
            {"trailingPunctuation", figures.trailingPunctuation},
            {"leaks", figures.leaks},
            {"breakfastAnswers", figures.breakfastAnswers},
            {"leakExamples", figures.leaking},
            {"unfitAnswers", figures.unfit}};
}

// Shown clues of one puzzle that hold another of its answers or read like another's clue.
int Clashes(const std::vector<std::string>& answers, const ClueStore& clues)
{
    int clashes = 0;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const ClueRecord* clue = clues.Find(answers[i]);
        for (std::size_t j = 0; clue != nullptr && j < answers.size(); ++j) {
            const ClueRecord* other = clues.Find(answers[j]);
            if (j != i && (ClueHoldsWord(clue->question, answers[j]) ||
                           (j < i && other != nullptr && other->question == clue->question))) {
                ++clashes;
            }
        }
    }
    return clashes;
}

// The first clue of every word in the store as shipped, and every clue for leaks.
nlohmann::json StoreJson(const ClueStore& clues, const data::ClueSources& sources)
{
    data::ClueFigures first;
    std::set<std::string> words;
    int leaks = 0;
    std::string answer;
    std::vector<std::string> related;
    for (const ClueRecord& record : clues.Records()) {
        if (record.answer != answer) {
            answer = record.answer;
            related = sources.Leaks().RelatedWords(answer);
        }
        leaks += data::ClueLeaks(answer, record.question, related) ? 1 : 0;
        if (record.rotation == 0 && words.insert(record.answer).second) {
            first.Add(record.answer, record.question, sources);
        }
    }
    nlohmann::json json = FiguresJson(first);
    json["words"] = words.size();
    json["records"] = clues.Size();
    json["leakingRecords"] = leaks;
    return json;
}

}  // namespace

int RunClueAudit(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const auto options = ParseAuditOptions(args, err);
    if (!options) {
        return 2;
    }
    // The data folder first: a missing one is named at once, while the lexical sources take
    // seconds to load.
    GenerationData shipped;
    if (!LoadGenerationData(DataFolder(args), shipped, err)) {
        return 1;
    }
    auto sources = data::ClueSources::Load(options->sources);
    if (!sources) {
        err << "cannot load the clue sources: " << sources.Error() << "\n";
        return 1;
    }
    data::ClueFigures figures;
    int clashes = 0;
    int puzzles = 0;
    std::vector<std::pair<std::string, std::string>> pairs;
    nlohmann::json store;
    for (std::size_t i = 0; i < options->sizes.size(); ++i) {
        const int size = options->sizes[i];
        // Each size starts from the data as shipped and makes puzzles one after another, as
        // the game does.
        GenerationData data;
        if (i == 0) {
            data = std::move(shipped);
        } else if (!LoadGenerationData(DataFolder(args), data, err)) {
            return 1;
        }
        if (store.is_null()) {
            store = StoreJson(data.clues, *sources.Value());
        }
        Rng rng(options->seed);
        for (int k = 0; k < options->count; ++k) {
            auto puzzle = GenerateOne(data, rng, size, 500, err);
            if (!puzzle) {
                return 1;
            }
            std::vector<std::string> answers;
            for (const AnswerEntry& entry : puzzle->crossword.answers) {
                answers.emplace_back(entry.AnswerWord());
                const ClueRecord* clue = data.clues.Find(answers.back());
                const std::string text = clue != nullptr ? clue->question : "";
                figures.Add(answers.back(), text, *sources.Value());
                pairs.emplace_back(answers.back(), text);
            }
            clashes += Clashes(answers, data.clues);
            puzzles += 1;
            RetireAnswerClues(puzzle->crossword, data.clues);
        }
    }
    // The sample: pairs drawn at random by the seed, one per answer.
    Rng draw(options->seed);
    std::vector<std::pair<std::string, std::string>> sample;
    std::set<std::string> drawn;
    for (std::size_t i = pairs.size(); i > 0 && static_cast<int>(sample.size()) < options->sample;
         --i) {
        const auto at = static_cast<std::size_t>(draw.RandBelow(static_cast<std::int32_t>(i)));
        std::swap(pairs[at], pairs[i - 1]);
        if (drawn.insert(pairs[i - 1].first).second) {
            sample.push_back(pairs[i - 1]);
        }
    }
    const bool clean = figures.leaks == 0 && clashes == 0 && figures.breakfastAnswers == 0;
    if (options->plain) {
        for (const auto& [answer, clue] : sample) {
            out << answer << "\t" << clue << "\n";
        }
        return clean ? 0 : 1;
    }
    nlohmann::json json = {{"seed", options->seed}, {"sizes", options->sizes},
                           {"puzzles", puzzles},    {"puzzlePairs", FiguresJson(figures)},
                           {"conflicts", clashes},  {"store", store},
                           {"clean", clean}};
    json["sample"] = nlohmann::json::array();
    for (const auto& [answer, clue] : sample) {
        json["sample"].push_back({{"answer", answer}, {"clue", clue}});
    }
    out << json.dump(2) << "\n";
    return clean ? 0 : 1;
}

}  // namespace quillby::cli
