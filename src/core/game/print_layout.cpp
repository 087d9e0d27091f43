#include "core/game/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/common/clue_markup.h"
#include "core/common/html_tokens.h"
#include "core/game/game.h"

namespace quillby {

namespace {

// From the grid's lowest line to the top of the first clue line: 50 units of space, then one
// line's step.
constexpr int kGridToClues = 50 + kPrintLineStep;

constexpr const char* kAcrossWords = "Across Clues";
constexpr const char* kDownWords = "Down Clues";

// Clue lines start with their number; only the section headers are markup. Telling them apart
// this way keeps a clue whose question mentions "Down Clues" an ordinary clue line.
bool IsHeader(const std::string& line)
{
    return !line.empty() && line.front() == '<';
}

std::string StripMarkup(const std::string& line)
{
    std::string plain;
    HtmlTokenizer tokens(line);
    HtmlToken token;
    while (tokens.Next(token)) {
        if (token.tag == HtmlTag::None) {
            if (token.spaceBefore && !plain.empty()) {
                plain += ' ';
            }
            plain += token.text;
        }
    }
    return plain;
}

struct Columns {
    std::vector<std::string> across;  // the Across header and lines
    std::vector<std::string> down;    // the Down header and lines
};

// The first column runs to the Down header, the second from it to the end of the list.
Columns SplitColumns(const std::vector<std::string>& lines)
{
    Columns columns;
    bool second = false;
    for (const std::string& line : lines) {
        const bool downHeader = IsHeader(line) && PrintText(line) == kDownWords;
        if (line.empty() || downHeader) {
            if (second) {
                break;
            }
            second = true;
        }
        if (!line.empty()) {
            (second ? columns.down : columns.across).push_back(PrintText(line));
        }
    }
    return columns;
}

// The length of the longest start of text, cut between UTF-8 characters, that fits width; at
// least one character, so a line is never empty.
std::size_t FittingPrefix(const std::string& text, double width, const PrintTextWidth& measure)
{
    std::size_t best = 0;
    std::size_t end = 0;
    while (end < text.size()) {
        ++end;
        while (end < text.size() && (static_cast<std::uint8_t>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
        if (best != 0 && measure(text.substr(0, end)) > width) {
            break;
        }
        best = end;
    }
    return best;
}

// Breaks text at spaces into lines no wider than width; lines after the first are indented,
// and a word too long for a line of its own is cut.
std::vector<std::string> Wrap(const std::string& text, int width, const PrintTextWidth& measure)
{
    std::vector<std::string> lines;
    std::string current;
    auto limit = [&] { return lines.empty() ? width : width - kPrintWrapIndent; };
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t stop = text.find(' ', start);
        std::string word = text.substr(start, stop == std::string::npos ? stop : stop - start);
        start = stop == std::string::npos ? text.size() : stop + 1;
        if (word.empty()) {
            continue;
        }
        const std::string joined = current.empty() ? word : current + ' ' + word;
        if (measure(joined) <= limit()) {
            current = joined;
            continue;
        }
        if (!current.empty()) {
            lines.push_back(current);
            current.clear();
        }
        while (!word.empty() && measure(word) > limit()) {
            const std::size_t cut = FittingPrefix(word, limit(), measure);
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        current = word;
    }
    if (!current.empty() || lines.empty()) {
        lines.push_back(current);
    }
    return lines;
}

class ColumnPlacer {
public:
    // gridBottom: the lowest line of the grid on the puzzle sheet.
    ColumnPlacer(std::vector<PrintSheet>& sheets, int gridBottom, PrintPage page)
        : sheets(sheets), gridBottom(gridBottom), page(page)
    {
    }

    // Places the wrapped lines of one clue, on one sheet when they fit on one.
    void Place(const std::vector<std::string>& block, int x, int width)
    {
        if (!Fits(static_cast<int>(block.size()))) {
            NextSheet();
        }
        for (std::size_t i = 0; i < block.size(); ++i) {
            if (!Fits(1)) {
                NextSheet();
            }
            const int indent = i == 0 ? 0 : kPrintWrapIndent;
            Sheet().lines.push_back({x + indent, y, width - indent, block[i]});
            y += kPrintLineStep;
        }
    }

private:
    // The top of the first line: under the grid on the puzzle sheet, at the margin after it.
    int Top() const { return sheet == 0 ? gridBottom + kGridToClues : kPrintMargin; }
    // A fresh continuation sheet takes a line whatever its size, so placing always ends.
    bool Fits(int lineCount) const
    {
        const bool freshPage = sheet > 0 && y == Top();
        return freshPage || y + (lineCount - 1) * kPrintLineStep + kPrintLineHeight <= page.height;
    }
    void NextSheet()
    {
        ++sheet;
        y = Top();
    }
    PrintSheet& Sheet()
    {
        while (sheets.size() <= sheet) {
            sheets.push_back({Surface::PrintedPuzzle, false, {}});
        }
        return sheets[sheet];
    }

    std::vector<PrintSheet>& sheets;
    int gridBottom;
    PrintPage page;
    std::size_t sheet = 0;
    int y = Top();
};

}  // namespace

PrintPage PrintPageOf(int deviceWidth, int deviceHeight)
{
    if (deviceWidth <= 0 || deviceHeight <= 0) {
        return {};
    }
    const std::int64_t w = deviceWidth;
    const std::int64_t h = deviceHeight;
    if (w <= h) {
        return {kPrintSquareUnits, static_cast<int>(kPrintSquareUnits * h / w)};
    }
    return {static_cast<int>(kPrintSquareUnits * w / h), kPrintSquareUnits};
}

std::string PrintText(const std::string& line)
{
    if (!IsHeader(line)) {
        return PlainTextOfMarkup(line);  // a puzzle's own clues may be in italics
    }
    if (line.find(kAcrossWords) != std::string::npos) {
        return kAcrossWords;
    }
    if (line.find(kDownWords) != std::string::npos) {
        return kDownWords;
    }
    return StripMarkup(line);
}

double PrintGridScale(PrintGrid grid, PrintPage page)
{
    // The grid with its outer border lines, without the margin: it keeps the margin on every
    // side of the page.
    const GridGeometry original;
    const PixelSize view = original.ViewSize(grid.width, grid.height);
    const double gridWidth = view.width - 2 * original.margin;
    const double gridHeight = view.height - 2 * original.margin;
    const double roomWidth = std::max(page.width - 2 * kPrintMargin, 1);
    const double roomHeight = std::max(page.height - 2 * kPrintMargin, 1);
    return std::min({1.0, roomWidth / gridWidth, roomHeight / gridHeight});
}

std::vector<PrintSheet> LayOutPrint(const std::vector<std::string>& clueLines, int gridHeight,
                                    bool solutionSheet, PrintPage page,
                                    const PrintTextWidth& textWidth)
{
    return LayOutPrint(clueLines, PrintGrid{gridHeight, gridHeight}, solutionSheet, page,
                       textWidth);
}

std::vector<PrintSheet> LayOutPrint(const std::vector<std::string>& clueLines, PrintGrid grid,
                                    bool solutionSheet, PrintPage page,
                                    const PrintTextWidth& textWidth)
{
    const double scale = PrintGridScale(grid, page);
    const int gridBottom =
        kPrintMargin + static_cast<int>(std::ceil(scale * GridGeometry{}.pitch * grid.height));
    std::vector<PrintSheet> sheets{{Surface::PrintedPuzzle, true, {}, scale}};
    const Columns columns = SplitColumns(clueLines);
    // The Down column runs to the right margin, which on a wide sheet leaves it more room.
    const int widths[2] = {kPrintColumnStep - kPrintColumnGap,
                           std::max(page.width - 2 * kPrintMargin - kPrintColumnStep, 1)};
    const std::vector<std::string>* lists[2] = {&columns.across, &columns.down};
    for (int column = 0; column < 2; ++column) {
        ColumnPlacer placer(sheets, gridBottom, page);
        for (const std::string& text : *lists[column]) {
            placer.Place(Wrap(text, widths[column], textWidth),
                         kPrintMargin + column * kPrintColumnStep, widths[column]);
        }
    }
    if (solutionSheet) {
        sheets.push_back({Surface::PrintedSolution, true, {}, scale});
    }
    return sheets;
}

std::vector<PrintSheet> PrintSheetsOf(const Game& game, PrintPage page,
                                      const PrintTextWidth& textWidth)
{
    return LayOutPrint(game.clueList.Lines(),
                       PrintGrid{game.crossword.width, game.crossword.height},
                       game.settings.printSolution, page, textWidth);
}

}  // namespace quillby
