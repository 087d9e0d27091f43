#pragma once

#include <cstdint>

namespace quillby {

// Directions are plain integers, as they are in the puzzle file and throughout the game.
inline constexpr int kAutomatic = 0;  // only for FindRunStart: the neighbours decide
inline constexpr int kAcross = 1;
inline constexpr int kDown = 2;

// Geometry shared by drawing, hit testing and printing: squares are 37 x 37 on a 36 pixel
// pitch, so neighbours share a border line.
inline constexpr int kGridMargin = 10;
inline constexpr int kSquarePitch = 36;
inline constexpr int kSquareSize = 37;

// A puzzle's own square styles (Square::style), from .puz and .ipuz files.
inline constexpr std::uint8_t kStyleCircle = 1;  // a circle drawn in the square
inline constexpr std::uint8_t kStyleShaded = 2;  // the square's fill shaded

// One cell of the grid. Letters are 'A'..'Z', 0 for none.
struct Square {
    int left = 0;  // pixel x of the top-left corner: 10 + 36 * col
    int top = 0;   // pixel y: 10 + 36 * row
    int col = 0;
    int row = 0;
    bool open = false;  // a letter square; false is a block
    char solution = 0;
    char guess = 0;
    int useCount = 0;  // placed answers covering this square
    int number = 0;    // clue number printed in the square, 0 for none
    bool highlighted = false;
    bool cursorDown = false;  // on the cursor square: the selection runs Down
    bool isCursor = false;
    std::uint8_t style = 0;  // kStyleCircle | kStyleShaded; not stored in .crs files
};

}  // namespace quillby
