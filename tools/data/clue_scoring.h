#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/word_list.h"
#include "data/wordnet.h"

namespace quillby::data {

// How a clue says what its answer means; the kinds read differently and score differently.
enum class ClueKind : std::uint8_t {
    Hand,        // written by hand for a word WordNet lacks
    Definition,  // a short WordNet definition
    Synonym,     // a word or short phrase of the same sense
    Antonym,     // "Not old"
    Field,       // a broader term narrowed by its field: "Golf score"
    Blank,       // an example sentence with the answer left out: "Iced ___ is a cooling drink"
};

// How familiar a player is with each word: the SCOWL size that lists it (10 commonest .. 50),
// or 0 where the word is unlisted. Without levels, `known` words count as common (35).
class Familiarity {
public:
    Familiarity(const WordLevels* levels, const std::unordered_set<std::string>& known)
        : levels(levels), known(known)
    {
    }
    int LevelOf(std::string_view word) const;
    // Whether the levels are known, or only whether a word is known.
    bool Graded() const { return levels != nullptr; }
    // 1 for the commonest words down to about 0.6 for the edge of the vocabulary; 0 unlisted.
    double WordFactor(std::string_view word) const;

private:
    const WordLevels* levels;
    const std::unordered_set<std::string>& known;
};

// 0..1: how well a definition reads as a clue. Short (two to five words) and plain words score
// best; every cut, a remaining "or"-list, a vague opening ("act of", "something") and rare words
// cost. Zero for what must not be printed (Latin genus names, over twelve words).
double DefinitionQuality(std::string_view text, int cuts, bool orList,
                         const Familiarity& familiarity);

// 0..1: how well a synonym stands for the sense: a single common word whose own commonest
// sense this is reads as a real synonym; a word that means this only rarely ("grind" for a
// nerd) reads as a puzzle of its own.
double SynonymQuality(std::string_view synonym, const Synset& synset, const WordNet& wordNet,
                      const Familiarity& familiarity);

// Whether a field is one a general audience meets every day (sports, cooking, music): senses
// in other fields (chemistry, baseball, law, seafaring) are ranked after everyday ones.
bool EverydayField(std::string_view field);

// The field a sense belongs to, from its topic pointer or its gloss's "(golf)" marker, lower
// case; empty when none.
std::string FieldOf(const Synset& synset);

// Broader terms too general to narrow down anything ("entity", "act", "person").
bool VagueClass(std::string_view plainLemma);

}  // namespace quillby::data
