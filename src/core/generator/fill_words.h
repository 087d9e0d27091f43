#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// The answers the fully checked grids are filled from (data/eng_fill_words): every word and
// phrase entry that has clues in the main clue store, with how familiar it is. The Original
// sizes keep filling from the word graph; this list is only for the grids where every square
// is checked, which need many more words and a way to prefer the familiar ones.
struct FillWord {
    std::string text;     // 'A'..'Z' only, kMinFillWordLength..kMaxFillWordLength letters
    int familiarity = 0;  // 0 (rare) .. kMaxFamiliarity (everyday)
};

inline constexpr int kMinFillWordLength = 3;
inline constexpr int kMaxFillWordLength = 15;
inline constexpr int kMaxFamiliarity = 100;

struct FillWordList {
    std::vector<FillWord> words;  // sorted by text, no word twice
};

// Reads data/eng_fill_words, refusing a damaged file whole with a message that says where.
Result<FillWordList> ParseFillWords(std::span<const std::uint8_t> bytes);
Result<FillWordList> ReadFillWords(const std::string& path);
// The file's bytes for a list that is already sorted, unique and within the limits above (the
// data build makes it so; the reader refuses anything else).
std::vector<std::byte> SerializeFillWords(const FillWordList& list);

}  // namespace quillby
