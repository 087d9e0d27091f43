#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"
#include "core/generator/recent_answers.h"
#include "core/model/crossword.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/rng.h"

namespace quillby::cli {

// What generation reads from a data folder: the word graph and the main clue store. The clue
// file is only read; nothing here writes it back.
struct GenerationData {
    std::string folder;
    Dawg dawg;
    ClueStore clues;
    FillWordList fillWords;  // made on first need, for the fully checked sizes
    bool fillWordsMade = false;
    // The answers of the fully checked puzzles made so far, left out of the next as the game
    // does.
    RecentAnswers recent;

    std::string Templates(int size) const;
    // The words the fully checked sizes (13 and 15) fill from; null for the Original sizes.
    const FillWordList* FillWordsFor(int size);
};

// The sizes generate, freshness and clue-audit take: the Original 9 and 11 and the fully
// checked 13 and 15.
bool IsPuzzleSize(std::int64_t size);

// Loads folder/eng_dawg and folder/eng_clues.b; false after a message on err.
bool LoadGenerationData(const std::string& folder, GenerationData& data, std::ostream& err);

// One generation as the game runs it. Empty (after a message on err) when no template filled.
struct GeneratedPuzzle {
    Crossword crossword;
    int attempts = 0;
    int templateIndex = -1;
    double millis = 0;
};
std::optional<GeneratedPuzzle> GenerateOne(GenerationData& data, Rng& rng, int size,
                                           int maxAttempts, std::ostream& err);

// Parses a whole decimal number within [low, high]; empty for anything else.
std::optional<std::int64_t> ParseNumber(const std::string& text, std::int64_t low,
                                        std::int64_t high);

// The data folder: --data DIR, or data/ under the current directory (the application folder).
std::string DataFolder(std::span<const std::string> args);

}  // namespace quillby::cli
