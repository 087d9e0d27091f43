#include "core/generator/fill_index.h"

#include <algorithm>
#include <limits>

namespace quillby {

FillIndex::FillIndex(const FillWordList& list) : listSize(list.words.size())
{
    for (std::size_t i = 0; i < list.words.size(); ++i) {
        const FillWord& word = list.words[i];
        const auto length = static_cast<int>(word.text.size());
        if (length < kMinFillWordLength || length > kMaxFillWordLength ||
            !std::all_of(word.text.begin(), word.text.end(),
                         [](char c) { return c >= 'A' && c <= 'Z'; })) {
            continue;  // the reader refuses such words; a list made in code may not
        }
        LengthIndex& index = lengths[static_cast<std::size_t>(length)];
        index.length = length;
        index.words.emplace_back(word.text);
        index.familiarity.push_back(
            static_cast<std::uint8_t>(std::clamp(word.familiarity, 0, kMaxFamiliarity)));
        index.listIndex.push_back(static_cast<int>(i));
    }
    for (LengthIndex& index : lengths) {
        total += index.Count();
        index.blocks = (index.Count() + 63) / 64;
        index.bits.assign(static_cast<std::size_t>(index.length) * 26 * index.blocks, 0);
        for (std::size_t w = 0; w < index.Count(); ++w) {
            for (int p = 0; p < index.length; ++p) {
                const int letter = index.words[w][static_cast<std::size_t>(p)] - 'A';
                const std::size_t at =
                    (static_cast<std::size_t>(p) * 26 + static_cast<std::size_t>(letter)) *
                        index.blocks +
                    w / 64;
                index.bits[at] |= std::uint64_t{1} << (w % 64);
            }
        }
    }
}

const LengthIndex* FillIndex::OfLength(int length) const
{
    if (length < kMinFillWordLength || length > kMaxFillWordLength) {
        return nullptr;
    }
    const LengthIndex& index = lengths[static_cast<std::size_t>(length)];
    return index.Count() == 0 ? nullptr : &index;
}

FillWordList FillWordsFromWordGraph(const Dawg& dawg, const ClueStore& clues, int familiarity)
{
    FillWordList list;
    EdgeCoin coin;
    for (int length = kMinFillWordLength; length <= kMaxFillWordLength; ++length) {
        int steps = 0;
        auto keep = [&](std::string_view word, int&) {
            if (clues.Find(word) != nullptr) {
                list.words.push_back({std::string(word), familiarity});
            }
        };
        dawg.MatchRun(std::string(static_cast<std::size_t>(length), '*'), steps, coin, keep,
                      std::numeric_limits<int>::max());
    }
    std::sort(list.words.begin(), list.words.end(),
              [](const FillWord& a, const FillWord& b) { return a.text < b.text; });
    list.words.erase(
        std::unique(list.words.begin(), list.words.end(),
                    [](const FillWord& a, const FillWord& b) { return a.text == b.text; }),
        list.words.end());
    return list;
}

}  // namespace quillby
