#pragma once

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/common/result.h"
#include "data/clue_writer.h"
#include "data/data_build.h"
#include "data/leak_check.h"
#include "data/morphology.h"
#include "data/offensive.h"
#include "data/word_list.h"
#include "data/wordnet.h"

namespace quillby::data {

// Everything the clue writer and the clue audit read, loaded once: SCOWL's lists, WordNet, the
// hand-kept lists under tools/data, and the writer and filters made from them.
class ClueSources {
public:
    static Result<std::unique_ptr<ClueSources>> Load(const DataSources& sources);
    ClueSources(const ClueSources&) = delete;
    ClueSources& operator=(const ClueSources&) = delete;

    // The candidate answers, lower case, sorted.
    const std::vector<std::string>& Words() const { return words; }
    const WordLevels& Levels() const { return levels; }
    const WordNet& Net() const { return wordNet; }
    const Morphology& Forms() const { return *morphology; }
    // Never answers, never in clues: WordNet's offensive words, the blocklist, the breakfast list.
    const OffensiveWords& Unfit() const { return unfit; }
    // The breakfast-test list alone (answers crude, sexual, excretory or disparaging).
    const OffensiveWords& Breakfast() const { return breakfast; }
    // Words few players know (LEA, TUN): answers only where a length needs them for its floor.
    const std::unordered_set<std::string>& RareAnswers() const { return rareAnswers; }
    const LeakCheck& Leaks() const { return *leakCheck; }
    const ClueWriter& Writer() const { return *writer; }

private:
    ClueSources() = default;

    std::vector<std::string> words;
    std::unordered_set<std::string> dictionary;  // SCOWL to size 70: confirms inflections
    std::unordered_set<std::string> common;      // SCOWL to the answers' size: known words
    WordLevels levels;
    WordNet wordNet;
    std::unique_ptr<Morphology> morphology;
    OffensiveWords unfit;
    OffensiveWords breakfast;
    std::unordered_set<std::string> rareAnswers;
    std::unique_ptr<LeakCheck> leakCheck;
    std::unique_ptr<ClueWriter> writer;
};

// The whole of a text file, or why it cannot be read.
Result<std::string> ReadTextFile(const std::string& path);

// One line a word: lower-case text before any '#'.
std::vector<std::string> ParseWordList(std::string_view text);

}  // namespace quillby::data
