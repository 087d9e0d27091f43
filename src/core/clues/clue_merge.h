#pragma once

#include <cstddef>

#include "core/clues/clue_store.h"

namespace quillby {

struct ClueMerge {
    ClueStore store;
    // Records whose solved mark and turn came from the player's store.
    std::size_t carried = 0;
};

// A newer main clue store for a player who has been playing an older one: the shipped store's
// records, in its order and with its texts, where a record whose answer and question the
// player's store also holds keeps the player's solved mark and place in the word's turn order.
//
// Turns, per answer word: the carried clues come first, in the order the player's store had
// them (so the clue the player sees now stays current whenever it is still shipped, and
// otherwise the next one in the player's turn comes up); the clues new to the player follow in
// the shipped order. The rotations are then 0..n-1 whatever either store held, so Retire and
// Advance keep working. Records repeated within a word are paired in store order.
ClueMerge MergeClueStores(const ClueStore& shipped, const ClueStore& player);

}  // namespace quillby
