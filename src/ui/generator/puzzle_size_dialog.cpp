#include "ui/generator/puzzle_size_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/game/game.h"
#include "ui/generator/generating_dialog.h"

namespace quillby {

namespace {

// A small crossword with a few letters in, drawn rather than shipped as an image: a lattice
// like the Original sizes', or a block of words that all cross like the American sizes'.
QPixmap PaintPuzzlePicture(bool fullyChecked)
{
    constexpr int kCells = 5;
    constexpr int kCell = 13;
    constexpr const char* kLattice[kCells] = {"QUILL", "U#N#A", "IDEAS", "P#A#T", "SLEPT"};
    constexpr const char* kChecked[kCells] = {"#SPA#", "TOTAL", "AREAS", "REMIT", "#EAT#"};
    const char* const* rows = fullyChecked ? kChecked : kLattice;
    QPixmap picture(kCells * kCell + 1, kCells * kCell + 1);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(9);
    font.setBold(true);
    painter.setFont(font);
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            const QRect cell(col * kCell, row * kCell, kCell, kCell);
            const char letter = rows[row][col];
            painter.fillRect(cell, letter == '#' ? QColor(30, 30, 30) : QColor(255, 255, 255));
            painter.setPen(QColor(30, 30, 30));
            painter.drawRect(cell);
            // Only the top row and first column are filled in: a puzzle under way.
            if (letter != '#' && (row == 0 || col == 0)) {
                painter.setPen(QColor(20, 60, 160));
                painter.drawText(cell, Qt::AlignCenter, QString(QChar(letter)));
            }
        }
    }
    return picture;
}

}  // namespace

PuzzleSizeDialog::PuzzleSizeDialog(Game& game, int choice, QWidget* parent)
    : QDialog(parent), game(game)
{
    setObjectName(QStringLiteral("PuzzleSizeDialog"));
    setWindowTitle(QStringLiteral("Create a puzzle"));
    setModal(true);

    auto* group = new QGroupBox(QStringLiteral("Select a puzzle size"), this);
    quick = new QRadioButton(QStringLiteral("Quick 9 x 9"), group);
    original = new QRadioButton(QStringLiteral("Original 11 x 11"), group);
    american13 = new QRadioButton(QStringLiteral("American 13 x 13"), group);
    american15 = new QRadioButton(QStringLiteral("American 15 x 15"), group);
    auto* radios = new QVBoxLayout(group);
    int number = 0;
    for (QRadioButton* radio : {quick, original, american13, american15}) {
        radio->setEnabled(game.OffersSize(Game::SizeOfChoice(number)));
        radio->setChecked(choice == number++);
        radios->addWidget(radio);
        connect(radio, &QRadioButton::toggled, this, &PuzzleSizeDialog::ShowPicture);
    }
    // A remembered American size that this folder cannot make falls back to the Original.
    if (Choice() >= 0 && !game.OffersSize(Game::SizeOfChoice(Choice()))) {
        original->setChecked(true);
    }

    picture = new QLabel(this);
    picture->setAlignment(Qt::AlignCenter);
    ShowPicture();

    // No default button: Enter ends the dialog without a puzzle.
    auto* create = new QPushButton(QStringLiteral("Create..."), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    create->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(create, &QPushButton::clicked, this, &PuzzleSizeDialog::Create);
    connect(cancel, &QPushButton::clicked, this, &PuzzleSizeDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(picture);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

int PuzzleSizeDialog::Choice() const
{
    int number = 0;
    for (const QRadioButton* radio : {quick, original, american13, american15}) {
        if (radio->isChecked()) {
            return number;
        }
        ++number;
    }
    return -1;
}

void PuzzleSizeDialog::ShowPicture()
{
    picture->setPixmap(PaintPuzzlePicture(Game::IsAmericanChoice(Choice())));
}

void PuzzleSizeDialog::Create()
{
    if (game.CreateMode()) {
        done(kCreated);
        return;
    }
    GeneratingDialog generating(game, Game::SizeOfChoice(Choice()), this);
    if (generating.exec() == GeneratingDialog::kCreated) {
        done(kCreated);
    }
}

void PuzzleSizeDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        done(QDialog::Accepted);
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<int> RunPuzzleSizeDialog(Game& game, int choice, QWidget* parent)
{
    PuzzleSizeDialog dialog(game, choice, parent);
    if (dialog.exec() != PuzzleSizeDialog::kCreated) {
        return std::nullopt;
    }
    return dialog.Choice();
}

}  // namespace quillby
