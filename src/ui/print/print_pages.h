#pragma once

#include <string>
#include <vector>

#include "core/game/game.h"
#include "core/game/print_layout.h"

class QPainter;
class QPrinter;

namespace quillby {

// The width of a clue line in the number font, in a sheet's logical units.
double PrintTextWidthOf(const std::string& text);

// One sheet on a painter whose coordinates are the sheet's logical units: the grid as the
// sheet shows it, at the sheet's grid scale, then its clue lines.
void DrawPrintPage(QPainter& painter, const Game& game, const PrintSheet& sheet);

// The clue lines of a sheet, in black, each on one line at the top left of its box.
void PrintClueLists(QPainter& painter, const std::vector<PrintedLine>& lines);

// Prints the game's whole job on printer, one page a sheet, the logical 600 x 600 square
// spanning the shorter side of the printable area and the grid fitted to the page. False when the
// printer would not start (an unwritable file, a printer gone) or refused a page.
bool PrintPages(const Game& game, QPrinter& printer);

}  // namespace quillby
