#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/game_fixture.h"

namespace quillby {
namespace {

// 1 HEART, 4 OCEAN, 5 SATYR across; 1 HOOKS, 2 ALERT, 3 TENOR down; SATYR has no clue.
class ClueMarks : public testing::GameFixture {
protected:
    void SetUp() override
    {
        testing::SetFiveByFivePuzzle(game, {{"HEART", "Organ"},
                                            {"OCEAN", "Sea"},
                                            {"HOOKS", "Catches"},
                                            {"ALERT", "Watchful"},
                                            {"TENOR", "Singer"}});
        game.RefreshClueList();
    }
    // The lines that are marked, as "index:c" (crossing) or "index:g" (greyed, complete).
    std::string Marked()
    {
        std::string text;
        const std::vector<ClueLineLook> looks = game.ClueLineLooks();
        EXPECT_EQ(looks.size(), game.clueList.Lines().size());
        for (std::size_t i = 0; i < looks.size(); ++i) {
            text += looks[i].crossing ? std::to_string(i) + ":c " : "";
            text += looks[i].complete ? std::to_string(i) + ":g " : "";
        }
        return text;
    }
};

TEST_F(ClueMarks, TheCrossingClueAtTheCursorIsMarkedAndCompleteCluesGreyed)
{
    // Lines: 0 Across header, 1 HEART, 2 OCEAN, 3 Down header, 4 HOOKS, 5 ALERT, 6 TENOR.
    ASSERT_EQ(game.clueList.Lines().size(), 7u);
    EXPECT_EQ(Marked(), "");
    game.SelectSquare(game.crossword.SquareAt(2, 0), kAcross, true);
    EXPECT_EQ(Marked(), "5:c ");  // 2 Down crosses 1 Across there
    game.SelectSquare(game.crossword.SquareAt(2, 0), kDown, true);
    EXPECT_EQ(Marked(), "1:c ");
    game.SelectSquare(game.crossword.SquareAt(1, 0), kAcross, true);
    EXPECT_EQ(Marked(), "");  // no down run there

    game.SelectSquare(game.crossword.SquareAt(0, 0), kAcross, true);
    for (const char letter : std::string("HEARX")) {
        game.KeyDown(letter);  // wrong or right, a full word is greyed
    }
    EXPECT_EQ(Marked(), "1:g 6:c ");  // the cursor stopped where 3 Down crosses
    // SATYR has no line: its squares filled mark nothing, even through an old line number.
    game.SelectSquare(game.crossword.SquareAt(0, 4), kAcross, true);
    for (const char letter : std::string("SATYR")) {
        game.KeyDown(letter);
    }
    EXPECT_EQ(Marked(), "1:g 6:c ");

    // In Create mode every answer is whole by nature: nothing is greyed.
    game.settings.createMode = true;
    EXPECT_EQ(Marked(), "6:c ");
}

}  // namespace
}  // namespace quillby
