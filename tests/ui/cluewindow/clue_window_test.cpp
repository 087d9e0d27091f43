#include "ui/cluewindow/clue_window.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "core/game/game.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;

// A small solved puzzle in a game whose clue lines feed a clue window, wired the way the main
// window wires them: lines in after a refresh, clicks back to the game.
class ClueWindowTest : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};
    ClueWindow window;
    std::vector<int> clicked;

    void SetUp() override
    {
        SetGrid(game.crossword, {"HEART", "O#L#E", "OCEAN", "K#R#O", "SATYR"});
        game.crossword.BuildAnswerList();
        game.crossword.SetAnswersFromGrid();
        game.crossword.NumberSquares();
        for (const auto& [answer, question] :
             {std::pair{"HEART", "Organ that pumps blood around the body"},
              {"OCEAN", "Big body of salt water"},
              {"SATYR", "Woodland deity, half man & half goat"},
              {"HOOKS", "Fish catchers"},
              {"ALERT", "Warning signal <urgent>"},
              {"TENOR", "Male singing voice"}}) {
            ASSERT_TRUE(game.clues.AddClue(question, answer));
        }
        game.RefreshClueList();
        window.SetLines(game.clueList.Lines());
        QObject::connect(&window, &ClueWindow::ListSelect, [this](int item) {
            clicked.push_back(item);
            game.OnListSelect(item);
        });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QPoint LinePoint(int index) { return window.List().GetItemRect(index).center(); }

    // Saves the window at a device pixel ratio, for a person to look at.
    QImage Render(const QString& name, qreal ratio)
    {
        QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(window.palette().window().color());
        window.render(&image);
        QDir().mkpath(QUILLBY_UI_OUTPUT_DIR);
        EXPECT_TRUE(image.save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/") + name));
        return image;
    }
};

TEST_F(ClueWindowTest, IsAFloatingWindowWithTheListInPlace)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Crossword Clues"));
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.size(), QSize(228, 352));
    EXPECT_EQ(window.List().geometry(), QRect(10, 10, 208, 330));
    EXPECT_EQ(window.List().width(), 208);
    EXPECT_EQ(window.List().controlId(), 123);

    // Closing only hides it; the lines are still there when it shows again.
    window.close();
    EXPECT_TRUE(window.isHidden());
    window.show();
    EXPECT_EQ(window.GetLineText(5), "1) Fish catchers [5]");
}

TEST_F(ClueWindowTest, LinesAreAddedClearedAndReadBack)
{
    EXPECT_EQ(window.LastLine(), 7);
    EXPECT_EQ(window.GetLineText(4), "<font color=#ff0000><b>-- Down Clues -- <b>");
    EXPECT_EQ(window.GetLineText(8), "");
    window.SelectLine(3);
    window.Clear();
    EXPECT_EQ(window.LastLine(), -1);
    EXPECT_EQ(window.List().ItemCount(), 0);
    EXPECT_EQ(window.List().Selected(), 3);  // the position stays highlighted after a refill
    EXPECT_EQ(window.AddLine("first"), 0);
    EXPECT_EQ(window.AddLine("second"), 1);
    EXPECT_EQ(window.GetLineText(1), "second");
}

TEST_F(ClueWindowTest, ClickingALineSelectsItsRunInTheGrid)
{
    QTest::mouseClick(window.List().viewport(), Qt::LeftButton, {}, LinePoint(5));
    EXPECT_EQ(clicked, std::vector<int>{5});
    EXPECT_EQ(window.List().Selected(), 5);
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
    EXPECT_TRUE(game.crossword.cursorSquare->cursorDown);  // 1 Down, not 1 Across
    EXPECT_EQ(host.promptText, "Clue: Fish catchers");

    // Below the lines: the highlight goes and the grid keeps its selection.
    QTest::mouseClick(window.List().viewport(), Qt::LeftButton, {}, QPoint(100, 320));
    EXPECT_EQ(clicked, (std::vector<int>{5, -1}));
    EXPECT_EQ(window.List().Selected(), -1);
    EXPECT_TRUE(game.crossword.cursorSquare->cursorDown);
}

TEST_F(ClueWindowTest, RendersSharplyAtEveryPixelRatio)
{
    // The grid's selection drives the highlight, as it does when the player clicks a square.
    game.SelectAt(game.crossword.SquareAt(2, 2)->left, game.crossword.SquareAt(2, 2)->top, -1,
                  true);
    ASSERT_EQ(host.selectedClueLine, 2);
    window.SelectLine(host.selectedClueLine);
    const QImage normal = Render(QStringLiteral("clue_window.png"), 1.0);
    const QImage sharp = Render(QStringLiteral("clue_window@2x.png"), 2.0);
    EXPECT_EQ(sharp.size(), normal.size() * 2);

    // The highlighted line, at both ratios, is filled with the selection colour.
    const QPoint inList = window.List().viewport()->mapTo(
        &window, window.List().GetItemRect(2).topRight() + QPoint(-3, 2));
    EXPECT_EQ(normal.pixelColor(inList), HTMLListCtrl::kSelectionColour);
    EXPECT_EQ(sharp.pixelColor(inList * 2), HTMLListCtrl::kSelectionColour);
    QTest::keyClick(&window, Qt::Key_Tab);  // focused from the keyboard: a focus frame
    QCoreApplication::processEvents();
    Render(QStringLiteral("clue_window_focused@2x.png"), 2.0);

    // A longer list scrolls to keep the selected line in view.
    std::vector<std::string> lines = game.clueList.Lines();
    for (int i = 6; i <= 30; ++i) {
        lines.push_back(std::to_string(i) + ") Another clue for line number " + std::to_string(i) +
                        " [7]");
    }
    window.SetLines(lines);
    window.SelectLine(20);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.List().verticalScrollBar()->isVisible());
    EXPECT_EQ(window.List().ScrollPosition(), 385);
    Render(QStringLiteral("clue_window_scrolled.png"), 1.0);
}

}  // namespace
}  // namespace quillby
