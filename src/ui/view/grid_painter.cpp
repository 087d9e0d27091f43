#include "ui/view/grid_painter.h"

#include <QPainter>

namespace quillby {

namespace {

// The fonts are described by their character cell height (24 and 11 pixels, bold Arial);
// Qt sizes fonts by the em, which for Arial's metrics is the cell height / 1.12.
constexpr int kLetterPixelSize = 21;
constexpr int kNumberPixelSize = 10;

QFont GridFont(int pixelSize)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A rectangle outline of one logical pixel, drawn as filled strips so it lands on whole
// device pixels at any integer device pixel ratio (a pen would be centred on the line).
void DrawOutline(QPainter& painter, const QRect& box, const QColor& colour)
{
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
}

// A puzzle's circled square: a thin ring just inside the square, under the letter and number.
void DrawCircle(QPainter& painter, const Square& square, const SquareLook& look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(look.numberColour), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(
        QRectF(square.left + 2.5, square.top + 2.5, kSquarePitch - 4, kSquarePitch - 4));
    painter.restore();
}

}  // namespace

const QFont& LetterFont()
{
    static const QFont font = GridFont(kLetterPixelSize);
    return font;
}

const QFont& NumberFont()
{
    static const QFont font = GridFont(kNumberPixelSize);
    return font;
}

QSize GridViewSize(int width, int height)
{
    // A margin of 10 on every side of the squares, whose last border line is at 10 + 36 * n.
    return QSize(2 * kGridMargin + kSquarePitch * width + 1,
                 2 * kGridMargin + kSquarePitch * height + 1);
}

void DrawSquare(QPainter& painter, const Square& square, const SquareLook& look,
                OutlineWidth outlineWidth)
{
    const QRect outline(square.left, square.top, kSquareSize, kSquareSize);
    if (outlineWidth == OutlineWidth::Hairline) {
        // Neighbours share the line through their common edge, as on screen.
        const QRectF lines(square.left, square.top, kSquarePitch, kSquarePitch);
        painter.fillRect(lines, ToQColor(look.fill));
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(lines);
    } else {
        painter.fillRect(outline, ToQColor(look.fill));
        DrawOutline(painter, outline, Qt::black);
    }
    if (!look.open) {
        return;
    }
    if (look.circled) {
        DrawCircle(painter, square, look);
    }
    if (look.letter != 0) {
        painter.setFont(LetterFont());
        painter.setPen(ToQColor(look.letterColour));
        painter.drawText(QRect(square.left, square.top, 36, 36), Qt::AlignCenter,
                         QString(QChar::fromLatin1(look.letter)));
    }
    if (look.cursorMark) {
        painter.fillRect(QRect(square.left + 7, square.top + 31, 22, 1), Qt::black);
    }
    if (look.number != 0) {
        painter.setFont(NumberFont());
        painter.setPen(ToQColor(look.numberColour));
        painter.drawText(QRect(square.left + 1, square.top + 1, 13, 13), Qt::AlignCenter,
                         QString::number(look.number));
    }
}

void DrawBackground(QPainter& painter, QSize area)
{
    const QRect whole(QPoint(0, 0), area);
    painter.fillRect(whole, ToQColor(kGridBackground));
    DrawOutline(painter, whole, Qt::black);
}

void DrawGrid(QPainter& painter, const Game& game, Surface surface)
{
    const Crossword& crossword = game.crossword;
    for (int col = 0; col < crossword.width; ++col) {
        for (int row = 0; row < crossword.height; ++row) {
            if (const Square* square = crossword.SquareAt(col, row)) {
                DrawSquare(
                    painter, *square, game.LookOf(*square, surface),
                    surface == Surface::Screen ? OutlineWidth::Pixel : OutlineWidth::Hairline);
            }
        }
    }
}

}  // namespace quillby
