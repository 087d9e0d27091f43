#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstring>

#include "core/game/game.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;

class ViewPaint : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};
    CQuillbyView view{game};

    void SetUp() override
    {
        SetGrid(game.crossword, {"CAT", "O#A", "WET"});
        game.crossword.BuildAnswerList();
        game.crossword.NumberSquares();
        view.resize(view.sizeHint());
    }
    static QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xffffff; }
    static QRgb Of(Rgb colour) { return (colour.red << 16) | (colour.green << 8) | colour.blue; }
};

TEST_F(ViewPaint, DrawsFrameBackgroundSquaresAndSharedBorders)
{
    EXPECT_EQ(view.sizeHint(), QSize(129, 129));
    const QImage image = view.Render(1);
    EXPECT_EQ(Pixel(image, 0, 0), 0u);           // the black frame
    EXPECT_EQ(Pixel(image, 5, 5), 0x808080u);    // grey margin
    EXPECT_EQ(Pixel(image, 10, 10), 0u);         // a square's outline
    EXPECT_EQ(Pixel(image, 46, 20), 0u);         // the border two squares share
    EXPECT_EQ(Pixel(image, 30, 30), 0xffffffu);  // inside an open square
    EXPECT_EQ(Pixel(image, 60, 60), 0u);         // the block in the middle
    EXPECT_EQ(Pixel(image, 118, 118), 0u);       // last border line: 10 + 36 * 3
    EXPECT_EQ(Pixel(image, 119, 119), 0x808080u);
}

TEST_F(ViewPaint, EachSchemePaintsItsColoursAndHighlight)
{
    game.crossword.SquareAt(2, 0)->highlighted = true;
    for (int scheme = 0; scheme < kColourSchemeCount; ++scheme) {
        game.settings.colourScheme = scheme;
        const ColourScheme colours = SchemeColours(scheme, false);
        const QImage image = view.Render(1);
        EXPECT_EQ(Pixel(image, 30, 35), Of(colours.square)) << scheme;
        EXPECT_EQ(Pixel(image, 60, 60), Of(colours.block)) << scheme;
        EXPECT_EQ(Pixel(image, 100, 35), Of(colours.highlight)) << scheme;
    }
}

TEST_F(ViewPaint, CursorMarkAndLettersLandOnTheirPixels)
{
    Square& cursor = *game.crossword.SquareAt(1, 0);
    cursor.isCursor = true;
    cursor.guess = 'W';
    game.crossword.SquareAt(0, 0)->guess = 'C';
    game.crossword.SquareAt(0, 1)->guess = 'Q';
    const QImage image = view.Render(1);
    for (int x = 46 + 7; x < 46 + 29; ++x) {
        EXPECT_EQ(Pixel(image, x, 10 + 31), 0u) << x;
    }
    EXPECT_EQ(Pixel(image, 46 + 29, 10 + 31), 0xffffffu);  // the end point is not drawn
    int inked = 0;  // the letter's strokes inside the letter box
    for (int y = 14; y < 40; ++y) {
        for (int x = 50; x < 80; ++x) {
            inked += Pixel(image, x, y) != 0xffffffu ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 60);
}

TEST_F(ViewPaint, HighDensityScreensGetEveryDevicePixelDrawn)
{
    // Regression guard: a scaled-up 1x bitmap would blur the letters; at 2x the outline is
    // two device pixels wide and the buffer covers the whole view.
    view.resize(400, 300);
    const QImage image = view.Render(2);
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(Pixel(image, 20, 20), 0u);
    EXPECT_EQ(Pixel(image, 21, 21), 0u);
    EXPECT_EQ(Pixel(image, 22, 22), 0xffffffu);
    EXPECT_EQ(Pixel(image, 799, 599), 0u);  // the frame at the far corner
    EXPECT_EQ(Pixel(image, 700, 500), 0x808080u);
}

TEST_F(ViewPaint, SquaresAreDrawnFromColumnAndRowNotFromTheirStoredPosition)
{
    // Squares were drawn at the pixel position a puzzle file stored for them, so a file whose
    // positions disagreed drew the middle block over the first square.
    Square& block = *game.crossword.SquareAt(1, 1);
    block.left = 10;
    block.top = 10;
    const QImage image = view.Render(1);
    EXPECT_EQ(Pixel(image, 30, 30), 0xffffffu);  // the first square, open
    EXPECT_EQ(Pixel(image, 60, 60), 0u);         // the block, in its own place
}

TEST_F(ViewPaint, ALargerPitchGrowsTheViewAndEverySquare)
{
    game.SetGeometry({.margin = 10, .pitch = 48, .squareSize = 49});
    EXPECT_EQ(view.sizeHint(), QSize(165, 165));
    view.resize(view.sizeHint());
    game.crossword.SquareAt(1, 0)->guess = 'W';
    const QImage image = view.Render(1);
    EXPECT_EQ(Pixel(image, 10 + 48, 20), 0u);             // the border (0, 0) and (1, 0) share
    EXPECT_EQ(Pixel(image, 10 + 48 + 4, 50), 0xffffffu);  // inside (1, 0)
    EXPECT_EQ(Pixel(image, 10 + 72, 10 + 72), 0u);        // the block at (1, 1)
    EXPECT_EQ(Pixel(image, 10 + 144, 10 + 144), 0u);      // the last border line
    int inked = 0;  // the letter's strokes, grown with the box
    for (int y = 12; y < 56; ++y) {
        for (int x = 60; x < 104; ++x) {
            inked += Pixel(image, x, y) != 0xffffffu ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 100);
}

// A .cur file: Qt writes an icon, whose header differs from a cursor's only in its type field
// and in the two fields a cursor uses for its hotspot.
std::vector<std::byte> CursorFile(int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int i = 0; i < 32; ++i) {
        image.setPixel(i, i, qRgb(0, 0, 0));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "ICO"));
    bytes[2] = 2;
    bytes[10] = static_cast<char>(hotX);
    bytes[11] = 0;
    bytes[12] = static_cast<char>(hotY);
    bytes[13] = 0;
    std::vector<std::byte> out(bytes.size());
    std::memcpy(out.data(), bytes.constData(), out.size());
    return out;
}

TEST_F(ViewPaint, PointerComesFromTheCursorFileOrFallsBackToTheArrow)
{
    const std::string path = folder.Path() + "/res/cursor.cur";
    testing::WriteBytes(path, CursorFile(3, 5));
    view.LoadPointer(path);
    EXPECT_TRUE(view.HasOwnPointer());
    EXPECT_EQ(view.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(view.cursor().hotSpot(), QPoint(3, 5));

    // A missing or damaged file must not leave the pointer invisible over the grid.
    testing::WriteBytes(path, {std::byte{0}, std::byte{0}, std::byte{2}});
    view.LoadPointer(path);
    EXPECT_FALSE(view.HasOwnPointer());
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
    view.LoadPointer(folder.Path() + "/res/none.cur");
    EXPECT_FALSE(view.HasOwnPointer());
}

TEST_F(ViewPaint, ABufferBeyondTheOldFixedSizeStillCoversTheWholeView)
{
    // A fixed 1280 x 1024 buffer left whatever lay beyond it unpainted on large screens.
    view.resize(1600, 1200);
    const QImage image = view.Render(1);
    EXPECT_EQ(Pixel(image, 1500, 1100), 0x808080u);
    EXPECT_EQ(Pixel(image, 1599, 1199), 0u);
    EXPECT_EQ(Pixel(image, 1599, 600), 0u);
}

}  // namespace
}  // namespace quillby
