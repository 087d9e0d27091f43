#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <memory>

#include "support/temp_app_folder.h"
#include "ui/app/app_folder_files.h"
#include "ui/app/main_frame.h"
#include "ui/app/modal_answers.h"
#include "ui/app/quillby_app.h"
#include "ui/menus/menu_colours.h"
#include "ui/menus/owner_drawn_menu.h"

namespace quillby {
namespace {

using testing::ModalAnswers;
using testing::TempAppFolder;
using testing::WriteStartingFiles;

// The game started on a small default puzzle, its main frame showing the owner-drawn menus.
class MainFrameMenus : public ::testing::Test {
protected:
    TempAppFolder folder;
    ModalAnswers answers;
    std::unique_ptr<CQuillbyApp> app;

    void SetUp() override
    {
        WriteStartingFiles(folder, {{"Feline pet", "CAT"}});
        if (HasFatalFailure()) {
            return;
        }
        app = std::make_unique<CQuillbyApp>(folder.Path());
        app->Start();
    }
    void TearDown() override
    {
        if (app && app->Frame().isVisible()) {
            app->GameState().modified = false;
            app->Frame().close();
        }
        app.reset();
    }

    QMenu* Menu(int index) { return app->Frame().menuBar()->actions().at(index)->menu(); }
    QImage Open(QMenu* menu)
    {
        app->Frame().menuBar()->setActiveAction(menu->menuAction());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(menu));
        return menu->grab().toImage();
    }
};

TEST_F(MainFrameMenus, EveryPopUpOfTheFrameIsOwnerDrawn)
{
    const QList<QAction*> titles = app->Frame().menuBar()->actions();
    ASSERT_EQ(titles.size(), 5);
    for (QAction* title : titles) {
        EXPECT_TRUE(IsOwnerDrawnMenu(title->menu())) << title->text().toStdString();
    }
    QDir().mkpath(QStringLiteral("renders"));
    app->Frame().grab().save(QStringLiteral("renders/main_frame.png"));
    Open(Menu(0)).save(QStringLiteral("renders/main_frame_file_menu.png"));
    Menu(0)->hide();
    Open(Menu(1)).save(QStringLiteral("renders/main_frame_options_menu.png"));
    Menu(1)->hide();
}

TEST_F(MainFrameMenus, TypingPInTheOpenOptionsMenuChecksThePuzzle)
{
    QMenu* options = Menu(1);
    Open(options);
    answers.Button(QMessageBox::Ok);
    QTest::keyClick(options, Qt::Key_P);
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_EQ(answers.texts[0], QStringLiteral("You have 0 correct answers"));
    EXPECT_FALSE(options->isVisible());

    // A letter no item has: the menu stays open and nothing runs.
    Open(options);
    QTest::keyClick(options, Qt::Key_Q);
    EXPECT_TRUE(options->isVisible());
    EXPECT_EQ(answers.texts.size(), 1u);
    QTest::keyClick(options, Qt::Key_Escape);
}

}  // namespace
}  // namespace quillby
