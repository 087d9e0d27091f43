#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/game/square_look.h"

namespace quillby {

class Game;

// A printed sheet is measured in logical units: a square of 600 x 600 units fills the printable
// width (or the height, when that is shorter) with equal scale on both axes, and the grid is
// drawn in those units at the Original screen geometry, shrunk to the page when it is wider or
// taller than the page allows.
inline constexpr int kPrintSquareUnits = 600;
inline constexpr int kPrintMargin = 10;
inline constexpr int kPrintLineStep = 20;     // from one clue line to the next
inline constexpr int kPrintLineHeight = 14;   // the box a clue line is drawn in
inline constexpr int kPrintColumnStep = 300;  // the Down column starts this far right
inline constexpr int kPrintColumnGap = 10;    // kept free between the columns
inline constexpr int kPrintWrapIndent = 12;   // the lines a long clue wraps onto

// The printable area in logical units.
struct PrintPage {
    int width = kPrintSquareUnits;
    int height = kPrintSquareUnits;
};

// The logical size of a printable area of deviceWidth x deviceHeight device pixels: the
// shorter side is 600 units.
PrintPage PrintPageOf(int deviceWidth, int deviceHeight);

// One line of clue text and the box (x, y, x + width, y + kPrintLineHeight) it is drawn in,
// left-aligned at the top, in black with the number font.
struct PrintedLine {
    int x = 0;
    int y = 0;
    int width = 0;
    std::string text;  // plain text, no markup
    bool operator==(const PrintedLine&) const = default;
};

struct PrintSheet {
    // What the squares show; PrintedPuzzle also on sheets that only continue the clue lists.
    Surface surface = Surface::PrintedPuzzle;
    bool grid = true;  // false on a sheet that only continues the clue lists
    std::vector<PrintedLine> lines;
    // The grid is drawn at the Original geometry scaled by this about its top-left corner
    // (kPrintMargin, kPrintMargin): 1, or less for a grid that would not fit the page.
    double gridScale = 1.0;
};

// A grid's size in squares.
struct PrintGrid {
    int width = 0;
    int height = 0;
};

// The scale that fits a grid on a page: 1 when it fits at the Original geometry within the
// margins, else the largest scale at which it fits both the page's width and its height.
double PrintGridScale(PrintGrid grid, PrintPage page);

// The width of a plain text in the number font, in logical units. Long clue lines are wrapped
// at spaces to fit their column.
using PrintTextWidth = std::function<double(const std::string&)>;

// What a clue-window line prints as: the marked-up headers as the plain words "Across Clues"
// and "Down Clues", a clue line as plain text (tags dropped, entities decoded).
std::string PrintText(const std::string& line);

// The sheets of one print job for clue-window lines under a grid: the puzzle sheet with the
// grid fitted to the page and the Across lines in a first column and the Down lines in a
// second, both from 20 units below the grid, 20 units a line; the lines that do not fit
// continue on following sheets, each column in its own place, from the top margin; then the
// solution sheet when asked for, with no clue lines.
std::vector<PrintSheet> LayOutPrint(const std::vector<std::string>& clueLines, PrintGrid grid,
                                    bool solutionSheet, PrintPage page,
                                    const PrintTextWidth& textWidth);
// The same for a grid of gridHeight rows and no wider than it is tall.
std::vector<PrintSheet> LayOutPrint(const std::vector<std::string>& clueLines, int gridHeight,
                                    bool solutionSheet, PrintPage page,
                                    const PrintTextWidth& textWidth);

// The print job of a game: its clue lines, grid and print options.
std::vector<PrintSheet> PrintSheetsOf(const Game& game, PrintPage page,
                                      const PrintTextWidth& textWidth);

}  // namespace quillby
