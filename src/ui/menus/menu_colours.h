#pragma once

#include <QColor>

class QPalette;

namespace quillby {

// Each of red, green and blue moves towards 255 by the fraction f (component +
// (255 - component) * f, truncated). An f outside (0, 1] leaves the colour as it is.
QColor Lighten(const QColor& colour, double f);
// Each component moves towards 0 by the fraction f (component - component * f, truncated).
// An f outside (0, 1] leaves the colour as it is.
QColor Darken(const QColor& colour, double f);

// The contrast ratio of two colours by their relative luminance: 1 (same) to 21 (black on
// white).
double ContrastRatio(const QColor& a, const QColor& b);
// The text colour itself when it has at least `minimum` contrast with the background, or else
// the nearest colour towards black or white (whichever side reaches it) that has.
QColor WithContrast(const QColor& text, const QColor& background, double minimum);

// Readable text needs at least this contrast with what is behind it.
inline constexpr double kMinimumTextContrast = 4.5;

// The flat look's colours for one drawing, all from the palette.
struct MenuColours {
    QColor itemBackground;
    QColor iconColumn;
    QColor highlightFill;
    QColor highlightFrame;
    QColor checkedCell;
    QColor checkedCellHighlighted;
    QColor text;             // on the item background
    QColor highlightedText;  // on the highlight fill
    QColor disabledText;     // on the item background (a disabled item is never highlighted)
    QColor separatorShadow;
    QColor separatorLight;
    QColor menuFrame;
    QColor barBackground;
    QColor barText;  // on the bar background
};

// Only the classic desktop of one old system had this theme; the other colours apply here.
bool XpThemeInEffect();

// Light text on a dark background: the fractions then move colours towards black where they
// would move them towards white (and the other way round), so fills stay muted shades of the
// background rather than glaring light patches.
bool IsDarkPalette(const QPalette& palette);

// Worked out afresh at every drawing, so a change of desktop colours shows at once. Every
// text colour keeps kMinimumTextContrast with the background it is drawn on.
MenuColours MenuColoursFrom(const QPalette& palette, bool xpTheme);

}  // namespace quillby
