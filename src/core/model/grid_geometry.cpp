#include "core/model/grid_geometry.h"

#include <algorithm>
#include <cmath>

namespace quillby {

namespace {

// A measure of the Original geometry at this geometry's scale: exact at the Original pitch.
int Scaled(const GridGeometry& geometry, int original)
{
    return static_cast<int>(std::lround(original * geometry.Scale()));
}

}  // namespace

PixelRect GridGeometry::SquareRect(int col, int row) const
{
    return {Left(col), Top(row), squareSize, squareSize};
}

PixelRect GridGeometry::LetterBox(int col, int row) const
{
    return {Left(col), Top(row), pitch, pitch};
}

PixelRect GridGeometry::NumberBox(int col, int row) const
{
    const int inset = Scaled(*this, 1);
    const int side = Scaled(*this, 13);
    return {Left(col) + inset, Top(row) + inset, side, side};
}

PixelRect GridGeometry::CursorMark(int col, int row) const
{
    return {Left(col) + Scaled(*this, 7), Top(row) + Scaled(*this, 31), Scaled(*this, 22),
            std::max(1, Scaled(*this, 1))};
}

Cell GridGeometry::CellAt(int x, int y) const
{
    if (pitch <= 0) {
        return {-1, -1};  // no square is anywhere
    }
    return {(x - margin) / pitch, (y - margin) / pitch};
}

PixelSize GridGeometry::ViewSize(int width, int height) const
{
    // The last square's far border line, then the margin.
    auto span = [this](int squares) {
        return 2 * margin + pitch * std::max(squares - 1, 0) + squareSize;
    };
    return {span(width), span(height)};
}

}  // namespace quillby
