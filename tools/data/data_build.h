#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/common/result.h"
#include "data/answer_choice.h"

namespace quillby::data {

// Where the data comes from: Debian's packages and the hand-kept files under tools/.
struct DataSources {
    std::string scowlFolder = "/usr/share/dict/scowl";
    std::string wordNetFolder = "/usr/share/wordnet";
    // holds data/blocklist.txt, data/breakfast.txt, data/function_words.txt,
    // data/editor_clues.txt, data/rare_answers.txt, templates/
    std::string toolsFolder;
    // SCOWL size: 50 is the "common words" size; larger ones add rarities WordNet cannot clue.
    int scowlLevel = 50;
};

// The answer words (upper case, sorted) with their clues, best first.
struct CluedWords {
    std::vector<std::string> words;
    std::vector<std::vector<std::string>> clues;
    std::vector<double> scores;  // each word's first clue's score
    std::size_t candidates = 0;  // words read from the lists before cluing
};

// The answers and their clues. candidates, when given, receives every word that got a clue,
// shipped or not, with its rating.
Result<CluedWords> WriteClues(const DataSources& sources,
                              std::vector<AnswerChoice>* candidates = nullptr);

// The clue writer's reasoning for each word (ClueWriter::Explain), for people tuning it.
Result<std::string> ExplainClues(const DataSources& sources, const std::vector<std::string>& words);

// Writes candidates as a tab-separated table for people to read: word, SCOWL size, value,
// shipped (1/0), then each clue with its score.
Status WriteClueTable(const std::vector<AnswerChoice>& candidates, const std::string& path);

// The main clue store: every clue of a word with rotations 0..n-1, so they take turns.
ClueStore MakeClueStore(const CluedWords& clued);

// Fixes the edge order of the word graph, so the same inputs always give the same file.
inline constexpr std::uint32_t kEdgeOrderSeed = 20261207u;
// The seed of the default puzzle.
inline constexpr std::uint32_t kDefaultPuzzleSeed = 7u;
inline constexpr int kDefaultPuzzleAttempts = 1000;

// Writes every data file into appFolder/data and appFolder/res; with a tablePath, the clue
// table too (WriteClueTable).
Status WriteAppData(const DataSources& sources, const std::string& appFolder,
                    const std::string& tablePath = "");

}  // namespace quillby::data
