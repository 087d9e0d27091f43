#include "ui/print/print_options_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillby {

PrintOptionsDialog::PrintOptionsDialog(bool printUserSquares, bool printSolution, QWidget* parent)
    : QDialog(parent), printUserSquares(printUserSquares), printSolution(printSolution)
{
    setWindowTitle(QStringLiteral("Printing Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* title = new QLabel(QStringLiteral("Printing Options"), this);
    title->setAlignment(Qt::AlignCenter);
    userSquaresBox = new QCheckBox(QStringLiteral("Print squares filled by user"), this);
    userSquaresBox->setChecked(printUserSquares);
    solutionBox = new QCheckBox(QStringLiteral("Print solution"), this);
    solutionBox->setChecked(printSolution);

    auto* buttonGrid = new QGridLayout;
    buttonGrid->addWidget(AddButton(QStringLiteral("Print"), PrintChoice::Print), 0, 0);
    buttonGrid->addWidget(AddButton(QStringLiteral("Cancel"), PrintChoice::Cancel), 0, 1);
    buttonGrid->addWidget(AddButton(QStringLiteral("Preview..."), PrintChoice::Preview), 1, 0);
    buttonGrid->addWidget(AddButton(QStringLiteral("Save as PDF..."), PrintChoice::SavePdf), 1, 1);
    Button(PrintChoice::Print)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addSpacing(6);
    layout->addWidget(userSquaresBox);
    layout->addWidget(solutionBox);
    layout->addSpacing(6);
    layout->addLayout(buttonGrid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* PrintOptionsDialog::Button(PrintChoice which) const
{
    return buttons[static_cast<int>(which)];
}

QPushButton* PrintOptionsDialog::AddButton(const QString& text, PrintChoice which)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    buttons[static_cast<int>(which)] = button;
    if (which == PrintChoice::Cancel) {
        // The same way out as Esc and the close box: nothing printed, options unchanged.
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
        return button;
    }
    connect(button, &QPushButton::clicked, this, [this, which] {
        printUserSquares = userSquaresBox->isChecked();
        printSolution = solutionBox->isChecked();
        choice = which;
        accept();
    });
    return button;
}

}  // namespace quillby
