#include "core/model/grid_geometry.h"

#include <gtest/gtest.h>

namespace quillby {
namespace {

TEST(GridGeometry, TheDefaultsAreTheOriginalPixelForPixel)
{
    const GridGeometry original;
    // Squares 36 apart from (10, 10), drawn 37 wide, so neighbours share a border line.
    EXPECT_EQ(original.SquareRect(2, 1), (PixelRect{82, 46, 37, 37}));
    EXPECT_EQ(original.LetterBox(2, 1), (PixelRect{82, 46, 36, 36}));
    EXPECT_EQ(original.NumberBox(2, 1), (PixelRect{83, 47, 13, 13}));
    EXPECT_EQ(original.CursorMark(2, 1), (PixelRect{89, 77, 22, 1}));
    // The frame fits a 9 x 9 grid in 345 pixels, an 11 x 11 one in 417.
    EXPECT_EQ(original.ViewSize(9, 9), (PixelSize{345, 345}));
    EXPECT_EQ(original.ViewSize(11, 11), (PixelSize{417, 417}));
    EXPECT_EQ(original.ViewSize(15, 21), (PixelSize{561, 777}));

    // Hit testing truncates toward zero: the margin belongs to column and row 0.
    EXPECT_EQ(original.CellAt(0, 9), (Cell{0, 0}));
    EXPECT_EQ(original.CellAt(45, 46), (Cell{0, 1}));
    EXPECT_EQ(original.CellAt(46, 45), (Cell{1, 0}));
    EXPECT_EQ(original.CellAt(10 + 36 * 10 + 35, 10), (Cell{10, 0}));
}

TEST(GridGeometry, ALargerPitchMovesAndGrowsEverythingTogether)
{
    const GridGeometry zoomed{.margin = 10, .pitch = 54, .squareSize = 55};
    EXPECT_DOUBLE_EQ(zoomed.Scale(), 1.5);
    EXPECT_EQ(zoomed.SquareRect(1, 2), (PixelRect{64, 118, 55, 55}));
    EXPECT_EQ(zoomed.LetterBox(1, 2), (PixelRect{64, 118, 54, 54}));
    EXPECT_EQ(zoomed.NumberBox(1, 2), (PixelRect{66, 120, 20, 20}));
    EXPECT_EQ(zoomed.CursorMark(1, 2), (PixelRect{75, 165, 33, 2}));
    EXPECT_EQ(zoomed.ViewSize(9, 9), (PixelSize{507, 507}));
    // Every pixel of a square's letter box hits that square.
    const PixelRect box = zoomed.LetterBox(3, 4);
    EXPECT_EQ(zoomed.CellAt(box.left, box.top), (Cell{3, 4}));
    EXPECT_EQ(zoomed.CellAt(box.left + box.width - 1, box.top + box.height - 1), (Cell{3, 4}));
    EXPECT_EQ(zoomed.CellAt(box.left + box.width, box.top), (Cell{4, 4}));
    // A geometry without a pitch has no squares anywhere rather than dividing by zero.
    EXPECT_EQ((GridGeometry{.margin = 10, .pitch = 0, .squareSize = 1}).CellAt(50, 50),
              (Cell{-1, -1}));
}

}  // namespace
}  // namespace quillby
