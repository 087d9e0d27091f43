#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "core/common/result.h"

namespace quillby::data {

inline constexpr int kShortestAnswer = 3;
inline constexpr int kLongestAnswer = 11;

// SCOWL's size levels; a list at level L holds the words first added at that size.
inline constexpr int kScowlLevels[] = {10, 20, 35, 40, 50, 55, 60, 70, 80, 95};

// The SCOWL list files of the given kinds ("english-words", "american-words") up to maxLevel, as
// paths under folder. Files that SCOWL does not ship at a level are left out.
std::vector<std::string> ScowlFiles(const std::string& folder,
                                    const std::vector<std::string>& kinds, int maxLevel);

// The candidate answers in those files: lower-case a-z only (no apostrophes, accents or
// capitals, so no possessives and no proper nouns), 3 to 11 letters, sorted and unique.
Result<std::vector<std::string>> ReadAnswerWords(const std::vector<std::string>& files);

// Every lower-case a-z word in the files, whatever its length: the dictionary that confirms an
// inflected synonym is a real word.
Result<std::unordered_set<std::string>> ReadDictionary(const std::vector<std::string>& files);

// Every lower-case a-z word of the given kinds up to maxLevel with the smallest SCOWL size
// that lists it: 10 and 20 for the commonest words, 35 for common ones, 50 for the edge of a
// player's vocabulary.
using WordLevels = std::unordered_map<std::string, int>;
Result<WordLevels> ReadWordLevels(const std::string& folder, const std::vector<std::string>& kinds,
                                  int maxLevel);

bool IsAnswerShaped(std::string_view word);

}  // namespace quillby::data
