#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "data/wordnet.h"

namespace quillby::data {

// Words that must neither be answers nor appear in clues: WordNet lemmas whose every sense is
// marked obscene, a slur or disparaging, plus a hand-kept blocklist for what WordNet misses.
class OffensiveWords {
public:
    OffensiveWords() = default;
    // Blocklist text: one lower-case word a line; '#' starts a comment.
    static OffensiveWords Build(const WordNet& wordNet, std::string_view blocklistText);
    static OffensiveWords FromList(const std::vector<std::string>& words);

    // A word is offensive when it, or a stem of it ("slurs" -> "slur"), is listed.
    bool IsOffensive(std::string_view word) const;
    // Whether any word of a clue text is offensive.
    bool ClueUsesOffensive(std::string_view clue) const;
    std::size_t Size() const { return words.size(); }

private:
    std::unordered_set<std::string> words;
};

// Whether every sense a lemma has in WordNet is marked offensive (false when it has none).
bool EverySenseOffensive(const WordNet& wordNet, std::string_view lemma);

}  // namespace quillby::data
