#include "ui/menus/menu_colours.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace quillby {

namespace {

bool OutsideFraction(double f)
{
    return !(f > 0.0 && f <= 1.0);  // also refuses NaN
}

int Towards255(int component, double f)
{
    return component + static_cast<int>((255 - component) * f);
}

int Towards0(int component, double f)
{
    return component - static_cast<int>(component * f);
}

double Linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
           0.0722 * Linear(colour.blue());
}

// The fractions of the look move colours towards white on a light desktop; on a dark one they
// move them towards black, so the same table gives the same relationships.
QColor Paler(const QColor& colour, double f, bool dark)
{
    return dark ? Darken(colour, f) : Lighten(colour, f);
}

QColor Deeper(const QColor& colour, double f, bool dark)
{
    return dark ? Lighten(colour, f) : Darken(colour, f);
}

void SetTexts(MenuColours& colours, const QPalette& palette, bool xpTheme, bool dark)
{
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
    // A disabled item is never highlighted, so its text always has the unhighlighted colour.
    const QColor disabled = xpTheme ? grey : Paler(grey, 0.4, dark);
    colours.text = WithContrast(text, colours.itemBackground, kMinimumTextContrast);
    colours.highlightedText = WithContrast(text, colours.highlightFill, kMinimumTextContrast);
    colours.disabledText = WithContrast(disabled, colours.itemBackground, kMinimumTextContrast);
    colours.barText = WithContrast(palette.color(QPalette::Active, QPalette::WindowText),
                                   colours.barBackground, kMinimumTextContrast);
}

}  // namespace

QColor Lighten(const QColor& colour, double f)
{
    if (OutsideFraction(f)) {
        return colour;
    }
    return QColor(Towards255(colour.red(), f), Towards255(colour.green(), f),
                  Towards255(colour.blue(), f), colour.alpha());
}

QColor Darken(const QColor& colour, double f)
{
    if (OutsideFraction(f)) {
        return colour;
    }
    return QColor(Towards0(colour.red(), f), Towards0(colour.green(), f),
                  Towards0(colour.blue(), f), colour.alpha());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor WithContrast(const QColor& text, const QColor& background, double minimum)
{
    if (ContrastRatio(text, background) >= minimum) {
        return text;
    }
    // Black or white always reaches 4.58 against any background; head for the one that
    // contrasts more and stop at the first step that is enough.
    const bool towardsWhite =
        ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
    constexpr int kSteps = 100;
    for (int step = 1; step <= kSteps; ++step) {
        const double f = static_cast<double>(step) / kSteps;
        const QColor candidate = towardsWhite ? Lighten(text, f) : Darken(text, f);
        if (ContrastRatio(candidate, background) >= minimum) {
            return candidate;
        }
    }
    return towardsWhite ? QColor(Qt::white) : QColor(Qt::black);
}

bool XpThemeInEffect()
{
    return false;
}

bool IsDarkPalette(const QPalette& palette)
{
    return Luminance(palette.color(QPalette::Active, QPalette::Base)) <
           Luminance(palette.color(QPalette::Active, QPalette::Text));
}

MenuColours MenuColoursFrom(const QPalette& palette, bool xpTheme)
{
    const bool dark = IsDarkPalette(palette);
    const QColor window = palette.color(QPalette::Active, QPalette::Base);
    const QColor face = palette.color(QPalette::Active, QPalette::Button);
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);

    MenuColours colours;
    colours.itemBackground = Deeper(window, 0.02, dark);
    colours.iconColumn = xpTheme ? face : Paler(face, 0.25, dark);
    colours.highlightFill = Paler(highlight, xpTheme ? 0.7 : 0.6, dark);
    colours.highlightFrame = highlight;
    colours.checkedCell = Paler(highlight, 0.85, dark);
    colours.checkedCellHighlighted = Paler(highlight, 0.55, dark);
    colours.separatorShadow = dark ? Lighten(colours.itemBackground, 0.2)
                                   : palette.color(QPalette::Active, QPalette::Dark);
    colours.separatorLight = dark ? Darken(colours.itemBackground, 0.4)
                                  : palette.color(QPalette::Active, QPalette::Light);
    colours.menuFrame = Deeper(colours.itemBackground, 0.4, dark);
    colours.barBackground = palette.color(QPalette::Active, QPalette::Window);
    SetTexts(colours, palette, xpTheme, dark);
    return colours;
}

}  // namespace quillby
