#pragma once

#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "data/morphology.h"
#include "data/offensive.h"
#include "data/wordnet.h"

namespace quillby::data {

inline constexpr std::size_t kMaxCluesPerWord = 4;

// Hand-written clues for short words WordNet lacks. Text: "WORD<TAB>clue" a line; a word may
// have several lines; '#' starts a comment line.
std::map<std::string, std::vector<std::string>> ParseClueTable(std::string_view text);

// Writes crossword clues for answer words from WordNet: the word's commonest senses first, each
// as a cut-down definition or a synonym, inflected to match an inflected answer. Every clue
// passes the leak and offensive-word filters.
class ClueWriter {
public:
    // commonWords: the words a player can be expected to know (lower case, every form);
    // synonyms and classes made of other words are too obscure to clue with.
    ClueWriter(const WordNet& wordNet, const Morphology& morphology,
               const OffensiveWords& offensive,
               std::map<std::string, std::vector<std::string>> handClues,
               const std::unordered_set<std::string>& commonWords)
        : wordNet(wordNet),
          morphology(morphology),
          offensive(offensive),
          handClues(std::move(handClues)),
          commonWords(commonWords)
    {
    }

    // Clues for a lower-case word, best first, at most kMaxCluesPerWord; none for a word that is
    // offensive, a proper noun only, or has no clue that keeps its answer hidden.
    std::vector<std::string> CluesFor(std::string_view word) const;

private:
    struct ScoredSense {
        const Synset* synset;
        Reading reading;
        double score;
    };
    std::vector<ScoredSense> RankedSenses(std::string_view word, bool& offensiveOnly) const;
    std::vector<std::string> SynonymClues(const ScoredSense& sense) const;
    std::vector<std::string> DefinitionClues(const ScoredSense& sense) const;
    std::vector<std::string> BroaderClues(const ScoredSense& sense) const;
    bool Acceptable(std::string_view word, const Reading& reading, std::string_view clue) const;
    bool Common(std::string_view phrase) const;

    const WordNet& wordNet;
    const Morphology& morphology;
    const OffensiveWords& offensive;
    std::map<std::string, std::vector<std::string>> handClues;
    const std::unordered_set<std::string>& commonWords;
};

}  // namespace quillby::data
