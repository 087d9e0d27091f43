#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillby::data {

// Whether a clue gives its answer away: it holds the answer, a word of the same stem, an
// inflection or derivation of it, a spelling variant of it, or a word sharing a 5-letter prefix
// or substring with it. Case is ignored; `related` holds further words that count as the answer
// (its lemma, for an inflected answer).
bool ClueLeaks(std::string_view answer, std::string_view clue,
               const std::vector<std::string>& related = {});

// The forms a word may be built from by stripping common endings ("happier" -> happy, happi).
std::vector<std::string> StemsOf(std::string_view word);

// Whether two single words are too close to stand as answer and clue word.
bool WordsRelated(std::string_view answer, std::string_view clueWord);

}  // namespace quillby::data
