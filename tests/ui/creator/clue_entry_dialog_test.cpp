#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "core/game/game.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"
#include "ui/creator/clue_entry_dialog.h"
#include "ui/creator/creator_instructions_dialog.h"

namespace quillby {
namespace {

using testing::ScriptedHost;
using testing::TempAppFolder;

// Saves a picture of the widget when QUILLBY_SNAPSHOT_DIR names a folder, for eyes to check.
void Snapshot(QWidget& widget, const char* name)
{
    if (const char* folder = std::getenv("QUILLBY_SNAPSHOT_DIR")) {
        widget.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }
}

TEST(ClueEntryDialog, TypedKeysReachTheGameAndOnlyTheButtonsEndTheDialog)
{
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};
    game.settings.createMode = true;
    game.EnterCreator(false, 11);
    game.LeftClick(kGridMargin + 1, kGridMargin + 1);  // the top row, across

    ClueEntryDialog dialog(QStringLiteral("Please enter an answer (11 characters long)"),
                           [&game](const std::string& question, const std::string& answer) {
                               return game.CheckRunClue(11, question, answer);
                           });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Crossword"));

    QTest::keyClicks(dialog.QuestionEdit(), QStringLiteral("Magic word"));
    QTest::keyClicks(dialog.AnswerEdit(), QStringLiteral("abracadabr"));
    EXPECT_EQ(dialog.AnswerEdit()->text(), QStringLiteral("ABRACADABR"));
    Snapshot(dialog, "clue_entry_dialog");
    QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(host.MessageTexts(), std::vector<std::string>{"Incorrect amount of letters entered"});

    QTest::keyClicks(dialog.AnswerEdit(), QStringLiteral("a"));
    QTest::keyClick(dialog.AnswerEdit(), Qt::Key_Return);
    QTest::keyClick(dialog.AnswerEdit(), Qt::Key_Enter);
    QTest::keyClick(dialog.QuestionEdit(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.AddButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
    const ClueEntry entry = dialog.Entry();
    EXPECT_EQ(entry.result, ClueEntryResult::Add);
    EXPECT_EQ(entry.question, "Magic word");
    EXPECT_EQ(entry.answer, "ABRACADABRA");
}

TEST(ClueEntryDialog, CancelAndTheCloseBoxCancel)
{
    int checks = 0;
    auto check = [&checks](const std::string&, const std::string&) {
        ++checks;
        return ClueEntryResult::Add;
    };
    ClueEntryDialog cancelled(QStringLiteral("label"), check);
    cancelled.show();
    QTest::keyClicks(cancelled.AnswerEdit(), QStringLiteral("abc"));
    QTest::mouseClick(cancelled.CancelButton(), Qt::LeftButton);
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.Entry().result, ClueEntryResult::Cancel);

    ClueEntryDialog closed(QStringLiteral("label"), check);
    closed.show();
    closed.close();
    EXPECT_EQ(closed.Entry().result, ClueEntryResult::Cancel);
    EXPECT_EQ(checks, 0);
}

TEST(CreatorInstructionsDialog, OkTakesTheBoxAndTheCloseBoxKeepsTheOldChoice)
{
    CreatorInstructionsDialog dialog(false);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    Snapshot(dialog, "creator_instructions_dialog");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Instructions"));
    QTest::mouseClick(dialog.DontShowBox(), Qt::LeftButton);
    EXPECT_TRUE(dialog.DontShowBox()->isChecked());
    dialog.close();
    EXPECT_FALSE(dialog.InstructionsOff());

    CreatorInstructionsDialog again(false);
    again.show();
    again.DontShowBox()->setChecked(true);
    QPushButton* ok = nullptr;
    for (QPushButton* button : again.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Ok")) {
            ok = button;
        }
    }
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(again.InstructionsOff());
}

}  // namespace
}  // namespace quillby
