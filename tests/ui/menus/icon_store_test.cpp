#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include "ui/menus/icon_store.h"

namespace quillby {
namespace {

QPalette ShadowPalette(const QColor& shadow)
{
    QPalette palette;
    palette.setColor(QPalette::Dark, shadow);
    return palette;
}

// A 16 x 16 image, transparent but for an opaque red pixel, a half-transparent blue one and
// an opaque pixel on the bottom row (which a 15-pixel-high menu icon leaves out).
QIcon TestImage()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(200, 0, 0, 255));
    image.setPixel(5, 5, qRgba(60, 120, 180, 128));
    image.setPixel(3, 15, qRgba(0, 0, 255, 255));
    return QIcon(QPixmap::fromImage(image));
}

TEST(IconStore, EachImageGivesFourCopiesWithItsCommand)
{
    IconStore store(ShadowPalette(QColor(128, 128, 128)));
    store.Add(CommandId::Hint, TestImage());
    ASSERT_EQ(store.ImageCount(), 4);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(store.CommandAt(k), CommandId::Hint);
    }
    EXPECT_EQ(store.CommandAt(4), CommandId::None);
    EXPECT_EQ(store.CommandAt(-1), CommandId::None);
    EXPECT_EQ(store.IndexOf(CommandId::Hint), 0);
    EXPECT_EQ(store.IndexOf(CommandId::About), -1);
    EXPECT_TRUE(store.Image(4, 1.0).isNull());
    EXPECT_TRUE(store.Copy(CommandId::About, IconCopy::Icon, 1.0).isNull());
}

TEST(IconStore, CopiesRecolourEveryPixelThatIsNotBackground)
{
    IconStore store(ShadowPalette(QColor(128, 128, 128)));
    store.Add(CommandId::Hint, TestImage());

    const QImage icon = store.Image(0, 1.0);
    ASSERT_EQ(icon.size(), QSize(16, 15));
    EXPECT_EQ(icon.pixel(0, 0), qRgba(200, 0, 0, 255));
    EXPECT_EQ(qAlpha(icon.pixel(1, 1)), 0);

    // Faded: lightened by 0.3.
    const QImage faded = store.Image(1, 1.0);
    EXPECT_EQ(faded.pixel(0, 0), qRgba(216, 76, 76, 255));
    EXPECT_EQ(qAlpha(faded.pixel(1, 1)), 0);

    // Shadow: the 3-D shadow colour lightened by 0.49, keeping each pixel's opacity.
    const QImage shadow = store.Image(2, 1.0);
    EXPECT_EQ(shadow.pixel(0, 0), qRgba(190, 190, 190, 255));
    EXPECT_EQ(shadow.pixel(5, 5), qRgba(190, 190, 190, 128));
    EXPECT_EQ(qAlpha(shadow.pixel(1, 1)), 0);

    // Disabled: the shadow colour lightened by the pixel's brightness, (200 + 0 + 0) / 3 / 255.
    const QImage disabled = store.Image(3, 1.0);
    EXPECT_EQ(disabled.pixel(0, 0), qRgba(161, 161, 161, 255));
    EXPECT_EQ(qAlpha(disabled.pixel(1, 1)), 0);

    EXPECT_EQ(store.Copy(CommandId::Hint, IconCopy::Disabled, 1.0), disabled);
}

TEST(IconStore, XpThemeShadowIsTheShadowColourItself)
{
    IconStore store(ShadowPalette(QColor(128, 128, 128)), true);
    store.Add(CommandId::Hint, TestImage());
    EXPECT_EQ(store.Image(2, 1.0).pixel(0, 0), qRgba(128, 128, 128, 255));
}

TEST(IconStore, DenserScreensGetTheSharperCopy)
{
    IconStore store(ShadowPalette(QColor(128, 128, 128)));
    store.AddToolbarImages();
    const QImage one = store.Copy(CommandId::NewPuzzle, IconCopy::Icon, 1.0);
    const QImage two = store.Copy(CommandId::NewPuzzle, IconCopy::Icon, 2.0);
    const QImage three = store.Copy(CommandId::NewPuzzle, IconCopy::Icon, 3.0);
    EXPECT_EQ(one.size(), QSize(16, 15));
    EXPECT_EQ(two.size(), QSize(32, 30));
    EXPECT_EQ(three.size(), QSize(48, 45));
    EXPECT_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(store.Copy(CommandId::NewPuzzle, IconCopy::Icon, 1.5).size(), QSize(32, 30));
    EXPECT_EQ(store.Copy(CommandId::NewPuzzle, IconCopy::Icon, 4.0).size(), QSize(48, 45));
    // Drawn at that density, not blown up: the 2x copy has detail the 1x copy cannot have.
    EXPECT_NE(two, one.scaled(32, 30));
}

TEST(IconStore, ToolbarImagesGiveIconsToTheToolbarCommandsOnly)
{
    IconStore store(QPalette{});
    store.AddToolbarImages();
    EXPECT_EQ(store.ImageCount(), 12 * 4);
    const CommandId order[] = {
        CommandId::NewPuzzle,   CommandId::ResetPuzzle,    CommandId::OpenPuzzle,
        CommandId::SavePuzzle,  CommandId::Print,          CommandId::SolvePuzzle,
        CommandId::Hint,        CommandId::CheckPuzzle,    CommandId::PauseClock,
        CommandId::ResumeClock, CommandId::ShowClueWindow, CommandId::CrosswordCreator};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(store.IndexOf(order[k]), 4 * k);
    }
    for (const CommandId none : {CommandId::SavePuzzleAs, CommandId::PrintSetup, CommandId::Exit,
                                 CommandId::About, CommandId::SchemeRose}) {
        EXPECT_FALSE(store.HasIcon(none));
    }
}

}  // namespace
}  // namespace quillby
