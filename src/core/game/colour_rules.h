#pragma once

#include <span>

#include "core/game/square_look.h"

namespace quillby {

// The desktop's colours that the Desktop scheme follows, as the ui reads them from its
// palette: the background of text fields, their text, and the selection colour.
struct DesktopPalette {
    Rgb base{255, 255, 255};
    Rgb text{0, 0, 0};
    Rgb highlight{0, 120, 215};
    bool operator==(const DesktopPalette&) const = default;
};

// Readable text needs at least this contrast with what is behind it; marks drawn as shapes
// and large letters at least the smaller figure.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kShapeContrast = 3.0;

// Each component moves towards 255 (Lighten) or 0 (Darken) by the fraction f, truncated; an f
// outside (0, 1] leaves the colour as it is.
Rgb Lighten(Rgb colour, double f);
Rgb Darken(Rgb colour, double f);
// share 0 gives a, 1 gives b.
Rgb Mix(Rgb a, Rgb b, double share);
double Luminance(Rgb colour);
// 1 (the same) to 21 (black on white), from the relative luminances.
double ContrastRatio(Rgb a, Rgb b);
// The colour itself when it has at least `minimum` contrast with every background, or else
// the nearest colour towards black or white (whichever side does better) that has.
Rgb WithContrast(Rgb text, std::span<const Rgb> backgrounds, double minimum);
Rgb WithContrast(Rgb text, Rgb background, double minimum);

// The "Desktop" scheme: squares in the palette's base colour, the selected run tinted with its
// highlight, letters and numbers in its text colour, each kept at kTextContrast or better
// against both fills; dark palettes get black blocks on squares lifted just enough to tell
// them apart. In Create mode the blocks are a little lighter, as scheme 0's are.
ColourScheme DesktopScheme(const DesktopPalette& palette, bool createMode);

}  // namespace quillby
