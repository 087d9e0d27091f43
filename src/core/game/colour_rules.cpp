#include "core/game/colour_rules.h"

#include <algorithm>
#include <cmath>

namespace quillby {

namespace {

bool OutsideFraction(double f)
{
    return !(f > 0.0 && f <= 1.0);  // also refuses NaN
}

std::uint8_t Component(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

double Linear(int component)
{
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double WorstContrast(Rgb colour, std::span<const Rgb> backgrounds)
{
    double worst = 21.0;
    for (const Rgb background : backgrounds) {
        worst = std::min(worst, ContrastRatio(colour, background));
    }
    return worst;
}

// The selected run's fill: the square tinted with the desktop's selection colour as far as the
// letters stay readable on it, or else a plain shade of the square away from the letters.
Rgb HighlightFor(Rgb square, Rgb selection, Rgb letter)
{
    for (int percent = 30; percent >= 5; percent -= 5) {
        const Rgb tinted = Mix(square, selection, percent / 100.0);
        if (!(tinted == square) && ContrastRatio(letter, tinted) >= kTextContrast) {
            return tinted;
        }
    }
    const bool lightLetters = Luminance(letter) > Luminance(square);
    for (const bool darker : {lightLetters, !lightLetters}) {
        const Rgb shade = darker ? Darken(square, 0.15) : Lighten(square, 0.15);
        if (!(shade == square) && ContrastRatio(letter, shade) >= kTextContrast) {
            return shade;
        }
    }
    return square;
}

}  // namespace

Rgb Lighten(Rgb colour, double f)
{
    if (OutsideFraction(f)) {
        return colour;
    }
    auto up = [f](int c) { return Component(c + static_cast<int>((255 - c) * f)); };
    return {up(colour.red), up(colour.green), up(colour.blue)};
}

Rgb Darken(Rgb colour, double f)
{
    if (OutsideFraction(f)) {
        return colour;
    }
    auto down = [f](int c) { return Component(c - static_cast<int>(c * f)); };
    return {down(colour.red), down(colour.green), down(colour.blue)};
}

Rgb Mix(Rgb a, Rgb b, double share)
{
    auto mix = [share](int x, int y) {
        return Component(static_cast<int>(std::lround(x + (y - x) * share)));
    };
    return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

double Luminance(Rgb colour)
{
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) +
           0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb a, Rgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb WithContrast(Rgb text, std::span<const Rgb> backgrounds, double minimum)
{
    if (WorstContrast(text, backgrounds) >= minimum) {
        return text;
    }
    const Rgb white{255, 255, 255};
    const Rgb black{0, 0, 0};
    const bool towardsWhite =
        WorstContrast(white, backgrounds) >= WorstContrast(black, backgrounds);
    constexpr int kSteps = 100;
    for (int step = 1; step <= kSteps; ++step) {
        const double f = static_cast<double>(step) / kSteps;
        const Rgb candidate = towardsWhite ? Lighten(text, f) : Darken(text, f);
        if (WorstContrast(candidate, backgrounds) >= minimum) {
            return candidate;
        }
    }
    return towardsWhite ? white : black;
}

Rgb WithContrast(Rgb text, Rgb background, double minimum)
{
    return WithContrast(text, std::span<const Rgb>(&background, 1), minimum);
}

ColourScheme DesktopScheme(const DesktopPalette& palette, bool createMode)
{
    const bool dark = Luminance(palette.base) < Luminance(palette.text);
    ColourScheme scheme;
    scheme.square = palette.base;
    if (dark) {
        // Black blocks; the squares are lifted until the two are told apart at a glance.
        constexpr double kBlockContrast = 1.6;
        scheme.block = Rgb{0, 0, 0};
        for (int step = 1;
             step <= 50 && ContrastRatio(scheme.square, scheme.block) < kBlockContrast; ++step) {
            scheme.square = Lighten(palette.base, step / 100.0);
        }
    } else {
        scheme.block = WithContrast(palette.text, scheme.square, kTextContrast);
    }
    if (createMode) {
        scheme.block = Mix(scheme.block, scheme.square, 0.2);
    }
    scheme.letter = WithContrast(palette.text, scheme.square, kTextContrast);
    scheme.highlight = HighlightFor(scheme.square, palette.highlight, scheme.letter);
    const Rgb fills[] = {scheme.square, scheme.highlight};
    const Rgb number = WithContrast(Mix(scheme.letter, scheme.square, 0.2), fills, kTextContrast);
    scheme.number = WorstContrast(number, fills) >= kTextContrast ? number : scheme.letter;
    return scheme;
}

}  // namespace quillby
