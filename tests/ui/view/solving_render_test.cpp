#include <gtest/gtest.h>

#include <QImage>

#include "core/game/game.h"
#include "support/puzzles.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"
#include "ui/ui_output.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::SaveUiRender;

// The 5 x 5 puzzle with a wrong letter checked, a revealed one and a pencilled word.
class SolvingRender : public ::testing::Test {
protected:
    testing::TempAppFolder folder;
    testing::ScriptedHost host;
    Game game{host, folder.Path()};
    CQuillbyView view{game};

    void SetUp() override
    {
        testing::SetFiveByFivePuzzle(game, {});
        game.SelectSquare(game.crossword.SquareAt(0, 0), kAcross, false);
        for (const char letter : std::string("HXA")) {
            game.KeyDown(letter);
        }
        game.RunCommand(CommandId::CheckWord);
        game.RunCommand(CommandId::RevealLetter);  // the fourth square
        game.RunCommand(CommandId::Pencil);
        game.SelectSquare(game.crossword.SquareAt(0, 2), kAcross, false);
        for (const char letter : std::string("OCE")) {
            game.KeyDown(letter);
        }
        view.resize(view.sizeHint());
    }
    static int Count(const QImage& image, const QRect& area, bool (*match)(QColor))
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += match(image.pixelColor(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    static QRect Box(int col, int row, int ratio)
    {
        return QRect((10 + 36 * col + 1) * ratio, (10 + 36 * row + 1) * ratio, 35 * ratio,
                     35 * ratio);
    }
};

bool Reddish(QColor c)
{
    return c.red() > 150 && c.green() < 100 && c.blue() < 100;
}
bool Bluish(QColor c)
{
    return c.blue() > 150 && c.red() < 80;
}
bool Grey(QColor c)
{
    return c.red() == c.green() && c.green() == c.blue() && c.red() > 60 && c.red() < 200;
}
bool Black(QColor c)
{
    return c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

TEST_F(SolvingRender, MarksAndPencilLettersShowAtOneAndTwoPixelsAPixel)
{
    for (const int ratio : {1, 2}) {
        const QImage image = view.Render(ratio);
        SaveUiRender(image, QStringLiteral("marks_pencil_x%1.png").arg(ratio));
        EXPECT_GT(Count(image, Box(1, 0, ratio), Reddish), 20 * ratio) << ratio;  // X, checked
        EXPECT_EQ(Count(image, Box(0, 0, ratio), Reddish), 0) << ratio;           // H is right
        EXPECT_GT(Count(image, Box(3, 0, ratio), Bluish), 15 * ratio) << ratio;   // R, revealed
        // A pencilled letter is grey all through; an inked one has black strokes.
        EXPECT_GT(Count(image, Box(1, 2, ratio), Grey), 10 * ratio) << ratio;  // C, pencilled
        EXPECT_EQ(Count(image, Box(1, 2, ratio), Black), 0) << ratio;
        EXPECT_GT(Count(image, Box(0, 0, ratio), Black), 20 * ratio) << ratio;  // H in ink
    }
    // Paused, every mark is hidden with the letters.
    game.RunCommand(CommandId::PauseClock);
    EXPECT_EQ(Count(view.Render(1), Box(1, 0, 1), Reddish), 0);
}

TEST_F(SolvingRender, TheDesktopSchemeDrawsLightAndDarkDesktops)
{
    game.RunCommand(CommandId::SchemeDesktop);
    const DesktopPalette light{{255, 255, 255}, {20, 20, 20}, {0, 120, 215}};
    const DesktopPalette dark{{30, 30, 30}, {230, 230, 230}, {42, 130, 218}};
    for (const auto& [palette, name] : {std::pair{light, "light"}, std::pair{dark, "dark"}}) {
        game.SetDesktopPalette(palette);
        const ColourScheme colours = DesktopScheme(palette, false);
        const QImage image = view.Render(1);
        SaveUiRender(image, QStringLiteral("desktop_scheme_%1.png").arg(name));
        EXPECT_EQ(image.pixelColor(10 + 36 * 4 + 30, 10 + 36 * 2 + 30), ToQColor(colours.highlight))
            << name;  // the selected run, 4 Across
        EXPECT_EQ(image.pixelColor(10 + 36 * 2 + 30, 10 + 36 * 4 + 30), ToQColor(colours.square))
            << name;
        EXPECT_EQ(image.pixelColor(10 + 36 * 1 + 18, 10 + 36 * 1 + 18), ToQColor(colours.block))
            << name;
    }
}

TEST_F(SolvingRender, ZoomDrawsEverySizeCrispAtWholeAndFractionalDevicePixelRatios)
{
    int previousInk = 0;
    for (const int pitch : {24, 36, 72}) {
        Preferences zoomed = game.Prefs();
        zoomed.squarePitch = pitch;
        game.SetPreferences(zoomed);
        EXPECT_EQ(game.Geometry().pitch, pitch);
        view.resize(view.sizeHint());
        EXPECT_EQ(view.size(), QSize(2 * 10 + 5 * pitch + 1, 2 * 10 + 5 * pitch + 1));
        for (const int ratio : {1, 2}) {
            const QImage image = view.Render(ratio);
            SaveUiRender(image, QStringLiteral("zoom_%1_x%2.png").arg(pitch).arg(ratio));
            // The border two squares share: exactly one logical pixel of black, then the fill.
            const int line = (10 + pitch) * ratio;
            const int y = (10 + pitch * 4 + pitch / 2) * ratio;  // across 5 Across, unselected
            for (int i = 0; i < ratio; ++i) {
                EXPECT_EQ(image.pixelColor(line + i, y), QColor(Qt::black))
                    << pitch << " " << ratio;
            }
            EXPECT_EQ(image.pixelColor(line + ratio, y), QColor(Qt::white))
                << pitch << " " << ratio;
            EXPECT_EQ(image.pixelColor(line - 1, y), QColor(Qt::white)) << pitch << " " << ratio;
        }
        // At a fractional ratio a border line still lands on whole device pixels: solid black
        // beside the white fill, never a grey smear across both.
        const QImage fractional = view.Render(1.5);
        const int y = static_cast<int>((10 + pitch * 4 + pitch / 2) * 1.5);
        const int line = static_cast<int>((10 + pitch) * 1.5);
        int blackPixels = 0;
        for (int x = line - 3; x <= line + 3; ++x) {
            const QColor pixel = fractional.pixelColor(x, y);
            EXPECT_TRUE(pixel == QColor(Qt::black) || pixel == QColor(Qt::white))
                << pitch << " " << x << " " << pixel.name().toStdString();
            blackPixels += pixel == QColor(Qt::black) ? 1 : 0;
        }
        EXPECT_GE(blackPixels, 1) << pitch;
        EXPECT_LE(blackPixels, 2) << pitch;
        // Letters grow with the squares.
        const QImage image = view.Render(1);
        const int ink = Count(image, QRect(11, 11, pitch - 1, pitch - 1), Black);
        EXPECT_GT(ink, previousInk) << pitch;
        previousInk = ink;
    }
    // A click lands on the square under it at the new size.
    game.LeftClick(10 + 72 * 2 + 60, 10 + 72 * 4 + 60);
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(2, 4));
}

}  // namespace
}  // namespace quillby
