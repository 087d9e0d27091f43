#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"

namespace quillby {

// What the fully checked fill needs of each word's clue, looked up in the main store once per
// word and generation (the store's lookups are slow and a fill asks about the same words
// again after every backtrack). Valid while the store does not change.
class FillClues {
public:
    FillClues(const ClueStore& clues, const FillWordList& list);

    // The word (by its place in the list) has a current clue that is not solved and is not
    // one of the answers to leave out.
    bool Usable(int word);
    // Leaves these answers out of the fill instead of those left out before (words not in the
    // list are ignored).
    void LeaveOut(std::span<const std::string> answers);
    bool LeftOut(int word) const { return leftOut[static_cast<std::size_t>(word)]; }
    // Counts each time an answer is given (words not in the list are ignored); the fill
    // scores a word lower for each.
    void CountRecent(std::span<const std::string> answers);
    int RecentUses(int word) const { return recentUses[static_cast<std::size_t>(word)]; }
    // a's current clue holds b or a word of b's stem, or b's holds a: one of the two would
    // give the other away, so they never share a puzzle.
    bool Clash(int a, int b);

private:
    struct Known {
        bool looked = false;
        bool usable = false;
        std::string lower;                // the word, lower case
        std::vector<std::string> tokens;  // the letter runs of its clue, lower case
    };
    Known& Look(int word);
    int Find(const std::string& answer) const;
    bool Holds(const Known& clue, const Known& word) const;

    const ClueStore& clues;
    const FillWordList& list;
    std::vector<Known> known;
    std::vector<bool> leftOut;
    std::vector<int> recentUses;
};

}  // namespace quillby
