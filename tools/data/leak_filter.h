#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillby::data {

// Whether a clue gives its answer away: it holds the answer, a word of the same stem (the f/v
// alternation included: wife / wive), an inflection or derivation of it, a spelling variant of
// it, a word sharing its first four letters or a 5-letter substring with it, a word that starts
// or ends with a 3-letter answer (sister / SIS), or the full word of a short form (mamas / MAS).
// Case is ignored; `related` holds further words that count as the answer (its lemmas and
// their derivations: LeakCheck gathers them).
bool ClueLeaks(std::string_view answer, std::string_view clue,
               const std::vector<std::string>& related = {});

// The forms a word may be built from by stripping common endings ("happier" -> happy, happi).
std::vector<std::string> StemsOf(std::string_view word);

// Whether two single words are too close to stand as answer and clue word.
bool WordsRelated(std::string_view answer, std::string_view clueWord);

}  // namespace quillby::data
