#pragma once

#include <QString>
#include <memory>

#include "core/game/game.h"

class QPrinter;
class QWidget;

namespace quillby {

enum class PrintChoice;

// The print commands of the main window. It keeps one printer for the whole run, so the page
// set-up and the printer chosen in the print dialog stay for the next print.
class PrintController {
public:
    explicit PrintController(Game& game);
    ~PrintController();
    PrintController(const PrintController&) = delete;
    PrintController& operator=(const PrintController&) = delete;

    // "Print puzzle..." (direct false) and the print-direct command (direct true): the
    // printing options, then the print dialog (not when direct, unless there is no printer to
    // print to directly), the preview or the PDF file name, then the sheets.
    void Print(QWidget* parent, bool direct);
    // "Print Setup...": the page set-up of the printer that printing uses.
    void PageSetup(QWidget* parent);

    QPrinter& Printer() { return *printer; }

private:
    void PrintWithDialog(QWidget* parent);
    void PrintToDefaultPrinter(QWidget* parent);
    void Preview(QWidget* parent);
    void SaveAsPdf(QWidget* parent);
    QString SuggestedPdfPath() const;
    void Finish(QWidget* parent, bool printed, const QString& failure);

    Game& game;
    std::unique_ptr<QPrinter> printer;
};

}  // namespace quillby
