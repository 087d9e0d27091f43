#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"
#include "core/wordgraph/dawg.h"

namespace quillby {

// The fill words of one length, numbered 0..Count()-1 in list order, with one bit set per
// word in the set of each (position, letter): the words with a letter at a position are one
// bitset, so the words that fit a crossing are found with a few word-wide ANDs.
class LengthIndex {
public:
    int length = 0;
    std::vector<std::string_view> words;
    std::vector<std::uint8_t> familiarity;
    std::vector<int> listIndex;  // where each word stands in the FillWordList

    std::size_t Count() const { return words.size(); }
    // 64-bit blocks in one bitset of this length's words.
    std::size_t Blocks() const { return blocks; }
    // The words with letter (0..25) at position.
    std::span<const std::uint64_t> WithLetter(int position, int letter) const
    {
        const std::size_t at =
            (static_cast<std::size_t>(position) * 26 + static_cast<std::size_t>(letter)) * blocks;
        return {bits.data() + at, blocks};
    }

private:
    friend class FillIndex;
    std::size_t blocks = 0;
    std::vector<std::uint64_t> bits;  // [position][letter][block]
};

// A FillWordList indexed for the fully checked fill. Borrows the list's text: the list must
// outlive the index and not change.
class FillIndex {
public:
    explicit FillIndex(const FillWordList& list);

    // Null for a length no word has (or outside kMinFillWordLength..kMaxFillWordLength).
    const LengthIndex* OfLength(int length) const;
    std::size_t WordCount() const { return total; }
    // Words in the list indexed, the unfit ones (wrong length or letters) included.
    std::size_t ListSize() const { return listSize; }

private:
    std::array<LengthIndex, kMaxFillWordLength + 1> lengths;
    std::size_t total = 0;
    std::size_t listSize = 0;
};

// The fill words while no data/eng_fill_words is at hand: every word of the word graph that
// the main clue store has a clue for, all equally familiar (familiarity).
FillWordList FillWordsFromWordGraph(const Dawg& dawg, const ClueStore& clues,
                                    int familiarity = kMaxFamiliarity / 2);

}  // namespace quillby
