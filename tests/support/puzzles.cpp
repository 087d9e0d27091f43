#include "support/puzzles.h"

#include <gtest/gtest.h>

#include "support/grids.h"

namespace quillby::testing {

void SetFiveByFivePuzzle(Game& game, const std::vector<AnswerClue>& clues)
{
    SetGrid(game.crossword, {"HEART", "O#L#E", "OCEAN", "K#R#O", "SATYR"});
    game.crossword.BuildAnswerList();
    game.crossword.SetAnswersFromGrid();
    game.crossword.NumberSquares();
    for (const auto& [answer, question] : clues) {
        ASSERT_TRUE(game.clues.AddClue(question, answer));
    }
}

}  // namespace quillby::testing
