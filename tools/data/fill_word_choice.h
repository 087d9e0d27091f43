#pragma once

#include <string>
#include <vector>

#include "core/generator/fill_words.h"
#include "data/clue_sources.h"
#include "data/data_build.h"

namespace quillby::data {

// The longest phrase and the longest word the fully checked grids take (15 x 15).
inline constexpr int kLongestFillWord = kMaxFillWordLength;

// One answer of the fill word list that the word graph does not hold: a WordNet phrase entered
// as its letters (ICEAGE from "ice age") or a SCOWL word of 12 letters or more.
struct ExtraFillWord {
    enum class Kind { Phrase, LongWord };
    std::string letters;  // upper case, A-Z
    std::string source;   // the lemma or word it was clued as, lower case, spaces between words
    Kind kind = Kind::Phrase;
    int familiarity = 0;
    std::vector<std::string> clues;  // best first
};

struct FillWordChoice {
    FillWordList list;                 // every entry, sorted
    std::vector<ExtraFillWord> extra;  // the entries clued here, sorted by letters
};

// How familiar an answer is, 0..100: from the smallest SCOWL size listing it (its rarest word's,
// for a phrase) and how often WordNet's tagged corpora used it (cntlist tag counts, over every
// sense of every reading).
int WordFamiliarity(const ClueSources& inputs, const std::string& word);
int PhraseFamiliarity(const ClueSources& inputs, const std::string& lemma, int glossUses);

// The fill word list: every answer of clued with its familiarity, then WordNet phrases that are
// real and familiar (used in the tagged corpora or in two glosses of other words, made of common
// words, not a name), and SCOWL words of 12 to 15 letters, each kept only when the clue writer
// gives it a good clue under the same rules as every answer. An entry whose letters are already
// an answer stays that answer.
FillWordChoice ChooseFillWords(const ClueSources& inputs, const CluedWords& clued);

}  // namespace quillby::data
