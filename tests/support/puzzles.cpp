#include "support/puzzles.h"

#include <gtest/gtest.h>

#include "support/grids.h"

namespace quillby::testing {

void MakePuzzle(Game& game, const std::vector<std::string>& rows)
{
    SetGrid(game.crossword, rows);
    game.crossword.BuildAnswerList();
    game.crossword.SetAnswersFromGrid();
    game.crossword.NumberSquares();
}

void SetFiveByFivePuzzle(Game& game, const std::vector<AnswerClue>& clues)
{
    MakePuzzle(game, {"HEART", "O#L#E", "OCEAN", "K#R#O", "SATYR"});
    for (const auto& [answer, question] : clues) {
        ASSERT_TRUE(game.clues.AddClue(question, answer));
    }
}

}  // namespace quillby::testing
