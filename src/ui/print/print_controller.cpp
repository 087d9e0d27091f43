#include "ui/print/print_controller.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/print/print_options_dialog.h"
#include "ui/print/print_pages.h"

namespace quillby {

namespace {

constexpr const char* kAttention = "Attention";

}  // namespace

PrintController::PrintController(Game& game)
    : game(game), printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    printer->setDocName(QStringLiteral("Crossword"));
}

PrintController::~PrintController() = default;

void PrintController::Print(QWidget* parent, bool direct)
{
    PrintOptionsDialog options(game.settings.printUserSquares, game.settings.printSolution, parent);
    if (options.exec() != QDialog::Accepted) {
        return;  // "Cancel", Esc or the close box: nothing printed, options unchanged
    }
    game.settings.printUserSquares = options.PrintUserSquares();
    game.settings.printSolution = options.PrintSolution();
    switch (options.Choice()) {
        case PrintChoice::Print:
            if (direct) {
                PrintToDefaultPrinter(parent);
            } else {
                PrintWithDialog(parent);
            }
            break;
        case PrintChoice::Preview:
            Preview(parent);
            break;
        case PrintChoice::SavePdf:
            SaveAsPdf(parent);
            break;
        case PrintChoice::Cancel:
            break;
    }
}

void PrintController::PageSetup(QWidget* parent)
{
    QPageSetupDialog dialog(printer.get(), parent);
    dialog.exec();
}

void PrintController::PrintWithDialog(QWidget* parent)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty() && printer->outputFileName().isEmpty()) {
        // With no printer installed the dialog can only print to a file: offer a whole name
        // rather than a bare folder.
        printer->setOutputFileName(SuggestedPdfPath());
    }
    QPrintDialog dialog(printer.get(), parent);
    // The sheets are one job: a range of them makes no sense.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Finish(parent, PrintPages(game, *printer), QStringLiteral("The puzzle could not be printed."));
}

void PrintController::PrintToDefaultPrinter(QWidget* parent)
{
    const QString name = QPrinterInfo::defaultPrinterName();
    if (name.isEmpty()) {
        // No printer to go to directly: let the user pick one, or a PDF file, instead.
        PrintWithDialog(parent);
        return;
    }
    printer->setOutputFileName(QString());
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setPrinterName(name);
    Finish(parent, PrintPages(game, *printer), QStringLiteral("The puzzle could not be printed."));
}

void PrintController::Preview(QWidget* parent)
{
    QPrintPreviewDialog dialog(printer.get(), parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { PrintPages(game, *target); });
    dialog.exec();
}

void PrintController::SaveAsPdf(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Save as PDF"), SuggestedPdfPath(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    // A printer of its own, so the printer chosen for paper stays chosen; same page set-up.
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(printer->pageLayout());
    pdf.setDocName(printer->docName());
    pdf.setOutputFileName(path);
    Finish(parent, PrintPages(game, pdf),
           QStringLiteral("The PDF file could not be written:\n%1")
               .arg(QDir::toNativeSeparators(path)));
}

QString PrintController::SuggestedPdfPath() const
{
    if (game.puzzlePath.empty()) {
        return QDir::home().filePath(QStringLiteral("crossword.pdf"));
    }
    const QFileInfo puzzle(QString::fromStdString(game.puzzlePath));
    return puzzle.dir().filePath(puzzle.completeBaseName() + QStringLiteral(".pdf"));
}

void PrintController::Finish(QWidget* parent, bool printed, const QString& failure)
{
    if (!printed) {
        QMessageBox::warning(parent, QString::fromUtf8(kAttention), failure);
    }
}

}  // namespace quillby
