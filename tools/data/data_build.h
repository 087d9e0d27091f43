#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/common/result.h"

namespace quillby::data {

// Where the data comes from: Debian's packages and the hand-kept files under tools/.
struct DataSources {
    std::string scowlFolder = "/usr/share/dict/scowl";
    std::string wordNetFolder = "/usr/share/wordnet";
    std::string toolsFolder;  // holds data/blocklist.txt, data/function_words.txt, templates/
    // SCOWL size: 50 is the "common words" size; larger ones add rarities WordNet cannot clue.
    int scowlLevel = 50;
};

// The answer words (upper case, sorted) with their clues, best first.
struct CluedWords {
    std::vector<std::string> words;
    std::vector<std::vector<std::string>> clues;
    std::size_t candidates = 0;  // words read from the lists before cluing
};

Result<CluedWords> WriteClues(const DataSources& sources);

// The main clue store: every clue of a word with rotations 0..n-1, so they take turns.
ClueStore MakeClueStore(const CluedWords& clued);

// Fixes the edge order of the word graph, so the same inputs always give the same file.
inline constexpr std::uint32_t kEdgeOrderSeed = 20261207u;
// The seed of the default puzzle.
inline constexpr std::uint32_t kDefaultPuzzleSeed = 7u;
inline constexpr int kDefaultPuzzleAttempts = 1000;

// Writes every data file into appFolder/data and appFolder/res.
Status WriteAppData(const DataSources& sources, const std::string& appFolder);

}  // namespace quillby::data
