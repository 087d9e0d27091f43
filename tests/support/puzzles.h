#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/game/game.h"

namespace quillby::testing {

// The clue list's section headers, as the game writes them.
inline const std::string kAcrossHeader = "<font color=#ff0000><b>-- Across Clues -- <b>";
inline const std::string kDownHeader = "<font color=#ff0000><b>-- Down Clues -- <b>";

// An answer and the clue to store for it.
using AnswerClue = std::pair<std::string, std::string>;

// Lays out a puzzle from rows of text (as SetGrid reads them), with its answers taken from
// the grid and its squares numbered.
void MakePuzzle(Game& game, const std::vector<std::string>& rows);

// A puzzle with its own clues from rows of text (as SetGrid reads them), numbered in the
// standard way, with clue texts given in file order (by number, Across before Down).
OwnPuzzle MakeOwnPuzzle(const std::vector<std::string>& rows, const std::vector<std::string>& clues,
                        const PuzzleInfo& info = {});

// Lays out the small 5 x 5 puzzle many tests share: 1 HEART, 4 OCEAN, 5 SATYR across;
// 1 HOOKS, 2 ALERT, 3 TENOR down, numbered, with one clue stored per answer.
void SetFiveByFivePuzzle(Game& game, const std::vector<AnswerClue>& clues);

}  // namespace quillby::testing
