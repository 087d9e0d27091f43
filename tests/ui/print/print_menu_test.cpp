#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QProcess>
#include <QPushButton>
#include <memory>

#include "modal_dialogs.h"
#include "support/temp_app_folder.h"
#include "ui/app/app_folder_files.h"
#include "ui/app/main_frame.h"
#include "ui/app/quillby_app.h"
#include "ui/print/print_options_dialog.h"

namespace quillby {
namespace {

using testing::ModalDialogs;
using testing::TempAppFolder;
using testing::WriteStartingFiles;

// The running program, started on a folder with a small default puzzle and its clues.
class PrintMenu : public ::testing::Test {
protected:
    TempAppFolder folder;
    ModalDialogs dialogs;
    std::unique_ptr<CQuillbyApp> app;

    void SetUp() override
    {
        WriteStartingFiles(folder, {{"Feline pet", "CAT"},
                                    {"Dairy animal", "COW"},
                                    {"Soaked", "WET"},
                                    {"Make lace", "TAT"}});
        if (HasFatalFailure()) {
            return;
        }
        app = std::make_unique<CQuillbyApp>(folder.Path());
        app->Start();
    }
    void TearDown() override
    {
        app->GameState().modified = false;
        app->Frame().close();
        app.reset();
    }
};

TEST_F(PrintMenu, ThePrintItemPrintsTheCluesAndPrintSetupOpensThePageSetUp)
{
    const QString pdf = QString::fromStdString(folder.Path()) + QStringLiteral("/menu.pdf");
    dialogs.Then([](QWidget* dialog) {
        auto* options = qobject_cast<PrintOptionsDialog*>(dialog);
        ASSERT_NE(options, nullptr) << "expected the printing options";
        options->Button(PrintChoice::SavePdf)->click();
    });
    dialogs.Then([&pdf](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr) << "expected a file dialog";
        files->selectFile(pdf);
        static_cast<QDialog*>(files)->accept();
    });
    QAction* print = app->Frame().Action(CommandId::Print);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("&Print puzzle..."));
    print->trigger();

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* line : {"Across Clues", "1) Feline pet [3]", "Down Clues", "3) Soaked [3]",
                             "1) Dairy animal [3]", "2) Make lace [3]"}) {
        EXPECT_TRUE(printed.contains(QString::fromUtf8(line))) << line;
    }

    QPrinter* setUp = nullptr;
    dialogs.Then([&setUp](QWidget* dialog) {
        auto* setup = qobject_cast<QPageSetupDialog*>(dialog);
        ASSERT_NE(setup, nullptr) << "expected the page set-up";
        setUp = setup->printer();
        setup->reject();
    });
    app->Frame().Action(CommandId::PrintSetup)->trigger();
    EXPECT_EQ(setUp, &app->Frame().Printing().Printer());
    EXPECT_EQ(dialogs.Pending(), 0u);
}

}  // namespace
}  // namespace quillby
