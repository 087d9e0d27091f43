#include "ui/menus/menu_colours.h"

#include <QPalette>

#include "core/game/colour_rules.h"
#include "ui/view/grid_painter.h"

namespace quillby {

namespace {

QColor FromRgb(Rgb colour, int alpha)
{
    return QColor(colour.red, colour.green, colour.blue, alpha);
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

// The rules are the core's, which the grid's Desktop colours follow too.
QColor Lighten(const QColor& colour, double f)
{
    return FromRgb(Lighten(ToRgb(colour), f), colour.alpha());
}

QColor Darken(const QColor& colour, double f)
{
    return FromRgb(Darken(ToRgb(colour), f), colour.alpha());
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    return ContrastRatio(ToRgb(a), ToRgb(b));
}

QColor WithContrast(const QColor& text, const QColor& background, double minimum)
{
    return FromRgb(WithContrast(ToRgb(text), ToRgb(background), minimum), text.alpha());
}

bool XpThemeInEffect()
{
    return false;
}

bool IsDarkPalette(const QPalette& palette)
{
    return Luminance(ToRgb(palette.color(QPalette::Active, QPalette::Base))) <
           Luminance(ToRgb(palette.color(QPalette::Active, QPalette::Text)));
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
