#include "ui/creator/creator_instructions_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillby {

namespace {

const char* const kSelectText =
    "Right click on a square to toggle it on and off. Left click an empty square to select its "
    "horizontal run, clicking again will select its vertical run. \n\nOnce you have a run "
    "selected press the space bar to bring up the \"add a clue\" dialog.";
const char* const kDeleteText =
    "You can delete a clue at anytime by selecting a run and pressing the delete button. \n\n"
    "Once you are happy with your crossword, save it and use it in the Original mode.";

constexpr int kPictureWidth = 260;
constexpr int kPictureHeight = 96;

QLabel* WrappedText(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    return label;
}

QPixmap CreatorPicture(qreal ratio)
{
    QPixmap pixmap(QSize(kPictureWidth, kPictureHeight) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawCreatorPicture(painter, QRect(0, 0, kPictureWidth, kPictureHeight));
    return pixmap;
}

// A mouse with its right button pressed.
void DrawMouse(QPainter& painter, const QRectF& body)
{
    QPainterPath outline;
    outline.addRoundedRect(body, body.width() / 2, body.width() / 2);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawPath(outline);
    const qreal middle = body.left() + body.width() / 2;
    const qreal split = body.top() + body.height() * 0.4;
    const QRectF right(middle, body.top(), body.width() / 2, split - body.top());
    QPainterPath pressed;
    pressed.addRect(right);
    painter.fillPath(pressed.intersected(outline), QColor(220, 90, 60));
    painter.drawLine(QPointF(middle, body.top()), QPointF(middle, split));
    painter.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    painter.drawLine(QPointF(middle, body.top()), QPointF(middle, body.top() - 10));
}

}  // namespace

void DrawCreatorPicture(QPainter& painter, const QRect& area)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const int cells = 5;
    const int size = (area.height() - 8) / cells;
    const QPoint origin(area.left() + 16, area.top() + 4);
    const char* const letters[cells] = {"QUILL", ".#.#.", ".....", ".#.#.", "....."};
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QRect cell(origin.x() + col * size, origin.y() + row * size, size, size);
            const char letter = letters[row][col];
            const bool block = letter == '#';
            const bool selected = col == 0 && row > 0;
            painter.fillRect(cell, block      ? QColor(40, 40, 40)
                                   : selected ? QColor(255, 226, 130)
                                              : Qt::white);
            painter.setPen(QPen(Qt::black, 1));
            painter.drawRect(cell);
            if (letter != '.' && !block) {
                painter.drawText(cell, Qt::AlignCenter, QString(QChar(letter)));
            }
        }
    }
    // An arrow from the grid to the mouse that toggles squares.
    const int gridRight = origin.x() + cells * size;
    const QRectF mouse(gridRight + 70, area.top() + 22, 44, 64);
    painter.setPen(QPen(QColor(60, 60, 60), 2));
    painter.drawLine(QPointF(gridRight + 12, area.center().y()),
                     QPointF(mouse.left() - 12, area.center().y()));
    painter.drawLine(QPointF(gridRight + 12, area.center().y()),
                     QPointF(gridRight + 20, area.center().y() - 6));
    painter.drawLine(QPointF(gridRight + 12, area.center().y()),
                     QPointF(gridRight + 20, area.center().y() + 6));
    DrawMouse(painter, mouse);
}

CreatorInstructionsDialog::CreatorInstructionsDialog(bool instructionsOff, QWidget* parent)
    : QDialog(parent), instructionsOff(instructionsOff)
{
    setWindowTitle(QStringLiteral("Instructions"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* picture = new QLabel(this);
    picture->setPixmap(CreatorPicture(devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);

    auto* group = new QGroupBox(QStringLiteral("Instructions"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(WrappedText(kSelectText, group));
    groupLayout->addSpacing(8);
    groupLayout->addWidget(WrappedText(kDeleteText, group));

    dontShow = new QCheckBox(QStringLiteral("Don't show me this dialog again"), this);
    dontShow->setChecked(instructionsOff);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        this->instructionsOff = dontShow->isChecked();
        accept();
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShow);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(group);
    layout->addLayout(bottom);
    group->setFixedWidth(300);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quillby
