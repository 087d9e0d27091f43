#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

#include "core/game/game.h"

class QPainter;

namespace quillby {

// The fonts every grid drawing uses, screen and paper alike, made once for the process.
const QFont& LetterFont();
const QFont& NumberFont();

inline QColor ToQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

inline Rgb ToRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// The view's size that shows a width x height grid with its margins.
QSize GridViewSize(int width, int height, const GridGeometry& geometry = {});

inline QRect ToQRect(const PixelRect& rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

// How the square outlines are drawn: one logical pixel wide on screen; on paper the thinnest
// line the device draws, whatever the scale.
enum class OutlineWidth { Pixel, Hairline };

// Draws one square where the geometry puts its column and row. Coordinates are logical
// pixels: the painter's device pixel ratio or transform scales them, so lines stay one
// logical pixel wide.
void DrawSquare(QPainter& painter, const Square& square, const SquareLook& look,
                OutlineWidth outline = OutlineWidth::Pixel, const GridGeometry& geometry = {});

// The grey background with its one-pixel black frame, covering area.
void DrawBackground(QPainter& painter, QSize area);

// Every square of the grid, column by column, as the game says it looks on this surface; on
// paper with hairline outlines. The screen uses the game's geometry, paper the Original one
// (the sheet's own transform scales it to the page).
void DrawGrid(QPainter& painter, const Game& game, Surface surface);

}  // namespace quillby
