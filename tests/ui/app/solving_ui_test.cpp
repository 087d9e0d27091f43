#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "core/storage/preferences.h"
#include "ui/app/main_frame.h"
#include "ui/app/preferences_dialog.h"
#include "ui/app/running_game.h"
#include "ui/cluewindow/clue_window.h"
#include "ui/menus/owner_drawn_menu.h"
#include "ui/ui_output.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::SaveUiRender;

class SolvingShell : public testing::RunningGame {
protected:
    QStringList Titles()
    {
        QStringList titles;
        for (QAction* menu : Frame().menuBar()->actions()) {
            titles << menu->text();
        }
        return titles;
    }
    int Buttons()
    {
        int count = 0;
        for (QAction* action : Frame().ToolBar()->actions()) {
            count += action->isSeparator() ? 0 : 1;
        }
        return count;
    }
    QMenu* Menu(const QString& title)
    {
        for (QAction* menu : Frame().menuBar()->actions()) {
            if (menu->text() == title) {
                return menu->menu();
            }
        }
        return nullptr;
    }
};

TEST_F(SolvingShell, ModernMenusAddEditAndViewAndThePencilButton)
{
    Start("menus = modern\n");
    EXPECT_EQ(Titles(), (QStringList{"&File", "&Edit", "&View", "&Options", "&Clock",
                                     "Colour &Scheme", "&Help"}));
    EXPECT_EQ(Buttons(), 13);
    QAction* pencil = Frame().Action(CommandId::Pencil);
    QWidget* button = Frame().ToolBar()->widgetForAction(pencil);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(game().PencilOn());
    EXPECT_TRUE(pencil->isChecked());
    SaveUiRender(Frame().grab().toImage(), QStringLiteral("modern_menus_frame.png"));

    QMenu* options = Menu(QStringLiteral("&Options"));
    ASSERT_NE(options, nullptr);
    QMenu* check = Frame().Action(CommandId::CheckMenu)->menu();
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(options->actions().contains(check->menuAction()));
    EXPECT_TRUE(IsOwnerDrawnMenu(check));
    ASSERT_EQ(check->actions().size(), 3);
    EXPECT_EQ(check->actions()[2]->text(), QStringLiteral("&Puzzle"));
    EXPECT_EQ(Frame().Action(CommandId::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                   QKeySequence(QStringLiteral("Ctrl+Y"))}));
    Frame().menuBar()->setActiveAction(options->menuAction());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(options));
    SaveUiRender(options->grab().toImage(), QStringLiteral("modern_options_menu.png"));
    options->hide();
}

TEST_F(SolvingShell, ThePreferencesDialogChangesKeysAndMenusAtOnceAndKeepsThem)
{
    Start();
    EXPECT_EQ(Titles().size(), 5);
    EXPECT_EQ(Buttons(), 12);
    answers.Dialog([](QWidget* dialog) {
        auto* preferences = qobject_cast<PreferencesDialog*>(dialog);
        ASSERT_NE(preferences, nullptr);
        auto* modern = preferences->findChildren<QRadioButton*>().at(1);
        modern->setChecked(true);
        for (QCheckBox* box : preferences->findChildren<QCheckBox*>()) {
            if (box->text().contains(QStringLiteral("Edit and View"))) {
                box->setChecked(true);
            }
        }
        SaveUiRender(preferences->grab().toImage(), QStringLiteral("preferences_dialog.png"));
        preferences->accept();
    });
    Frame().RunCommand(CommandId::ShowPreferences);
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(game().Prefs().keyboard, KeyboardStyle::Modern);
    EXPECT_EQ(Titles().size(), 7);
    EXPECT_EQ(Buttons(), 13);
    const ReadPreferences saved = LoadPreferences(folder.Data("preferences.ini"));
    EXPECT_TRUE(saved.preferences.modernMenus);

    // Cancel changes nothing.
    answers.Dialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    Frame().RunCommand(CommandId::ShowPreferences);
    EXPECT_TRUE(game().Prefs().modernMenus);
}

TEST_F(SolvingShell, ADamagedPreferencesFileIsNamedOnceAndTheGameStartsOnDefaults)
{
    answers.Button(QMessageBox::Ok);
    Start("keyboard = qwerty\nmenus = modern\n");
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_TRUE(answers.texts[0].contains(QString::fromStdString(folder.Data("preferences.ini"))));
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("qwerty")));
    EXPECT_EQ(game().Prefs().keyboard, KeyboardStyle::Classic);
    EXPECT_EQ(Titles().size(), 7);  // what could be read is used
}

TEST_F(SolvingShell, BothWindowsComeBackWhereThePlayerLeftThem)
{
    Start();
    Frame().move(120, 90);
    Frame().Clues().move(700, 300);  // the player drags the clue window away
    Frame().FitFrameToGrid(3, 3);    // a new grid no longer moves it back
    EXPECT_EQ(Frame().Clues().pos(), QPoint(700, 300));
    Stop();
    const ReadPreferences saved = LoadPreferences(folder.Data("preferences.ini"));
    EXPECT_EQ(saved.preferences.mainWindow, (ScreenPlace{120, 90}));
    EXPECT_EQ(saved.preferences.clueWindow, (ScreenPlace{700, 300}));

    Start();
    EXPECT_EQ(Frame().pos(), QPoint(120, 90));
    EXPECT_EQ(Frame().Clues().pos(), QPoint(700, 300));
}

TEST_F(SolvingShell, TheClueWindowTintsTheCrossingClueAndGreysCompleteOnes)
{
    Start();
    ClueWindow& clues = Frame().Clues();
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));  // 1 Across
    // Lines: 0 Across header, 1 CAT, 2 WET, 3 Down header, 4 COW.
    EXPECT_EQ(clues.List().Selected(), 1);
    EXPECT_TRUE(clues.List().ItemLook(4).tinted);
    const QImage tinted = clues.grab().toImage();
    const QRect cow = clues.List().GetItemRect(4);
    const QPoint inside = clues.List().viewport()->mapTo(&clues, cow.topLeft() + QPoint(2, 2));
    EXPECT_EQ(tinted.pixelColor(inside), HTMLListCtrl::TintColour());

    QTest::keyClicks(&Frame().View(), QStringLiteral("ca"));
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 100));  // 3 Across
    QTest::keyClicks(&Frame().View(), QStringLiteral("wet"));
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));
    QTest::keyClicks(&Frame().View(), QStringLiteral("cow"));  // 1 Down, over 1 Across
    EXPECT_TRUE(clues.List().ItemLook(2).dimmed);
    EXPECT_TRUE(clues.List().ItemLook(4).dimmed);
    EXPECT_FALSE(clues.List().ItemLook(1).dimmed);  // CA.: one square still empty
    SaveUiRender(clues.grab().toImage(), QStringLiteral("clue_window_marks.png"));
}

TEST_F(SolvingShell, ZoomRefitsTheWindowToTheGridAndIsRemembered)
{
    Start("menus = modern\n");
    const QSize actual = View().size();
    EXPECT_EQ(actual, GridViewSize(3, 3));
    Frame().RunCommand(CommandId::ZoomIn);
    Frame().RunCommand(CommandId::ZoomIn);
    EXPECT_EQ(game().Geometry().pitch, 48);
    EXPECT_EQ(View().size(), GridViewSize(3, 3, game().Geometry()));
    // A click at the larger size selects the square drawn there.
    QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(10 + 48 * 2 + 30, 10 + 48 * 2 + 30));
    EXPECT_EQ(game().crossword.cursorSquare, game().crossword.SquareAt(2, 2));
    SaveUiRender(Frame().grab().toImage(), QStringLiteral("zoom_frame_48.png"));
    Stop();

    Start();
    EXPECT_EQ(game().Geometry().pitch, 48);
    EXPECT_EQ(View().size(), GridViewSize(3, 3, game().Geometry()));
    Frame().RunCommand(CommandId::ActualSize);
    EXPECT_EQ(View().size(), actual);
}

}  // namespace
}  // namespace quillby
