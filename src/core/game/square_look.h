#pragma once

#include <cstdint>

namespace quillby {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The five colours a scheme gives the grid.
struct ColourScheme {
    Rgb square;     // an open square
    Rgb block;      // a blocked square
    Rgb number;     // clue numbers
    Rgb highlight;  // open squares of the selected run
    Rgb letter;     // letters
    bool operator==(const ColourScheme&) const = default;
};

inline constexpr int kColourSchemeCount = 4;
inline constexpr Rgb kGridBackground{128, 128, 128};  // around the grid, inside a black frame

// The colours of scheme 0..3; only scheme 0 depends on the mode (its blocks are dark grey in
// Create mode). A number outside 0..3 can only come from a damaged settings file and draws as
// scheme 0.
ColourScheme SchemeColours(int scheme, bool createMode);

// A shaded square's fill: a quarter of the way from its fill towards the block colour, so it
// shows in every scheme, highlighted or not.
Rgb Shaded(Rgb fill, Rgb block);

// Where a grid is drawn: the letters and marks shown differ on paper.
enum class Surface { Screen, PrintedPuzzle, PrintedSolution };

// Everything a painter needs to draw one square, worked out from the game state.
struct SquareLook {
    bool open = false;
    Rgb fill;         // block colour, highlight or square colour
    char letter = 0;  // 'A'..'Z' or '?', 0 for none
    Rgb letterColour;
    bool cursorMark = false;  // the underline under the typing cursor
    Rgb cursorColour;         // black, but the letters' colour in the Desktop scheme
    int number = 0;           // 0 for none
    Rgb numberColour;
    // The puzzle's own styles (.puz, .ipuz): a circle drawn in the square, and a shaded fill
    // (already in fill).
    bool circled = false;
    bool shaded = false;
    // The player's marks, on screen and on a printed puzzle with the player's squares: a
    // stroke across a checked wrong letter, a triangle in the corner of a given one, and a
    // tentative letter drawn in a grey letterColour.
    bool wrongMark = false;
    bool givenMark = false;
    bool pencilled = false;
    Rgb wrongColour;
    Rgb givenColour;
    bool operator==(const SquareLook&) const = default;
};

}  // namespace quillby
