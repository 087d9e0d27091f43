#include "support/grids.h"

namespace quillby::testing {

void SetGrid(Crossword& crossword, const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    crossword.SetGridSize(width, height);
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            const char cell = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            Square& square = *crossword.SquareAt(col, row);
            square.open = cell != '#';
            square.solution = (cell >= 'A' && cell <= 'Z') ? cell : 0;
        }
    }
}

std::vector<std::string> GridRows(const Crossword& crossword, bool guesses)
{
    std::vector<std::string> rows;
    for (int row = 0; row < crossword.height; ++row) {
        std::string text;
        for (int col = 0; col < crossword.width; ++col) {
            const Square& square = *crossword.SquareAt(col, row);
            const char letter = guesses ? square.guess : square.solution;
            text.push_back(!square.open ? '#' : letter != 0 ? letter : '.');
        }
        rows.push_back(text);
    }
    return rows;
}

}  // namespace quillby::testing
