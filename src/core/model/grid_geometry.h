#pragma once

namespace quillby {

// The Original geometry: squares 37 x 37 on a 36 pixel pitch from a 10 pixel margin, so
// neighbours share a border line. Puzzle files store each square's position in it.
inline constexpr int kGridMargin = 10;
inline constexpr int kSquarePitch = 36;
inline constexpr int kSquareSize = 37;

// A rectangle in pixels (or a printed sheet's logical units): its top-left corner and size.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// A square named by its coordinates, which may lie outside the grid.
struct Cell {
    int col = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

// Where every square of a grid is drawn and which square a pixel falls in, worked out from
// column and row alone: drawing, hit testing, clue-line selection and fitting the window all
// ask this one helper, so a larger pitch (zoom) changes them together. The defaults are the
// Original geometry, pixel for pixel.
struct GridGeometry {
    int margin = kGridMargin;
    int pitch = kSquarePitch;
    int squareSize = kSquareSize;  // pitch + 1 draws the shared border lines

    bool operator==(const GridGeometry&) const = default;

    int Left(int col) const { return margin + pitch * col; }
    int Top(int row) const { return margin + pitch * row; }
    // The outlined square.
    PixelRect SquareRect(int col, int row) const;
    // The box the letter is centred in: one pitch a side.
    PixelRect LetterBox(int col, int row) const;
    // The box the clue number is centred in, inside the top-left corner.
    PixelRect NumberBox(int col, int row) const;
    // The cursor mark: a line one pixel high (more when zoomed) under the letter.
    PixelRect CursorMark(int col, int row) const;
    // The cell under a pixel. Division truncates toward zero, so the margin left of and above
    // the grid falls into column and row 0; the caller checks the cell against the grid.
    Cell CellAt(int x, int y) const;
    // The view that shows a width x height grid with the margin on every side.
    PixelSize ViewSize(int width, int height) const;
    // How much larger than the Original everything is drawn; fonts follow it.
    double Scale() const { return static_cast<double>(pitch) / kSquarePitch; }
};

}  // namespace quillby
