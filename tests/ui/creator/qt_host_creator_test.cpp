#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/game/game.h"
#include "support/temp_app_folder.h"
#include "ui/app/qt_host.h"
#include "ui/creator/clue_entry_dialog.h"
#include "ui/creator/creator_instructions_dialog.h"

namespace quillby {
namespace {

using testing::TempAppFolder;

// Runs action on the modal dialog of type T once it is up.
template <typename T, typename Action>
void WhenModal(Action action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(*dialog);
    });
}

// The whole path of a Create-mode session on the real desktop host: the instructions when
// the creator starts, then Space on a selected run, the clue typed and Add clicked.
TEST(QtHostCreator, SpaceOpensTheClueDialogAndAddPlacesTheAnswer)
{
    TempAppFolder folder;
    QtHost host;
    Game game{host, folder.Path()};
    game.settings.createMode = true;
    WhenModal<CreatorInstructionsDialog>([](CreatorInstructionsDialog& dialog) {
        QTest::mouseClick(dialog.DontShowBox(), Qt::LeftButton);
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == QStringLiteral("Ok")) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    });
    game.EnterCreator(false, 11);
    EXPECT_TRUE(game.settings.creatorInstructionsOff);

    game.LeftClick(kGridMargin + 1, kGridMargin + 1);
    WhenModal<ClueEntryDialog>([](ClueEntryDialog& dialog) {
        QTest::keyClicks(dialog.QuestionEdit(), QStringLiteral("Magic word"));
        QTest::keyClicks(dialog.AnswerEdit(), QStringLiteral("abracadabra"));
        QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
    });
    game.KeyDown(kKeySpace);
    ASSERT_NE(game.userClues.Find("ABRACADABRA"), nullptr);
    EXPECT_EQ(game.userClues.Find("ABRACADABRA")->question, "Magic word");
    EXPECT_EQ(game.crossword.SquareAt(10, 0)->solution, 'A');
    EXPECT_TRUE(game.modified);
}

}  // namespace
}  // namespace quillby
