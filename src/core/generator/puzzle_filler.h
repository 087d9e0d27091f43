#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/clues/clue_store.h"
#include "core/model/crossword.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/rng.h"

namespace quillby {

// Whether a word has a current clue that is not solved, remembered per word: the store's
// index chains are long, and a fill asks about the same words again after every backtrack.
// Valid while the store does not change, which holds for the length of one generation.
class ClueCheck {
public:
    explicit ClueCheck(const ClueStore& clues) : clues(clues) {}
    bool Usable(std::string_view word);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>{}(text);
        }
    };
    const ClueStore& clues;
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> known;
};

// Puts a word with a usable clue into every answer entry of a crossword whose open squares
// and answer list are set, so that crossings agree. Depth-first over the entries in list
// order, with one backtrack budget shared by the whole fill. The order of the random draws
// (the coin values of each query, then a, b, c per perturbation step) is fixed, so
// the same Rng and coin states give the same fill.
class PuzzleFiller {
public:
    // The fill goes on while the budget is at most this.
    static constexpr int kBudgetLimit = 1000;
    // Runs longer than this have no pattern and get no candidates.
    static constexpr int kMaxRunLength = 19;
    // Never placed, whatever the word list holds.
    static constexpr std::string_view kBlockedWord = "DICKHEAD";

    // Borrows everything; clues is the main store, only read.
    PuzzleFiller(Crossword& crossword, const Dawg& dawg, const ClueStore& clues, Rng& rng,
                 EdgeCoin& coin);
    // The same with a clue check kept across fills (the store must not change meanwhile).
    PuzzleFiller(Crossword& crossword, const Dawg& dawg, ClueCheck& clueCheck, Rng& rng,
                 EdgeCoin& coin);

    // Fills from the first entry with a fresh budget. False at once (no draws) when there is
    // no entry or a run is longer than kMaxRunLength; otherwise FillFrom's result. The fill
    // is whole only when this is true and crossword.AllAnswered() holds.
    bool Fill(int& budget);

    // entry must be EntryAt(level, index). True tells every caller to stop: either every
    // entry from here on was filled or the budget passed kBudgetLimit (answers stay placed;
    // AllAnswered tells the two apart). False: no candidate here led to a full fill. The
    // recursion is at most one level per entry.
    bool FillFrom(AnswerEntry& entry, int level, int index, int& budget);

    // Rebuilds entry.candidates from the word graph: the words that fit the letters placed,
    // have a clue and are not solved, scored and perturbed.
    void CollectCandidates(AnswerEntry& entry);
    // The query's callback: keeps word when its current clue exists and is unsolved; on a
    // refusal the step counter goes back to the last accepted word's count.
    void AcceptCandidate(std::string_view word, AnswerEntry& entry, int& steps);
    // Letters repeated on open crossing squares cost 1000, 6000, 11000, ...; candidates are
    // ordered best first (ties keep their query order) and then perturbed.
    void ScoreCandidates(AnswerEntry& entry);
    // The blocked word, or a word some entry already holds.
    bool IsRejected(const Candidate& candidate) const;

private:
    Crossword& crossword;
    const Dawg& dawg;
    std::optional<ClueCheck> ownCheck;
    ClueCheck& clueCheck;
    Rng& rng;
    EdgeCoin& coin;
    int rollbackMark = 0;
};

}  // namespace quillby
