#pragma once

#include <atomic>
#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/generator/fill_clues.h"
#include "core/generator/fill_index.h"
#include "core/model/crossword.h"
#include "core/wordgraph/rng.h"

namespace quillby {

// Where a fully checked fill stops when it has not filled: after this many placements in all
// (restarts included), or when cancel is set (read every few placements, so a cancel is seen
// within milliseconds).
struct CheckedFillLimits {
    std::int64_t steps = 60000;
    const std::atomic<bool>* cancel = nullptr;
};

// Fills a crossword whose every open square is in two entries, from a FillIndex. The search
// keeps, for every entry, the set of words that still fit (a bitset over the words of its
// length) and for every square the letters some fitting word could put there; placing a word
// narrows its crossings, which narrows theirs (arc consistency over the squares), and an entry
// left with no word undoes the placement. The entry with the fewest words left goes first;
// a dead end jumps back to the latest placement that narrowed it (conflict-directed
// backjumping); a search that runs out of its share of steps starts again with the candidate
// order shaken a little more (seeded restarts). Each word's score is its familiarity plus
// noise drawn afresh for every fill, so familiar words come first but puzzles differ. No word
// is placed twice, nor beside a word its clue gives away (FillClues::Clash).
//
// Every random draw comes from rng, in an order fixed by the search, so the same Rng state,
// grid and words give the same fill.
class CheckedFiller {
public:
    enum class Outcome { kFilled, kFailed, kCancelled };
    // More entries than this are not filled.
    static constexpr int kMaxEntries = 512;

    // crossword's open squares and answer list must be set (BuildAnswerList); it is only
    // written when the fill succeeds, every entry getting one candidate, placed.
    CheckedFiller(Crossword& crossword, const FillIndex& index, FillClues& clues, Rng& rng);
    ~CheckedFiller();
    CheckedFiller(const CheckedFiller&) = delete;
    CheckedFiller& operator=(const CheckedFiller&) = delete;

    Outcome Fill(const CheckedFillLimits& limits);

    std::int64_t Steps() const;
    int Restarts() const;

private:
    struct Search;
    Crossword& crossword;
    const FillIndex& index;
    FillClues& clues;
    Rng& rng;
    std::int64_t steps = 0;
    int restarts = 0;
};

// Whether every open square of a width x height template is in an across and a down entry.
bool FullyChecked(std::span<const std::byte> squares, int width, int height);

}  // namespace quillby
