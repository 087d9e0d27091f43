#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace quillby {

// How the "Printing Options" dialog ended. Esc and the close box end it like "Cancel".
enum class PrintChoice { Cancel, Print, Preview, SavePdf };

// The modal "Printing Options": whether the first sheet shows the player's letters and whether
// a solution sheet follows. Besides "Print" and "Cancel" it offers a preview of the sheets and
// printing them to a PDF file.
class PrintOptionsDialog : public QDialog {
    Q_OBJECT

public:
    PrintOptionsDialog(bool printUserSquares, bool printSolution, QWidget* parent = nullptr);

    // The boxes as they stood when a button other than "Cancel" was pressed; the values the
    // dialog started with otherwise.
    bool PrintUserSquares() const { return printUserSquares; }
    bool PrintSolution() const { return printSolution; }
    PrintChoice Choice() const { return choice; }

    QCheckBox* UserSquaresBox() const { return userSquaresBox; }
    QCheckBox* SolutionBox() const { return solutionBox; }
    QPushButton* Button(PrintChoice which) const;

private:
    QPushButton* AddButton(const QString& text, PrintChoice which);

    bool printUserSquares;
    bool printSolution;
    PrintChoice choice = PrintChoice::Cancel;
    QCheckBox* userSquaresBox = nullptr;
    QCheckBox* solutionBox = nullptr;
    QPushButton* buttons[4] = {};
};

}  // namespace quillby
