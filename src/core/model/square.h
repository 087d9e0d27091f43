#pragma once

#include <cstdint>

#include "core/model/grid_geometry.h"

namespace quillby {

// Directions are plain integers, as they are in the puzzle file and throughout the game.
inline constexpr int kAutomatic = 0;  // only for FindRunStart: the neighbours decide
inline constexpr int kAcross = 1;
inline constexpr int kDown = 2;

// A puzzle's own square styles (Square::style), from .puz and .ipuz files.
inline constexpr std::uint8_t kStyleCircle = 1;  // a circle drawn in the square
inline constexpr std::uint8_t kStyleShaded = 2;  // the square's fill shaded
// The player's marks on a square (Square::marks), kept for the session but not in .crs files.
inline constexpr std::uint8_t kMarkWrong = 1;     // checked and wrong; cleared when it changes
inline constexpr std::uint8_t kMarkRevealed = 2;  // given by a reveal
inline constexpr std::uint8_t kMarkPencil = 4;    // typed as a tentative letter

// One cell of the grid. Letters are 'A'..'Z', 0 for none.
struct Square {
    // The top-left corner in the Original geometry, set from col and row when the grid is
    // made: the puzzle file's layout has room for it. Drawing and hit testing never read it;
    // they work from col and row through GridGeometry.
    int left = 0;
    int top = 0;
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
    std::uint8_t marks = 0;  // kMark... bits
};

}  // namespace quillby
