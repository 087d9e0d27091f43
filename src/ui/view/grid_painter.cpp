#include "ui/view/grid_painter.h"

#include <QPainter>
#include <algorithm>

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

// A grid font grown with the geometry; the shared one at the Original scale.
QFont ScaledFont(const QFont& original, const GridGeometry& geometry)
{
    if (geometry.pitch == kSquarePitch) {
        return original;
    }
    QFont font = original;
    font.setPixelSize(std::max(1, static_cast<int>(original.pixelSize() * geometry.Scale())));
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
void DrawCircle(QPainter& painter, const Square& square, const SquareLook& look,
                const GridGeometry& geometry)
{
    const PixelRect box = geometry.LetterBox(square.col, square.row);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ToQColor(look.numberColour), geometry.Scale()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(box.left + 2.5, box.top + 2.5, box.width - 4, box.height - 4));
    painter.restore();
}

// The player's marks inside a square's box: a stroke from the lower left to the upper right
// across a wrong letter, a triangle in the upper right corner of a given one. Sized by the box,
// antialiased, so they keep their shape at any zoom and on paper.
void DrawMarks(QPainter& painter, const QRectF& box, const SquareLook& look)
{
    if (!look.wrongMark && !look.givenMark) {
        return;
    }
    const double unit = box.width() / kSquarePitch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (look.givenMark) {
        const double side = 9 * unit;
        const QPointF corner(box.right(), box.top() + unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(look.givenColour));
        painter.drawPolygon(
            QPolygonF({corner - QPointF(side, 0), corner, corner + QPointF(0, side)}));
    }
    if (look.wrongMark) {
        painter.setPen(QPen(ToQColor(look.wrongColour), 2 * unit, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(box.left() + 5 * unit, box.bottom() - 5 * unit),
                         QPointF(box.right() - 5 * unit, box.top() + 5 * unit));
    }
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

QSize GridViewSize(int width, int height, const GridGeometry& geometry)
{
    const PixelSize size = geometry.ViewSize(width, height);
    return QSize(size.width, size.height);
}

void DrawSquare(QPainter& painter, const Square& square, const SquareLook& look,
                OutlineWidth outlineWidth, const GridGeometry& geometry)
{
    const QRect outline = ToQRect(geometry.SquareRect(square.col, square.row));
    if (outlineWidth == OutlineWidth::Hairline) {
        // Neighbours share the line through their common edge, as on screen.
        const QRectF lines(ToQRect(geometry.LetterBox(square.col, square.row)));
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
        DrawCircle(painter, square, look, geometry);
    }
    if (look.letter != 0) {
        painter.setFont(ScaledFont(LetterFont(), geometry));
        painter.setPen(ToQColor(look.letterColour));
        painter.drawText(ToQRect(geometry.LetterBox(square.col, square.row)), Qt::AlignCenter,
                         QString(QChar::fromLatin1(look.letter)));
    }
    DrawMarks(painter, ToQRect(geometry.LetterBox(square.col, square.row)), look);
    if (look.cursorMark) {
        painter.fillRect(ToQRect(geometry.CursorMark(square.col, square.row)),
                         ToQColor(look.cursorColour));
    }
    if (look.number != 0) {
        painter.setFont(ScaledFont(NumberFont(), geometry));
        painter.setPen(ToQColor(look.numberColour));
        painter.drawText(ToQRect(geometry.NumberBox(square.col, square.row)), Qt::AlignCenter,
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
    const bool screen = surface == Surface::Screen;
    const GridGeometry geometry = screen ? game.Geometry() : GridGeometry{};
    for (int col = 0; col < crossword.width; ++col) {
        for (int row = 0; row < crossword.height; ++row) {
            if (const Square* square = crossword.SquareAt(col, row)) {
                DrawSquare(painter, *square, game.LookOf(*square, surface),
                           screen ? OutlineWidth::Pixel : OutlineWidth::Hairline, geometry);
            }
        }
    }
}

}  // namespace quillby
