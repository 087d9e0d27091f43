#include "core/game/colour_rules.h"

#include <gtest/gtest.h>

#include <random>

#include "core/game/game.h"
#include "support/game_fixture.h"

namespace quillby {
namespace {

void ExpectReadable(const ColourScheme& scheme, const char* what)
{
    for (const Rgb fill : {scheme.square, scheme.highlight}) {
        EXPECT_GE(ContrastRatio(scheme.letter, fill), kTextContrast) << what;
        EXPECT_GE(ContrastRatio(scheme.number, fill), kTextContrast) << what;
    }
    EXPECT_GE(ContrastRatio(scheme.block, scheme.square), 1.5) << what;
    EXPECT_NE(scheme.highlight, scheme.square) << what;
}

TEST(DesktopScheme, FollowsALightOrDarkPaletteWithReadableText)
{
    const DesktopPalette light{{255, 255, 255}, {0, 0, 0}, {0, 120, 215}};
    const ColourScheme day = DesktopScheme(light, false);
    EXPECT_EQ(day.square, (Rgb{255, 255, 255}));
    EXPECT_EQ(day.letter, (Rgb{0, 0, 0}));
    EXPECT_LT(Luminance(day.block), 0.05);
    EXPECT_GT(day.highlight.blue, day.highlight.red);  // tinted with the desktop's blue
    ExpectReadable(day, "light");

    const DesktopPalette dark{{30, 30, 30}, {230, 230, 230}, {42, 130, 218}};
    const ColourScheme night = DesktopScheme(dark, false);
    EXPECT_LT(Luminance(night.square), 0.1);
    EXPECT_EQ(night.block, (Rgb{0, 0, 0}));
    EXPECT_GT(Luminance(night.letter), 0.5);
    ExpectReadable(night, "dark");

    // Create mode softens the blocks, as the first scheme does.
    EXPECT_NE(DesktopScheme(light, true).block, day.block);
    EXPECT_EQ(DesktopScheme(light, true).square, day.square);
}

TEST(DesktopScheme, AnyPaletteAtAllKeepsEveryTextReadable)
{
    // Text colours that barely differ from the background, garish highlights, mid greys.
    std::mt19937 random(7);
    auto any = [&] { return static_cast<std::uint8_t>(random() % 256); };
    for (int i = 0; i < 2000; ++i) {
        const DesktopPalette palette{
            {any(), any(), any()}, {any(), any(), any()}, {any(), any(), any()}};
        ExpectReadable(DesktopScheme(palette, i % 2 == 0), "random");
    }
}

TEST(ColourRules, WithContrastMovesOnlyAsFarAsItMust)
{
    const Rgb white{255, 255, 255};
    EXPECT_EQ(WithContrast(Rgb{0, 0, 0}, white, kTextContrast), (Rgb{0, 0, 0}));
    const Rgb grey = WithContrast(Rgb{200, 200, 200}, white, kTextContrast);
    EXPECT_GE(ContrastRatio(grey, white), kTextContrast);
    EXPECT_LT(ContrastRatio(grey, white), 5.0);
    const Rgb backgrounds[] = {white, Rgb{217, 227, 240}};
    EXPECT_GE(ContrastRatio(WithContrast(Rgb{150, 150, 150}, backgrounds, 4.5), backgrounds[1]),
              4.5);
    EXPECT_DOUBLE_EQ(ContrastRatio(Rgb{0, 0, 0}, white), 21.0);
    EXPECT_EQ(Mix(Rgb{0, 0, 0}, white, 0.5), (Rgb{128, 128, 128}));
}

using DesktopColours = testing::GameFixture;

TEST_F(DesktopColours, TheDesktopCommandFollowsThePaletteAndAGameSchemeEndsIt)
{
    game.settings.colourScheme = 2;
    game.RunCommand(CommandId::SchemeDesktop);
    EXPECT_TRUE(game.Prefs().desktopColours);
    EXPECT_EQ(game.settings.colourScheme, 2);  // the settings file keeps the game's own scheme
    const DesktopPalette dark{{30, 30, 30}, {230, 230, 230}, {42, 130, 218}};
    const std::size_t repaints = host.repaints.size();
    game.SetDesktopPalette(dark);
    EXPECT_GT(host.repaints.size(), repaints);
    EXPECT_EQ(game.Colours(), DesktopScheme(dark, false));
    game.RunCommand(CommandId::SchemeRose);
    EXPECT_FALSE(game.Prefs().desktopColours);
    EXPECT_EQ(game.Colours(), SchemeColours(3, false));
}

}  // namespace
}  // namespace quillby
