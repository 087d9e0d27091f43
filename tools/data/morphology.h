#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "data/wordnet.h"

namespace quillby::data {

enum class Inflection : std::uint8_t {
    None,
    Plural,       // dogs
    ThirdPerson,  // runs
    Past,         // walked, ran: the simple past (a regular form is the participle too)
    Participle,   // eaten, stolen: a past participle that is not also the simple past
    Gerund,       // running
    Comparative,  // bigger
    Superlative,  // biggest
};

// One way to read a word: as a form of a WordNet lemma of one part of speech.
struct Reading {
    std::string lemma;  // lower case, as WordNet indexes it
    Pos pos = Pos::Noun;
    Inflection inflection = Inflection::None;
};

// The regular spellings of an inflected form (more than one where English hesitates:
// "visited" or "visitted" for a lemma ending in a stressed-or-not syllable).
std::vector<std::string> RegularForms(std::string_view lemma, Inflection inflection);

// Reads words as inflections of WordNet lemmas and inflects lemmas back. `dictionary` is a
// large list of real English words (lower case) that confirms a regular form exists.
class Morphology {
public:
    Morphology(const WordNet& wordNet, const std::unordered_set<std::string>& dictionary)
        : wordNet(wordNet), dictionary(dictionary)
    {
    }

    // Every reading of a lower-case word: as a lemma itself and as an inflection whose lemma
    // inflects back to exactly this word ("hated" is a form of "hate", never of "hat").
    std::vector<Reading> Analyse(std::string_view word) const;
    // The form of lemma for an inflection, irregular forms first; none when no spelling of it
    // is a known word. A multiword lemma inflects its head (last word for nouns and adjectives,
    // first for verbs).
    std::optional<std::string> Inflect(std::string_view lemma, Pos pos,
                                       Inflection inflection) const;

    // The form hand tables fix for a lemma, whatever WordNet and the dictionary say: the
    // irregular verbs' pasts and participles, "does", "goes", "has", "is".
    static std::optional<std::string> FixedForm(std::string_view lemma, Pos pos,
                                                Inflection inflection);
    // The part of speech in which the word's readings have the most senses ("yellow" is an
    // adjective before it is a noun); none for a word WordNet does not know.
    std::optional<Pos> MainPos(std::string_view word) const;
    // How much the word is used in one part of speech: its readings' senses there, each
    // counting one plus its tag count.
    int UseIn(std::string_view word, Pos pos) const;

private:
    bool IsFormOf(std::string_view word, std::string_view lemma, Pos pos,
                  Inflection inflection) const;
    std::optional<std::string> InflectWord(std::string_view word, Pos pos,
                                           Inflection inflection) const;

    const WordNet& wordNet;
    const std::unordered_set<std::string>& dictionary;
};

Pos PosOf(Inflection inflection);

}  // namespace quillby::data
