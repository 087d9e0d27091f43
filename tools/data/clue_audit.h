#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/clue_sources.h"

namespace quillby::data {

// What a reader checks in (answer, clue) pairs, counted.
struct ClueFigures {
    int pairs = 0;
    int overSixWords = 0;              // clues of more than six words
    int kindOf = 0;                    // "Kind of X"
    int bareBroader = 0;               // one word naming a broader class ("Singers" for BARITONES)
    int trailingPunctuation = 0;       // ending in , ; : . or -
    int leaks = 0;                     // failing the leak filter with WordNet's relations
    int breakfastAnswers = 0;          // answers on the breakfast-test list or otherwise unfit
    std::vector<std::string> leaking;  // "ANSWER: clue" of the first few leaks
    std::vector<std::string> unfit;    // the first few unfit answers

    void Add(std::string_view answer, std::string_view clue, const ClueSources& sources);
};

// Whether a one-word clue names a class the answer belongs to (two steps up WordNet's broader
// terms at most) rather than a word of the answer's own senses.
bool BareBroader(std::string_view answer, std::string_view clue, const WordNet& wordNet,
                 const Morphology& morphology);

}  // namespace quillby::data
