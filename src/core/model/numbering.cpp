#include "core/model/numbering.h"

namespace quillby {

namespace {

bool OpenAt(const Crossword& crossword, int col, int row)
{
    const Square* square = crossword.SquareAt(col, row);
    return square != nullptr && square->open;
}

}  // namespace

std::vector<NumberedStart> StandardNumbering(const Crossword& crossword)
{
    std::vector<NumberedStart> starts;
    for (int row = 0; row < crossword.height; ++row) {
        for (int col = 0; col < crossword.width; ++col) {
            if (!OpenAt(crossword, col, row)) {
                continue;
            }
            NumberedStart start{col, row, 0, false, false};
            start.across = !OpenAt(crossword, col - 1, row) && OpenAt(crossword, col + 1, row);
            start.down = !OpenAt(crossword, col, row - 1) && OpenAt(crossword, col, row + 1);
            if (start.across || start.down) {
                start.number = static_cast<int>(starts.size()) + 1;
                starts.push_back(start);
            }
        }
    }
    return starts;
}

void ApplyStandardNumbering(Crossword& crossword)
{
    for (Square& square : crossword.squares) {
        square.number = 0;
    }
    for (const NumberedStart& start : StandardNumbering(crossword)) {
        crossword.SquareAt(start.col, start.row)->number = start.number;
    }
}

}  // namespace quillby
