#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <filesystem>
#include <memory>
#include <thread>

#include "app_folder_files.h"
#include "core/storage/puzzle_file.h"
#include "modal_answers.h"
#include "running_game.h"
#include "support/grids.h"
#include "support/temp_app_folder.h"
#include "ui/app/about_box.h"
#include "ui/app/instructions_dialog.h"
#include "ui/app/main_frame.h"
#include "ui/app/quillby_app.h"
#include "ui/app/status_bar_pane.h"
#include "ui/cluewindow/clue_window.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::GridRows;
using testing::WriteBytes;
using testing::WriteDefaultPuzzle;

// A game started on a temporary application folder that holds a small default puzzle and
// stand-ins for the other data files.
class QuillbyApp : public testing::RunningGame {
protected:
    void Click(int col, int row)
    {
        QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(28 + 36 * col, 28 + 36 * row));
    }
    std::vector<std::string> Guesses() { return GridRows(game().crossword, true); }
    std::vector<std::string> Highlights()
    {
        std::vector<std::string> rows;
        for (int row = 0; row < game().crossword.height; ++row) {
            std::string text;
            for (int col = 0; col < game().crossword.width; ++col) {
                text += game().crossword.SquareAt(col, row)->highlighted ? '*' : '.';
            }
            rows.push_back(text);
        }
        return rows;
    }
    static QString ShownTooltip(QWidget* button)
    {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), button->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(button, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    std::string Prompt() { return Frame().PaneText(StatusPane::Prompt).toStdString(); }
};

TEST_F(QuillbyApp, ClickAndTypeFillTheRunWithTheCursorStoppingAtItsEnd)
{
    Start();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Quillby"));
    EXPECT_EQ(Prompt(), "Click a square to view its crossword clue");
    ClueWindow& clues = Frame().Clues();
    EXPECT_TRUE(clues.isVisible());
    ASSERT_EQ(clues.List().ItemCount(), 5);  // two headers, CAT and WET, COW (TAT has no clue)
    EXPECT_EQ(clues.GetLineText(1), "1) Feline pet [3]");
    Click(0, 0);
    EXPECT_EQ(Prompt(), "Clue: Feline pet");
    EXPECT_EQ(clues.List().Selected(), 1);
    Click(0, 0);
    EXPECT_EQ(Prompt(), "Clue: Dairy animal");
    EXPECT_EQ(clues.GetLineText(clues.List().Selected()), "1) Dairy animal [3]");
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("cAtS"));
    EXPECT_EQ(Guesses(), (std::vector<std::string>{"CAS", ".#.", "..."}));
    EXPECT_TRUE(game().modified);
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"***", "...", "..."}));
}

TEST_F(QuillbyApp, AClickOnAClueLineSelectsItsRunForTyping)
{
    Start();
    ClueWindow& clues = Frame().Clues();
    EXPECT_EQ(clues.pos(), View().mapToGlobal(QPoint(View().width() + 10, 0)));
    const QRect wet = clues.List().GetItemRect(2);
    ASSERT_EQ(clues.GetLineText(2), "3) Soaked [3]");
    QTest::mouseClick(clues.List().viewport(), Qt::LeftButton, {}, wet.center());
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"...", "...", "***"}));
    EXPECT_EQ(Prompt(), "Clue: Soaked");
    QTest::keyClicks(&View(), QStringLiteral("WE"));
    EXPECT_EQ(Guesses()[2], "WE.");

    Frame().RunCommand(CommandId::ShowClueWindow);
    EXPECT_FALSE(clues.isVisible());
    Frame().RunCommand(CommandId::ShowClueWindow);
    EXPECT_TRUE(clues.isVisible());
}

TEST_F(QuillbyApp, TheClueWindowClosedByItsCloseBoxComesBackAtTheFirstShowClueWindow)
{
    // Closing the clue window with its close box left its shown flag set, so the first
    // Options > Show Clue window only cleared the flag and nothing seemed to happen.
    Start();
    ClueWindow& clues = Frame().Clues();
    ASSERT_TRUE(clues.isVisible());
    clues.close();
    EXPECT_FALSE(clues.isVisible());
    EXPECT_FALSE(game().clueWindowShown);
    Frame().RunCommand(CommandId::ShowClueWindow);
    EXPECT_TRUE(clues.isVisible());

    // Esc closes it the same way, and a puzzle opened meanwhile leaves it closed.
    QTest::keyClick(&clues, Qt::Key_Escape);
    EXPECT_FALSE(clues.isVisible());
    Crossword nine;
    nine.SetGridSize(9, 9);
    WriteBytes(folder.Path() + "/nine.crs", SerializePuzzle(nine, 0, Clock{}, false));
    ASSERT_TRUE(game().OpenPuzzle(folder.Path() + "/nine.crs", false));
    EXPECT_FALSE(clues.isVisible());
    Frame().RunCommand(CommandId::ShowClueWindow);
    EXPECT_TRUE(clues.isVisible());
}

TEST_F(QuillbyApp, ClicksOnACrossingSwitchAcrossDownAcross)
{
    Start();
    Click(0, 0);
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"***", "...", "..."}));
    Click(0, 0);
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"*..", "*..", "*.."}));
    Click(0, 0);
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"***", "...", "..."}));
    // A double click is two clicks: across, then down. (Qt's widgets get a press, a release
    // and then the double click event in place of the second press.)
    QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(28 + 72, 28));
    QTest::mouseDClick(&View(), Qt::LeftButton, {}, QPoint(28 + 72, 28));
    EXPECT_EQ(Highlights(), (std::vector<std::string>{"..*", "..*", "..*"}));
}

TEST_F(QuillbyApp, BackspaceOnAnEmptySquareStepsBackAndClears)
{
    Start();
    Click(0, 2);
    QTest::keyClicks(&View(), QStringLiteral("W"));
    QTest::keyClick(&View(), Qt::Key_Backspace);
    EXPECT_EQ(Guesses()[2], "...");
    QTest::keyClick(&View(), Qt::Key_Backspace);  // first square, already empty: nothing
    EXPECT_EQ(Guesses()[2], "...");
    QTest::keyClicks(&View(), QStringLiteral("X"));
    EXPECT_EQ(Guesses()[2], "X..");
}

TEST_F(QuillbyApp, KeysAreSwallowedWhilePausedOrCompleted)
{
    Start();
    Click(0, 0);
    Frame().RunCommand(CommandId::PauseClock);
    EXPECT_TRUE(game().clockPaused);
    EXPECT_FALSE(Frame().Action(CommandId::PauseClock)->isEnabled());
    EXPECT_TRUE(Frame().Action(CommandId::ResumeClock)->isEnabled());
    QTest::keyClicks(&View(), QStringLiteral("C"));
    QTest::keyClick(&View(), Qt::Key_Escape);
    EXPECT_EQ(Guesses()[0], "...");
    EXPECT_FALSE(Frame().isMinimized());

    Frame().RunCommand(CommandId::ResumeClock);
    game().completed = true;
    QTest::keyClicks(&View(), QStringLiteral("C"));
    EXPECT_EQ(Guesses()[0], "...");
    game().completed = false;
    QTest::keyClicks(&View(), QStringLiteral("C"));
    EXPECT_EQ(Guesses()[0], "C..");
}

TEST_F(QuillbyApp, QuitPromptCancelKeepsTheGameAndNoAutosavesThenRestartRestores)
{
    Start();
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("CA"));

    answers.Button(QMessageBox::Cancel);
    Frame().close();
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.Data("volatile.crs")));
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_EQ(answers.texts[0], QStringLiteral("Do you want to save your puzzle before quitting?"));

    answers.Button(QMessageBox::No);
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder.Data("volatile.crs")));
    EXPECT_TRUE(std::filesystem::exists(folder.Data("settings.dat")));

    app.reset();
    Start();
    EXPECT_EQ(Guesses()[0], "CA.");
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Quillby"));
}

TEST_F(QuillbyApp, QuitPromptYesSavesUnderTheChosenName)
{
    Start();
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("C"));
    const std::string named = folder.Path() + "/mine.crs";
    answers.Button(QMessageBox::Yes);
    answers.FilePath(QString::fromStdString(named));
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(answers.Pending(), 0u);
    ASSERT_TRUE(std::filesystem::exists(named));
    EXPECT_TRUE(std::filesystem::exists(folder.Data("volatile.crs")));
}

TEST_F(QuillbyApp, QuitWithAnUnwritableAutosaveSaysSoAndCanStay)
{
    // With volatile.crs unwritable, quitting with No lost the progress without a word.
    Start();
    std::filesystem::create_directory(folder.Data("volatile.crs"));
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("CA"));
    answers.Button(QMessageBox::No);
    answers.Button(QMessageBox::Cancel);
    Frame().close();
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_EQ(answers.texts.size(), 2u);
    EXPECT_TRUE(answers.texts[1].startsWith(QStringLiteral("Your puzzle could not be autosaved")));

    const std::string named = folder.Path() + "/rescued.crs";
    answers.Button(QMessageBox::No);
    answers.Button(QMessageBox::Yes);
    answers.FilePath(QString::fromStdString(named));
    Frame().close();
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_TRUE(std::filesystem::exists(named));
}

TEST_F(QuillbyApp, CreateModeFromTheSettingsStartsTheCreatorWithItsTitle)
{
    // Create mode, with the creator's instructions turned off.
    WriteBytes(folder.Data("settings.dat"),
               {std::byte{1}, std::byte{0}, std::byte{0}, std::byte{0}, std::byte{0}, std::byte{0},
                std::byte{0}, std::byte{1}});
    Start();
    EXPECT_TRUE(game().CreateMode());
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Create Crossword"));
    EXPECT_EQ(game().crossword.width, 11);
    EXPECT_TRUE(Frame().Action(CommandId::CrosswordCreator)->isChecked());
    EXPECT_EQ(Frame().Action(CommandId::CrosswordCreator)->text(), QStringLiteral("Original Mode"));
    EXPECT_FALSE(Frame().Action(CommandId::Hint)->isEnabled());
}

TEST_F(QuillbyApp, TheFrameFitsTheViewToTheGrid)
{
    Start();
    EXPECT_EQ(View().size(), GridViewSize(3, 3));
    Crossword nine;
    nine.SetGridSize(9, 9);
    WriteBytes(folder.Path() + "/nine.crs", SerializePuzzle(nine, 0, Clock{}, false));
    ASSERT_TRUE(game().OpenPuzzle(folder.Path() + "/nine.crs", false));
    EXPECT_EQ(View().size(), QSize(345, 345));
    game().settings.creatorInstructionsOff = true;
    game().EnterCreator(false, 11);
    EXPECT_EQ(View().size(), QSize(417, 417));
}

TEST_F(QuillbyApp, TheStatusPanesFitTheWindowAtEveryGridSizeWithNothingCut)
{
    // The prompt pane (250 pixels) and the time pane (100) were wider together than the
    // 345-pixel window of a 9 x 9 grid: the prompt and the clock's last digit were cut off.
    Start();
    const QList<StatusBarPane*> panes = Frame().statusBar()->findChildren<StatusBarPane*>();
    ASSERT_EQ(panes.size(), 2);
    StatusBarPane& prompt = *panes[0];
    StatusBarPane& time = *panes[1];
    const QStringList prompts{
        QString::fromUtf8(kClickASquare),
        QStringLiteral("You are in Create a crossword mode"),
        QStringLiteral("Mouse: Pick Run. Space: Enter clue. Del: Delete clue"),
        QStringLiteral("Create Crossword Mode"),
        QString::fromUtf8(kNoClueForRun),
        QStringLiteral("Quit the application; prompts to save documents"),
        QStringLiteral("Clue: Powerful circular current of water")};
    for (const int size : {9, 11, 15, 21}) {
        Crossword grid;
        grid.SetGridSize(size, size);
        const std::string path = folder.Path() + "/grid.crs";
        WriteBytes(path, SerializePuzzle(grid, 0, Clock{.hours = 9, .minutes = 59}, false));
        ASSERT_TRUE(game().OpenPuzzle(path, false));
        game().ClockTick();
        QCoreApplication::processEvents();
        const int barWidth = Frame().statusBar()->width();
        EXPECT_EQ(barWidth, Frame().width()) << size;
        EXPECT_LE(prompt.geometry().right(), time.geometry().left()) << size;
        EXPECT_LE(time.geometry().right(), barWidth - 1) << size;
        EXPECT_EQ(time.Text(), QStringLiteral("Time: 09:59:01"));
        EXPECT_TRUE(time.ShowsWholeText()) << size;
        for (const QString& text : prompts) {
            Frame().SetPaneText(StatusPane::Prompt, text);
            EXPECT_TRUE(prompt.ShowsWholeText()) << size << ": " << text.toStdString();
            EXPECT_TRUE(prompt.toolTip().isEmpty());
        }
        if (size == 9) {
            QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
            Frame().statusBar()->grab().save(
                QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/status_9x9.png"));
        }
    }
    // A clue too long for the pane ends in an ellipsis, and pointing at it shows it all.
    const QString gloss = QStringLiteral(
        "Clue: A long gloss from the dictionary that goes on and on, past the two "
        "lines the pane has room for beside the clock of the smallest grid");
    Crossword nine;
    nine.SetGridSize(9, 9);
    WriteBytes(folder.Path() + "/grid.crs", SerializePuzzle(nine, 0, Clock{}, false));
    ASSERT_TRUE(game().OpenPuzzle(folder.Path() + "/grid.crs", false));
    Frame().SetPaneText(StatusPane::Prompt, gloss);
    EXPECT_FALSE(prompt.ShowsWholeText());
    EXPECT_TRUE(prompt.ShownLines().constLast().endsWith(QChar(0x2026)));
    EXPECT_EQ(prompt.toolTip(), gloss);
}

TEST_F(QuillbyApp, WindowCallsFromAWorkerThreadRunOnTheUiThread)
{
    Start();
    std::thread worker([this] {
        game().host.Repaint(false);
        game().host.FitFrameToGrid(9, 9);
        game().host.SetStatusText(StatusPane::Prompt, "Generating");
        game().host.SetTitle("Busy - Quillby");
    });
    worker.join();
    EXPECT_EQ(View().size(), GridViewSize(3, 3));  // not yet: queued for the ui thread
    QCoreApplication::processEvents();
    EXPECT_EQ(View().size(), GridViewSize(9, 9));
    EXPECT_EQ(Prompt(), "Generating");
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Busy - Quillby"));
}

TEST_F(QuillbyApp, AMissingDataFileIsNamedOnceAndTheGameStillStarts)
{
    std::filesystem::remove(folder.Data("eng_dawg"));
    answers.Button(QMessageBox::Ok);
    Start();
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("data/eng_dawg")));
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("cmake --build build")));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(game().crossword.width, 3);  // the default puzzle is there all the same
}

TEST_F(QuillbyApp, ToolbarHasTheTwelveButtonsWithTheirTooltipsAndPrompts)
{
    Start();
    int buttons = 0;
    for (QAction* action : Frame().ToolBar()->actions()) {
        buttons += action->isSeparator() ? 0 : 1;
    }
    EXPECT_EQ(buttons, 12);
    // The pause button first: a tooltip once shown lingers a moment after it is hidden.
    QWidget* pause = Frame().ToolBar()->widgetForAction(Frame().Action(CommandId::PauseClock));
    EXPECT_TRUE(ShownTooltip(pause).isEmpty());
    QWidget* creator =
        Frame().ToolBar()->widgetForAction(Frame().Action(CommandId::CrosswordCreator));
    ASSERT_NE(creator, nullptr);
    EXPECT_EQ(ShownTooltip(creator), QStringLiteral("Toggle the crossword mode"));
    Frame().Action(CommandId::CrosswordCreator)->hover();
    EXPECT_EQ(Prompt(), "Toggle the crossword mode");
    Frame().Action(CommandId::PauseClock)->hover();
    EXPECT_EQ(Prompt(), "");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pause, &leave);
    EXPECT_EQ(Prompt(), "Ready");
}

TEST_F(QuillbyApp, MenusComeFromTheCommandTableAndLeavingOneSaysReady)
{
    Start();
    QStringList titles;
    for (QAction* menu : Frame().menuBar()->actions()) {
        titles << menu->text();
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Options", "&Clock", "Colour &Scheme", "&Help"}));
    QMenu* file = Frame().menuBar()->actions().first()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions().first()->text(), QStringLiteral("&New Puzzle"));
    EXPECT_EQ(file->actions().first()->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_TRUE(file->actions()[2]->isSeparator());

    file->popup(QPoint(0, 0));
    file->actions()[4]->hover();  // Save current puzzle
    EXPECT_EQ(Prompt(), "Save a puzzle");
    file->hide();
    EXPECT_EQ(Prompt(), "Ready");
}

TEST_F(QuillbyApp, SafetyTimerAutosavesPlayWithoutTouchingTheDocument)
{
    Start();
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("C"));
    Frame().OnSafetyTimer();
    EXPECT_TRUE(std::filesystem::exists(folder.Data("volatile.crs")));
    EXPECT_TRUE(game().modified);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Quillby"));

    // A kill now: a fresh start finds the letter.
    app->GameState().modified = false;
    CQuillbyApp other(folder.Path());
    other.Start();
    EXPECT_EQ(GridRows(other.GameState().crossword, true)[0], "C..");
    other.GameState().modified = false;
    other.Frame().close();
}

TEST_F(QuillbyApp, AboutAndInstructionsShowTheirTexts)
{
    Start();
    AboutBox about(&Frame());
    auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Quillby Creator Version 1.0"));

    InstructionsDialog instructions(&Frame());
    QStringList texts;
    for (QLabel* label : instructions.findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral(
        "Select a run by clicking on a square with your left mouse button, click again if you "
        "wish to select a vertical run.\n\nTyping will fill your run with letters, pressing "
        "delete will empty your run.")));
    auto* ok = instructions.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
    ok->click();
    EXPECT_EQ(instructions.result(), InstructionsDialog::kOkResult);
}

// Renders the main window in each colour scheme to build/ui-renders/scheme-N.png, to look at.
TEST_F(QuillbyApp, RendersTheMainWindowInEachScheme)
{
    WriteDefaultPuzzle(folder, {"CAT#DOG#ASH", "A#A#O#O#P#E", "RAT#TEA#ERA", "#####A#####",
                                "BAD#SEN#OAK", "E#O#E#O#A#I", "DOE#ANT#TEN", "#####S#####",
                                "SUN#HAT#PEN", "O#O#A#O#E#E", "WET#TOE#NET"});
    Start();
    Click(0, 0);
    QTest::keyClicks(&View(), QStringLiteral("CAT"));
    Click(2, 1);
    Click(2, 1);
    const std::string renders = std::string(QUILLBY_SHIPPED_DIR) + "/../ui-renders";
    std::filesystem::create_directories(renders);
    const CommandId schemes[] = {CommandId::SchemeBlackAndWhite, CommandId::SchemeShadesOfAutumn,
                                 CommandId::SchemeOliveGreen, CommandId::SchemeRose};
    for (int scheme = 0; scheme < kColourSchemeCount; ++scheme) {
        Frame().RunCommand(schemes[scheme]);
        EXPECT_EQ(game().settings.colourScheme, scheme);
        const QImage shot = Frame().grab().toImage();
        const QPoint block = View().mapTo(&Frame(), QPoint(28 + 36, 28 + 36));
        EXPECT_EQ(shot.pixelColor(block), ToQColor(SchemeColours(scheme, false).block));
        EXPECT_TRUE(shot.save(
            QString::fromStdString(renders + "/scheme-" + std::to_string(scheme) + ".png")));
    }
}

}  // namespace
}  // namespace quillby
