#include <gtest/gtest.h>

#include <QTest>

#include "core/game/game.h"
#include "support/grids.h"
#include "ui/app/main_frame.h"
#include "ui/app/running_game.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::GridRows;

// Keys sent to the real program's view as the desktop sends them.
class ViewKeys : public testing::RunningGame {
protected:
    void Click(int col, int row)
    {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(28 + 36 * col, 28 + 36 * row));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(&View(), key, modifiers);
    }
    std::string Cursor()
    {
        const Square* cursor = game().crossword.cursorSquare;
        if (cursor == nullptr) {
            return "none";
        }
        return std::to_string(cursor->col) + "," + std::to_string(cursor->row) +
               (cursor->cursorDown ? " down" : " across");
    }
    std::vector<std::string> Guesses() { return GridRows(game().crossword, true); }
};

TEST_F(ViewKeys, ModernArrowsTurnThenMoveAndTabGoesRoundFromTheLastClue)
{
    Start("keyboard = modern\n");
    Click(0, 0);
    EXPECT_EQ(Cursor(), "0,0 across");
    Press(Qt::Key_Down);  // across the run: turns to 1 Down
    EXPECT_EQ(Cursor(), "0,0 down");
    Press(Qt::Key_Down);
    EXPECT_EQ(Cursor(), "0,1 down");
    Press(Qt::Key_Right);  // no across run at (0,1): over the block to (2,1)
    EXPECT_EQ(Cursor(), "2,1 down");
    Press(Qt::Key_Tab);  // 2 Down is the last clue: round to 1 Across
    EXPECT_EQ(Cursor(), "0,0 across");
    EXPECT_EQ(app->Frame().PaneText(StatusPane::Prompt), QStringLiteral("Clue: Feline pet"));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Cursor(), "2,0 down");
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Cursor(), "0,0 down");
    Press(Qt::Key_Space);
    EXPECT_EQ(Cursor(), "0,0 across");
    Press(Qt::Key_End);
    EXPECT_EQ(Cursor(), "2,0 across");
    Press(Qt::Key_Home);
    EXPECT_EQ(Cursor(), "0,0 across");
}

TEST_F(ViewKeys, ModernTypingAdvancesIntoTheCrossingAndBackspaceLeavesAWordsStart)
{
    Start("keyboard = modern\n");
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("cat"));
    EXPECT_EQ(Cursor(), "0,2 across");  // the next unfinished clue, 3 Across
    QTest::keyClicks(&View(), QStringLiteral("wet"));
    // 1 Down has C and W from the words across: typing goes on at its empty middle square.
    EXPECT_EQ(Cursor(), "0,1 down");
    EXPECT_EQ(Guesses(), (std::vector<std::string>{"CAT", ".#.", "WET"}));

    Click(0, 2);
    ASSERT_EQ(Cursor(), "0,2 across");
    Press(Qt::Key_Backspace);  // a letter: cleared in place
    EXPECT_EQ(Guesses()[2], ".ET");
    Press(Qt::Key_Backspace);  // empty at a word's start: into 1 Across's last square
    EXPECT_EQ(Cursor(), "2,0 across");
    EXPECT_EQ(Guesses()[0], "CA.");
    app->Frame().RunCommand(CommandId::Undo);
    EXPECT_EQ(Guesses()[0], "CAT");
}

TEST_F(ViewKeys, ClassicKeysIgnoreArrowsTabAndHomeAsTheyAlwaysDid)
{
    Start("");
    Click(0, 0);
    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab, Qt::Key_End, Qt::Key_Space}) {
        Press(key);
    }
    EXPECT_EQ(Cursor(), "0,0 across");
    EXPECT_FALSE(game().modified);
    QTest::keyClicks(&View(), QStringLiteral("cats"));
    EXPECT_EQ(Guesses()[0], "CAS");  // Classic stops at the run's end
    EXPECT_EQ(Cursor(), "2,0 across");
}

}  // namespace
}  // namespace quillby
