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

// A small crossword with a few letters in, drawn rather than shipped as an image.
QPixmap PaintPuzzlePicture()
{
    constexpr int kCells = 5;
    constexpr int kCell = 13;
    constexpr const char* kRows[kCells] = {"QUILL", "U#N#A", "IDEAS", "P#A#T", "SLEPT"};
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
            const char letter = kRows[row][col];
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
    quick->setChecked(choice == 0);
    original->setChecked(choice == 1);
    auto* radios = new QVBoxLayout(group);
    radios->addWidget(quick);
    radios->addWidget(original);

    auto* picture = new QLabel(this);
    picture->setPixmap(PaintPuzzlePicture());
    picture->setAlignment(Qt::AlignCenter);

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
    return quick->isChecked() ? 0 : original->isChecked() ? 1 : -1;
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
