#include "core/generator/fill_clues.h"

#include <algorithm>

#include "core/clues/clue_clash.h"
#include "core/common/ascii_text.h"

namespace quillby {

FillClues::FillClues(const ClueStore& clues, const FillWordList& list)
    : clues(clues),
      list(list),
      known(list.words.size()),
      leftOut(list.words.size()),
      recentUses(list.words.size())
{
}

int FillClues::Find(const std::string& answer) const
{
    const auto found = std::lower_bound(
        list.words.begin(), list.words.end(), answer,
        [](const FillWord& word, const std::string& text) { return word.text < text; });
    return found != list.words.end() && found->text == answer
               ? static_cast<int>(found - list.words.begin())
               : -1;
}

void FillClues::CountRecent(std::span<const std::string> answers)
{
    for (const std::string& answer : answers) {
        if (const int word = Find(answer); word >= 0) {
            recentUses[static_cast<std::size_t>(word)] += 1;
        }
    }
}

void FillClues::LeaveOut(std::span<const std::string> answers)
{
    std::fill(leftOut.begin(), leftOut.end(), false);
    for (const std::string& answer : answers) {
        if (const int word = Find(answer); word >= 0) {
            leftOut[static_cast<std::size_t>(word)] = true;
        }
    }
}

FillClues::Known& FillClues::Look(int word)
{
    Known& entry = known[static_cast<std::size_t>(word)];
    if (!entry.looked) {
        entry.looked = true;
        const std::string& text = list.words[static_cast<std::size_t>(word)].text;
        entry.lower = AsciiLower(text);
        if (const ClueRecord* record = clues.Find(text)) {
            entry.usable = record->solved == 0;
            entry.tokens = LowerLetterRuns(record->question);
        }
    }
    return entry;
}

bool FillClues::Usable(int word)
{
    return !leftOut[static_cast<std::size_t>(word)] && Look(word).usable;
}

// Two words of one stem share their first three letters (a stem keeps at least three of the
// word's), so most pairs are told apart without SameStem.
bool FillClues::Holds(const Known& clue, const Known& word) const
{
    return std::any_of(clue.tokens.begin(), clue.tokens.end(), [&](const std::string& token) {
        return token.size() >= 3 && token.compare(0, 3, word.lower, 0, 3) == 0 &&
               SameStem(token, word.lower);
    });
}

bool FillClues::Clash(int a, int b)
{
    const Known& first = Look(a);
    const Known& second = Look(b);
    return Holds(first, second) || Holds(second, first);
}

}  // namespace quillby
