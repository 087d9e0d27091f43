#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "core/game/game.h"
#include "modal_dialogs.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"
#include "ui/print/print_controller.h"
#include "ui/print/print_options_dialog.h"

namespace quillby {
namespace {

using testing::ModalDialogs;
using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;

PrintOptionsDialog* Options(QWidget* dialog)
{
    auto* options = qobject_cast<PrintOptionsDialog*>(dialog);
    EXPECT_NE(options, nullptr) << "expected the printing options";
    return options;
}

class PrintCommand : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};
    PrintController controller{game};
    ModalDialogs dialogs;

    void SetUp() override
    {
        SetGrid(game.crossword, {"HEART", "O#L#E", "OCEAN", "K#R#O", "SATYR"});
        game.crossword.BuildAnswerList();
        game.crossword.SetAnswersFromGrid();
        game.crossword.NumberSquares();
        for (const AnswerEntry& entry : game.crossword.answers) {
            ASSERT_TRUE(game.clues.AddClue("Clue of " + std::string(entry.AnswerWord()),
                                           std::string(entry.AnswerWord())));
        }
        game.RefreshClueList();
        game.settings.printUserSquares = true;
        game.settings.printSolution = false;
    }
};

TEST(PrintOptionsDialog, EscAndTheCloseBoxCancelLikeTheCancelButton)
{
    // Esc and the close box used to go on printing, with the options as they were before.
    PrintOptionsDialog escaped(true, false);
    escaped.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&escaped));
    EXPECT_EQ(escaped.windowTitle(), QStringLiteral("Printing Options"));
    EXPECT_TRUE(escaped.UserSquaresBox()->isChecked());
    EXPECT_FALSE(escaped.SolutionBox()->isChecked());
    escaped.SolutionBox()->click();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.result(), QDialog::Rejected);
    EXPECT_EQ(escaped.Choice(), PrintChoice::Cancel);
    EXPECT_FALSE(escaped.PrintSolution());

    PrintOptionsDialog closed(true, false);
    closed.show();
    closed.UserSquaresBox()->click();
    closed.close();
    EXPECT_EQ(closed.result(), QDialog::Rejected);
    EXPECT_EQ(closed.Choice(), PrintChoice::Cancel);
    EXPECT_TRUE(closed.PrintUserSquares());

    PrintOptionsDialog printed(true, false);
    printed.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&printed));
    printed.UserSquaresBox()->click();
    printed.SolutionBox()->click();
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    printed.grab().save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_options_dialog.png"));
    QTest::keyClick(&printed, Qt::Key_Return);  // "Print" is the default button
    EXPECT_EQ(printed.result(), QDialog::Accepted);
    EXPECT_EQ(printed.Choice(), PrintChoice::Print);
    EXPECT_FALSE(printed.PrintUserSquares());
    EXPECT_TRUE(printed.PrintSolution());
}

TEST_F(PrintCommand, CancellingTheOptionsPrintsNothingAndKeepsTheOptions)
{
    dialogs.Then([](QWidget* dialog) {
        Options(dialog)->SolutionBox()->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    dialogs.Then([](QWidget* dialog) {
        ADD_FAILURE() << "no dialog should follow: " << dialog->windowTitle().toStdString();
        static_cast<QDialog*>(dialog)->reject();
    });
    controller.Print(nullptr, false);
    EXPECT_EQ(dialogs.titles.size(), 1u);
    EXPECT_FALSE(game.settings.printSolution);
}

TEST_F(PrintCommand, PrintShowsThePrintDialogForThePrinterThatPageSetupSets)
{
    QPrinter* seen = nullptr;
    dialogs.Then([](QWidget* dialog) { Options(dialog)->Button(PrintChoice::Print)->click(); });
    dialogs.Then([&seen](QWidget* dialog) {
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        ASSERT_NE(print, nullptr) << "expected the print dialog";
        seen = print->printer();
        QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
        print->grab().save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_dialog.png"));
        print->reject();
    });
    controller.Print(nullptr, false);
    EXPECT_EQ(seen, &controller.Printer());

    // The page set-up's choice stays with the printer for the next print.
    seen = nullptr;
    dialogs.Then([&seen](QWidget* dialog) {
        auto* setup = qobject_cast<QPageSetupDialog*>(dialog);
        ASSERT_NE(setup, nullptr) << "expected the page set-up";
        seen = setup->printer();
        auto* landscape = setup->findChild<QRadioButton*>(QStringLiteral("landscape"));
        ASSERT_NE(landscape, nullptr);
        landscape->click();
        setup->accept();
    });
    controller.PageSetup(nullptr);
    EXPECT_EQ(seen, &controller.Printer());
    EXPECT_EQ(controller.Printer().pageLayout().orientation(), QPageLayout::Landscape);

    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Accepted with its "Print to File (PDF)", the print dialog writes the sheets there.
        const QString pdf = QString::fromStdString(folder.Path()) + QStringLiteral("/dialog.pdf");
        controller.Printer().setOutputFileName(pdf);
        dialogs.Then([](QWidget* dialog) { Options(dialog)->Button(PrintChoice::Print)->click(); });
        dialogs.Then([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        controller.Print(nullptr, false);
        QFile written(pdf);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    }
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        // Printing directly with no printer to print to offers the print dialog instead.
        seen = nullptr;
        dialogs.Then([](QWidget* dialog) { Options(dialog)->Button(PrintChoice::Print)->click(); });
        dialogs.Then([&seen](QWidget* dialog) {
            auto* print = qobject_cast<QPrintDialog*>(dialog);
            ASSERT_NE(print, nullptr) << "expected the print dialog";
            seen = print->printer();
            print->reject();
        });
        controller.Print(nullptr, true);
        EXPECT_EQ(seen, &controller.Printer());
    }
    EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(PrintCommand, PreviewAndSaveAsPdfUseTheChosenOptions)
{
    int previewPages = 0;
    dialogs.Then([](QWidget* dialog) {
        Options(dialog)->SolutionBox()->click();
        Options(dialog)->Button(PrintChoice::Preview)->click();
    });
    dialogs.Then([&previewPages](QWidget* dialog) {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
        ASSERT_NE(preview, nullptr) << "expected the print preview";
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->updatePreview();
        previewPages = pages->pageCount();
        preview->resize(700, 800);
        QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
        preview->grab().save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_preview.png"));
        preview->reject();
    });
    controller.Print(nullptr, false);
    EXPECT_EQ(previewPages, 2);  // the puzzle and its solution
    EXPECT_TRUE(game.settings.printSolution);

    const QString pdf = QString::fromStdString(folder.Path()) + QStringLiteral("/mine.pdf");
    dialogs.Then([](QWidget* dialog) { Options(dialog)->Button(PrintChoice::SavePdf)->click(); });
    dialogs.Then([&pdf](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr) << "expected a file dialog";
        files->selectFile(pdf);
        static_cast<QDialog*>(files)->accept();
    });
    controller.Print(nullptr, false);
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_EQ(dialogs.Pending(), 0u);
}

}  // namespace
}  // namespace quillby
