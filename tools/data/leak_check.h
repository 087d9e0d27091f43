#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/morphology.h"
#include "data/wordnet.h"

namespace quillby::data {

// The leak filter with what WordNet knows about an answer: every lemma the answer may be a
// form of, and the words WordNet derives from those lemmas or them from (lawyer / law,
// numerical / number), count as the answer.
class LeakCheck {
public:
    LeakCheck(const WordNet& wordNet, const Morphology& morphology)
        : wordNet(wordNet), morphology(morphology)
    {
    }

    // The answer's lemmas and their single-word derivations, lower case, sorted, unique.
    std::vector<std::string> RelatedWords(std::string_view answer) const;
    // ClueLeaks with RelatedWords (answer in any case).
    bool Leaks(std::string_view answer, std::string_view clue) const;

private:
    const WordNet& wordNet;
    const Morphology& morphology;
};

}  // namespace quillby::data
