#include "support/puzzles.h"

#include <gtest/gtest.h>

#include "core/model/numbering.h"
#include "support/grids.h"

namespace quillby::testing {

void MakePuzzle(Game& game, const std::vector<std::string>& rows)
{
    SetGrid(game.crossword, rows);
    game.crossword.BuildAnswerList();
    game.crossword.SetAnswersFromGrid();
    game.crossword.NumberSquares();
}

OwnPuzzle MakeOwnPuzzle(const std::vector<std::string>& rows, const std::vector<std::string>& clues,
                        const PuzzleInfo& info)
{
    OwnPuzzle puzzle;
    SetGrid(puzzle.crossword, rows);
    ApplyStandardNumbering(puzzle.crossword);
    std::size_t next = 0;
    for (const NumberedStart& start : StandardNumbering(puzzle.crossword)) {
        for (const int direction : {kAcross, kDown}) {
            if ((direction == kAcross ? start.across : start.down) && next < clues.size()) {
                puzzle.own.clues.push_back({start.number, direction, clues[next++]});
            }
        }
    }
    EXPECT_EQ(next, clues.size()) << "clues for the runs of the grid";
    puzzle.own.info = info;
    return puzzle;
}

void SetFiveByFivePuzzle(Game& game, const std::vector<AnswerClue>& clues)
{
    MakePuzzle(game, {"HEART", "O#L#E", "OCEAN", "K#R#O", "SATYR"});
    for (const auto& [answer, question] : clues) {
        ASSERT_TRUE(game.clues.AddClue(question, answer));
    }
}

}  // namespace quillby::testing
