#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/clues/clue_store.h"

namespace quillby {

// Whether two words are one word in different forms: equal, or the same stem once a regular
// ending is taken off ("dries" / "dried", "hoped" / "hoping"; not "hop" / "hope"). Case is
// ignored. A clue holding another answer of its puzzle in any such form gives that answer away.
bool SameStem(std::string_view a, std::string_view b);

// Whether a clue text holds the word, or a word of the same stem.
bool ClueHoldsWord(std::string_view clue, std::string_view word);

// A word whose shown clue must move on before its puzzle is shown: its current clue is retired
// this many times, so the clue that many turns on becomes current.
struct ClueTurn {
    std::string answer;
    int retires = 0;
    bool operator==(const ClueTurn&) const = default;
};

// The clue check after a fill: the clues a puzzle's answers show must not clash. No clue may
// hold another answer of the puzzle or a word of the same stem, and no two answers may show
// the same clue text. Each answer keeps its current clue when it can; otherwise it shows the
// next clue in its turn order that is unsolved and clashes with nothing (answers are taken in
// order, so the later of two clashing answers moves on). Nothing is changed here: the store is
// only read, so the generation worker may run this. The turns are for ApplyClueTurns on the
// thread that owns the store. None when some answer has no clue that fits: the puzzle cannot
// be shown and the generation tries another template. An answer without a current clue
// clashes with nothing.
std::optional<std::vector<ClueTurn>> ChooseClueTurns(const std::vector<std::string>& answers,
                                                     const ClueStore& clues);

// Retires each word's current clue as many times as its turn says, as the game does when it
// adopts a generated puzzle.
void ApplyClueTurns(const std::vector<ClueTurn>& turns, ClueStore& clues);

}  // namespace quillby
