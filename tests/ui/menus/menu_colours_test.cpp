#include <gtest/gtest.h>

#include <QPalette>
#include <limits>

#include "desktop_palettes.h"
#include "ui/menus/menu_colours.h"

namespace quillby {
namespace {

using testing::DarkPalette;
using testing::LightPalette;

void ExpectReadable(const MenuColours& colours)
{
    EXPECT_GE(ContrastRatio(colours.text, colours.itemBackground), kMinimumTextContrast);
    EXPECT_GE(ContrastRatio(colours.highlightedText, colours.highlightFill), kMinimumTextContrast);
    EXPECT_GE(ContrastRatio(colours.disabledText, colours.itemBackground), kMinimumTextContrast);
    EXPECT_GE(ContrastRatio(colours.barText, colours.barBackground), kMinimumTextContrast);
}

TEST(MenuColours, LightenAndDarkenMoveEachComponentByTheFractionTruncated)
{
    EXPECT_EQ(Lighten(QColor(100, 0, 255), 0.5), QColor(177, 127, 255));
    EXPECT_EQ(Darken(QColor(100, 51, 255), 0.5), QColor(50, 26, 128));
    EXPECT_EQ(Lighten(QColor(10, 20, 30), 1.0), QColor(255, 255, 255));
    EXPECT_EQ(Darken(QColor(10, 20, 30), 1.0), QColor(0, 0, 0));
    EXPECT_EQ(Lighten(QColor(10, 20, 30, 128), 1.0).alpha(), 128);
    // The smallest fraction that moves anything.
    EXPECT_EQ(Lighten(QColor(0, 0, 0), 0.004), QColor(1, 1, 1));
}

TEST(MenuColours, AFractionOutsideZeroToOneLeavesTheColourUnchanged)
{
    const QColor colour(12, 140, 250);
    for (const double f :
         {0.0, -0.25, -1.0, 1.0000001, 2.0, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(Lighten(colour, f), colour) << f;
        EXPECT_EQ(Darken(colour, f), colour) << f;
    }
}

TEST(MenuColours, LightDesktopGetsTheTableColoursWithoutTheXpTheme)
{
    EXPECT_FALSE(XpThemeInEffect());
    const MenuColours colours = MenuColoursFrom(LightPalette(), false);
    EXPECT_EQ(colours.itemBackground, QColor(250, 250, 250));
    EXPECT_EQ(colours.iconColumn, QColor(243, 243, 243));
    EXPECT_EQ(colours.highlightFill, QColor(153, 201, 239));
    EXPECT_EQ(colours.highlightFrame, QColor(0, 120, 215));
    EXPECT_EQ(colours.checkedCell, QColor(216, 234, 249));
    EXPECT_EQ(colours.checkedCellHighlighted, QColor(140, 194, 237));
    EXPECT_EQ(colours.text, QColor(0, 0, 0));
    EXPECT_EQ(colours.highlightedText, QColor(0, 0, 0));
    ExpectReadable(colours);
}

TEST(MenuColours, XpThemeKeepsTheFaceColourAndALighterFill)
{
    const MenuColours colours = MenuColoursFrom(LightPalette(), true);
    EXPECT_EQ(colours.iconColumn, QColor(240, 240, 240));
    EXPECT_EQ(colours.highlightFill, QColor(178, 214, 243));
    EXPECT_EQ(colours.disabledText, QColor(109, 109, 109));  // grey text, readable as it is
}

TEST(MenuColours, DisabledTextIsLightenedOnlyAsFarAsItStaysReadable)
{
    // Lighten(grey, 0.4) would be 167 on 250: 2.3 to 1, too faint to read.
    const QColor lightened = Lighten(QColor(109, 109, 109), 0.4);
    EXPECT_EQ(lightened, QColor(167, 167, 167));
    EXPECT_LT(ContrastRatio(lightened, QColor(250, 250, 250)), kMinimumTextContrast);

    const MenuColours colours = MenuColoursFrom(LightPalette(), false);
    EXPECT_GE(ContrastRatio(colours.disabledText, colours.itemBackground), kMinimumTextContrast);
    // Still a grey, and still lighter than the text of an enabled item.
    EXPECT_EQ(colours.disabledText.red(), colours.disabledText.blue());
    EXPECT_GT(colours.disabledText.red(), colours.text.red());
    EXPECT_LT(ContrastRatio(colours.disabledText, colours.itemBackground), 5.0);
}

TEST(MenuColours, DarkDesktopKeepsFillsDarkAndEveryTextReadable)
{
    const QPalette palette = DarkPalette();
    ASSERT_TRUE(IsDarkPalette(palette));
    EXPECT_FALSE(IsDarkPalette(LightPalette()));
    // Lightening the highlight as on a light desktop would put light text on a pale fill.
    EXPECT_LT(ContrastRatio(QColor(230, 230, 230), Lighten(QColor(42, 130, 218), 0.6)),
              kMinimumTextContrast);

    const MenuColours colours = MenuColoursFrom(palette, false);
    EXPECT_EQ(colours.itemBackground, QColor(34, 34, 34));  // Lighten(base, 0.02)
    EXPECT_EQ(colours.highlightFill, Darken(QColor(42, 130, 218), 0.6));
    EXPECT_EQ(colours.iconColumn, Darken(QColor(53, 53, 53), 0.25));
    EXPECT_EQ(colours.text, QColor(230, 230, 230));
    ExpectReadable(colours);
}

TEST(MenuColours, TextTooCloseToItsBackgroundIsMovedUntilReadable)
{
    QPalette palette = LightPalette();
    palette.setColor(QPalette::Text, QColor(200, 200, 200));
    palette.setColor(QPalette::Highlight, QColor(255, 255, 0));
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    palette.setColor(QPalette::WindowText, QColor(140, 140, 140));
    ExpectReadable(MenuColoursFrom(palette, false));

    EXPECT_EQ(WithContrast(QColor(0, 0, 0), QColor(255, 255, 255), 4.5), QColor(0, 0, 0));
    const QColor moved = WithContrast(QColor(120, 120, 120), QColor(119, 119, 119), 4.5);
    EXPECT_GE(ContrastRatio(moved, QColor(119, 119, 119)), 4.5);
    EXPECT_DOUBLE_EQ(ContrastRatio(QColor(0, 0, 0), QColor(255, 255, 255)), 21.0);
}

}  // namespace
}  // namespace quillby
