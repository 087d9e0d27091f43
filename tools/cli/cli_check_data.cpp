#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "cli/cli.h"
#include "core/clues/clue_store.h"
#include "core/common/file_io.h"
#include "core/generator/fill_index.h"
#include "core/generator/fill_words.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "core/wordgraph/dawg.h"
#include "data/checked_pattern.h"
#include "data/grid_pattern.h"
#include "data/leak_filter.h"
#include "data/media_files.h"

namespace quillby::cli {

namespace {

constexpr int kShortest = 3;
constexpr int kLongest = 11;
constexpr int kFillSeeds = 20;
constexpr std::size_t kMaxWords = 2'000'000;
// A fill word this familiar or more is one most players know (see docs/data.md).
constexpr int kFamiliarFill = 50;

using Problems = std::vector<std::string>;

// Every word of the graph, by a depth-first walk over its edges in file order.
std::vector<std::string> GraphWords(const Dawg& dawg, Problems& problems)
{
    std::vector<std::string> words;
    const DawgNode* root = dawg.Root();
    const DawgNode* end = dawg.EndNode();
    if (root == nullptr || end == nullptr) {
        problems.push_back("eng_dawg: no root or no end node");
        return words;
    }
    if (!dawg.Outgoing(*end).empty()) {
        problems.push_back("eng_dawg: the end node has outgoing edges");
        return words;
    }
    std::string prefix;
    auto walk = [&](auto& self, const DawgNode& node) -> void {
        for (const DawgEdge& edge : dawg.Outgoing(node)) {
            if (words.size() >= kMaxWords || prefix.size() > kLongest) {
                return;
            }
            prefix.push_back(edge.letter);
            const DawgNode& next = dawg.Nodes()[static_cast<std::size_t>(edge.to)];
            if (&next == end) {
                words.push_back(prefix);
            } else {
                self(self, next);
            }
            prefix.pop_back();
        }
    };
    walk(walk, *root);
    return words;
}

nlohmann::json ByLength(const std::vector<std::string>& words)
{
    std::map<int, int> counts;
    for (const std::string& word : words) {
        counts[static_cast<int>(word.size())] += 1;
    }
    nlohmann::json json = nlohmann::json::object();
    for (const auto& [length, count] : counts) {
        json[std::to_string(length)] = count;
    }
    return json;
}

nlohmann::json CheckWords(const Dawg& dawg, std::vector<std::string>& words, Problems& problems)
{
    words = GraphWords(dawg, problems);
    std::set<std::string> unique(words.begin(), words.end());
    if (unique.size() != words.size()) {
        problems.push_back("eng_dawg: " + std::to_string(words.size() - unique.size()) +
                           " words are reached by more than one path");
    }
    const auto badLength = std::count_if(words.begin(), words.end(), [](const std::string& w) {
        return w.size() < kShortest || w.size() > kLongest;
    });
    if (badLength > 0) {
        problems.push_back("eng_dawg: " + std::to_string(badLength) +
                           " words are not 3 to 11 long");
    }
    return {{"total", words.size()}, {"byLength", ByLength(words)}};
}

// "ice_cream" is WordNet's spelling of a phrase; a blank such as "To and ___" is not.
bool HasLemmaUnderscore(const std::string& text)
{
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '_' && letter(text[i - 1]) && letter(text[i + 1])) {
            return true;
        }
    }
    return false;
}

void CheckClueRecord(const ClueRecord& record, Problems& problems)
{
    const std::string& q = record.question;
    std::string fault;
    if (q.empty() || (q[0] >= 'a' && q[0] <= 'z')) {
        fault = "is empty or starts in lower case";
    } else if (HasLemmaUnderscore(q) || q.find("(a)") != std::string::npos ||
               q.find("(p)") != std::string::npos) {
        fault = "holds WordNet markup";
    } else if (q.size() + record.answer.size() + 1 > ClueStore::kMaxClueText) {
        fault = "is too long";
    } else if (data::ClueLeaks(record.answer, q)) {
        fault = "gives its answer away";
    }
    if (!fault.empty() && problems.size() < 200) {
        problems.push_back("eng_clues.b: the clue \"" + q + "\" for " + record.answer + " " +
                           fault);
    }
}

nlohmann::json CheckClues(const ClueStore& clues, const std::vector<std::string>& words,
                          Problems& problems)
{
    std::map<std::string, std::vector<int>> rotations;
    for (const ClueRecord& record : clues.Records()) {
        CheckClueRecord(record, problems);
        rotations[record.answer].push_back(record.rotation);
    }
    for (auto& [answer, turns] : rotations) {
        std::sort(turns.begin(), turns.end());
        for (std::size_t i = 0; i < turns.size(); ++i) {
            if (turns[i] != static_cast<int>(i)) {
                problems.push_back("eng_clues.b: the rotations of " + answer + " are not 0..n-1");
                break;
            }
        }
    }
    const std::set<std::string> graphWords(words.begin(), words.end());
    std::vector<std::string> clued;
    int fillOnly = 0;
    for (const auto& [answer, turns] : rotations) {
        if (graphWords.count(answer) != 0) {
            clued.push_back(answer);
        } else {
            fillOnly += 1;  // a phrase or long word of the fill word list
        }
    }
    const auto unclued = std::count_if(words.begin(), words.end(), [&](const std::string& w) {
        const ClueRecord* record = clues.Find(w);
        return record == nullptr || record->solved != 0;
    });
    if (unclued > 0) {
        problems.push_back("eng_dawg: " + std::to_string(unclued) +
                           " words have no current unsolved clue");
    }
    return {{"records", clues.Size()},
            {"wordsWithClue", clued.size()},
            {"fillOnlyAnswers", fillOnly},
            {"byLength", ByLength(clued)}};
}

// The fill word list of the fully checked grids: it reads, holds every word of the graph, and
// every entry has a clue to show.
nlohmann::json CheckFillWords(const std::string& dataFolder, const std::vector<std::string>& words,
                              const ClueStore& clues, Problems& problems)
{
    auto list = ReadFillWords(dataFolder + "/eng_fill_words");
    if (!list) {
        problems.push_back(list.Error());
        return {{"total", 0}};
    }
    std::vector<std::string> texts;
    int familiar = 0;
    for (const FillWord& word : list->words) {
        texts.push_back(word.text);
        familiar += word.familiarity >= kFamiliarFill ? 1 : 0;
    }
    const auto unclued = std::count_if(texts.begin(), texts.end(), [&](const std::string& w) {
        const ClueRecord* record = clues.Find(w);
        return record == nullptr || record->solved != 0;
    });
    if (unclued > 0) {
        problems.push_back("eng_fill_words: " + std::to_string(unclued) +
                           " entries have no current unsolved clue");
    }
    const auto missing = std::count_if(words.begin(), words.end(), [&](const std::string& w) {
        return !std::binary_search(texts.begin(), texts.end(), w);
    });
    if (missing > 0) {
        problems.push_back("eng_fill_words: " + std::to_string(missing) +
                           " words of the graph are missing");
    }
    return {{"total", texts.size()}, {"familiar", familiar}, {"byLength", ByLength(texts)}};
}

int CheckTemplates(const std::string& dataFolder, int size, Problems& problems)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    auto file = ReadTemplateFile(dataFolder + "/" + name, size, size);
    if (!file) {
        problems.push_back(file.Error());
        return 0;
    }
    const std::size_t area = static_cast<std::size_t>(size * size);
    if (file->bytes.size() % area != 0) {
        problems.push_back(name + ": ends inside a template");
    }
    // What the game itself refuses before it generates.
    if (const Status checked = CheckTemplates(file.Value(), name); !checked) {
        problems.push_back(checked.Error());
    }
    for (std::size_t i = 0; i < file->Count(); ++i) {
        data::GridPattern pattern{size, {}};
        for (std::size_t k = 0; k < area; ++k) {
            pattern.open.push_back(file->bytes[i * area + k] != std::byte{0});
        }
        const bool checked = size == 13 || size == 15;
        for (const std::string& problem :
             checked ? data::CheckedPatternProblems(pattern) : data::PatternProblems(pattern)) {
            problems.push_back(name + " template " + std::to_string(i + 1) + ": " + problem);
        }
    }
    return static_cast<int>(file->Count());
}

double Percentile(std::vector<double> values, double share)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

// Whole generations as the game runs them, one per fixed seed.
nlohmann::json MeasureGeneration(const std::string& dataFolder, int size, const Dawg& dawg,
                                 const ClueStore& clues, const FillWordList* fillWords,
                                 Problems& problems)
{
    int attempts = 0;
    int made = 0;
    std::vector<double> millis;
    for (int seed = 1; seed <= kFillSeeds; ++seed) {
        Rng rng(static_cast<std::uint32_t>(seed));
        GenerationJob job(dawg, clues, rng,
                          dataFolder + "/" + std::to_string(size) + "x" + std::to_string(size),
                          size, kDefaultMaxAttempts, fillWords);
        const auto start = std::chrono::steady_clock::now();
        job.Run();
        const auto end = std::chrono::steady_clock::now();
        attempts += job.Attempts();
        if (job.result.load() == GenerationJob::kMade) {
            made += 1;
            millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    if (made < kFillSeeds) {
        problems.push_back(std::to_string(size) + " x " + std::to_string(size) + ": " +
                           std::to_string(kFillSeeds - made) + " of " + std::to_string(kFillSeeds) +
                           " generations failed");
    }
    return {{"attempts", attempts},
            {"successRate", attempts == 0 ? 0.0 : static_cast<double>(made) / attempts},
            {"medianMillis", Percentile(millis, 0.5)},
            {"p95Millis", Percentile(millis, 0.95)}};
}

}  // namespace

// Defined in cli_check_files.cpp.
void CheckOtherFiles(const std::string& dataFolder, const std::string& resFolder,
                     const ClueStore& clues, Problems& problems);

int RunCheckData(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.size() > 1) {
        err << "usage: quillby-cli check-data [DIR]\n";
        return 2;
    }
    const std::string folder = args.empty() ? "." : args[0];
    const std::string dataFolder = folder + "/data";
    Problems problems;
    Dawg dawg;
    if (Status loaded = dawg.Load(dataFolder + "/eng_dawg"); !loaded) {
        problems.push_back(loaded.Error());
    } else if (dawg.TrailingBytes() > 0) {
        problems.push_back("eng_dawg: " + std::to_string(dawg.TrailingBytes()) +
                           " bytes follow the last edge record");
    }
    ClueStore clues;
    if (Status loaded = clues.Load(dataFolder + "/eng_clues.b"); !loaded) {
        problems.push_back(loaded.Error());
    }
    std::vector<std::string> words;
    nlohmann::json report;
    report["words"] = CheckWords(dawg, words, problems);
    report["clues"] = CheckClues(clues, words, problems);
    report["fillWords"] = CheckFillWords(dataFolder, words, clues, problems);
    report["templates"] = {{"9", CheckTemplates(dataFolder, 9, problems)},
                           {"11", CheckTemplates(dataFolder, 11, problems)}};
    report["fill"] = {{"9", MeasureGeneration(dataFolder, 9, dawg, clues, nullptr, problems)},
                      {"11", MeasureGeneration(dataFolder, 11, dawg, clues, nullptr, problems)}};
    // The fully checked sizes, where their templates are shipped.
    FillWordList fillWords;
    for (const int size : {13, 15}) {
        const std::string name = std::to_string(size);
        std::error_code error;
        if (!std::filesystem::exists(dataFolder + "/" + name + "x" + name, error)) {
            continue;
        }
        if (fillWords.words.empty()) {
            auto read = ReadFillWords(dataFolder + "/eng_fill_words");
            fillWords = read ? std::move(read.Value()) : FillWordsFromWordGraph(dawg, clues);
        }
        report["templates"][name] = CheckTemplates(dataFolder, size, problems);
        report["fill"][name] =
            MeasureGeneration(dataFolder, size, dawg, clues, &fillWords, problems);
    }
    CheckOtherFiles(dataFolder, folder + "/res", clues, problems);
    report["problems"] = problems;
    out << JsonText(report, 2) << "\n";
    return problems.empty() ? 0 : 1;
}

}  // namespace quillby::cli
