#include "core/game/print_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/puzzles.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::SetFiveByFivePuzzle;

using testing::kAcrossHeader;
using testing::kDownHeader;

// Six units a byte: close to the number font's average width, and easy to reason about.
double FixedWidth(const std::string& text)
{
    return 6.0 * static_cast<double>(text.size());
}

// An A4 sheet's printable area at 600 dots per inch, portrait.
const PrintPage kPortrait = PrintPageOf(4760, 6814);

std::vector<std::string> Texts(const std::vector<PrintedLine>& lines, int x)
{
    std::vector<std::string> texts;
    for (const PrintedLine& line : lines) {
        if (line.x == x) {
            texts.push_back(line.text);
        }
    }
    return texts;
}

// 1 HEART, 4 OCEAN, 5 SATYR across; 1 HOOKS, 2 ALERT, 3 TENOR down.
class PrintLayoutGame : public GameFixture {
protected:
    void SetUp() override
    {
        SetFiveByFivePuzzle(game, {{"HEART", "Organ & pump"},
                                   {"OCEAN", "Big body of salt water"},
                                   {"SATYR", "Woodland deity"},
                                   {"HOOKS", "Fish catchers"},
                                   {"ALERT", "Warning <signal>"},
                                   {"TENOR", "Male singing voice"}});
        game.RefreshClueList();
    }
};

TEST_F(PrintLayoutGame, ColumnsStartUnderTheGridWithPlainHeadersAndOneSheetPerChoice)
{
    std::vector<PrintSheet> sheets = PrintSheetsOf(game, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_TRUE(sheets[0].grid);
    EXPECT_EQ(sheets[0].surface, Surface::PrintedPuzzle);
    // 36 units a row, 60 below the grid, then 20 to the first line.
    const int top = 36 * 5 + 80;
    EXPECT_EQ(sheets[0].lines,
              (std::vector<PrintedLine>{{10, top, 290, "Across Clues"},
                                        {10, top + 20, 290, "1) Organ & pump [5]"},
                                        {10, top + 40, 290, "4) Big body of salt water [5]"},
                                        {10, top + 60, 290, "5) Woodland deity [5]"},
                                        {310, top, 280, "Down Clues"},
                                        {310, top + 20, 280, "1) Fish catchers [5]"},
                                        {310, top + 40, 280, "2) Warning <signal> [5]"},
                                        {310, top + 60, 280, "3) Male singing voice [5]"}}));

    game.settings.printSolution = true;
    sheets = PrintSheetsOf(game, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(sheets[1].grid);
    EXPECT_EQ(sheets[1].surface, Surface::PrintedSolution);
    EXPECT_TRUE(sheets[1].lines.empty());

    // A puzzle without answers prints its grid and no clue lines.
    game.crossword.answers.clear();
    game.RefreshClueList();
    sheets = PrintSheetsOf(game, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_TRUE(sheets[0].lines.empty());
}

TEST(PrintLayout, AClueMentioningAHeaderStaysAnOrdinaryLine)
{
    // Matching the words anywhere in a line used to turn this clue into a header and start
    // the Down column with it.
    const std::vector<std::string> lines{kAcrossHeader, "1) See Down Clues [4]", kDownHeader,
                                         "2) Go [2]"};
    const std::vector<PrintSheet> sheets = LayOutPrint(lines, 9, false, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 1u);
    EXPECT_EQ(Texts(sheets[0].lines, 10),
              (std::vector<std::string>{"Across Clues", "1) See Down Clues [4]"}));
    EXPECT_EQ(Texts(sheets[0].lines, 310), (std::vector<std::string>{"Down Clues", "2) Go [2]"}));
    EXPECT_EQ(PrintText("1) Salt &amp; pepper &lt;2&gt; [3]"), "1) Salt & pepper <2> [3]");
}

TEST(PrintLayout, APuzzlesOwnClueMarkupPrintsAsPlainText)
{
    EXPECT_EQ(PrintText("1) Drink with <i>scones</i> &amp; jam [3]"),
              "1) Drink with scones & jam [3]");
    EXPECT_EQ(PrintText("2) A &lt;b&gt; typed as text [4]"), "2) A <b> typed as text [4]");
}

TEST(PrintLayout, LongCluesWrapAtSpacesInsideTheirColumn)
{
    // Drawn in one line, a long Across clue ran on under the Down column's text.
    const std::string longClue =
        "12) A long gloss with several words that cannot fit in one column at all [7]";
    const std::string hugeWord = "13) " + std::string(80, 'X') + " [9]";
    const std::vector<std::string> lines{kAcrossHeader, longClue, hugeWord, kDownHeader,
                                         "2) Go [2]"};
    const std::vector<PrintSheet> sheets = LayOutPrint(lines, 9, false, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 1u);
    // Put the clues back together: a line at a column's left edge starts one, an indented line
    // continues the one before.
    std::vector<std::string> clues;
    for (const PrintedLine& line : sheets[0].lines) {
        EXPECT_LE(FixedWidth(line.text), line.width) << line.text;
        if (line.x == 10 || line.x == 310) {
            clues.push_back(line.text);
        } else {
            EXPECT_EQ(line.x, 10 + kPrintWrapIndent);
            clues.back() += "|" + line.text;
        }
    }
    ASSERT_EQ(clues.size(), 5u);
    EXPECT_EQ(clues[1],
              "12) A long gloss with several words that cannot|fit in one column at all [7]");
    EXPECT_EQ(clues[2], "13)|" + std::string(46, 'X') + "|" + std::string(34, 'X') + " [9]");
    // The Down column starts level with the Across column whatever the Across lines do.
    EXPECT_EQ(Texts(sheets[0].lines, 310), (std::vector<std::string>{"Down Clues", "2) Go [2]"}));
    EXPECT_EQ(sheets[0].lines.front().y, 36 * 9 + 80);
}

TEST(PrintLayout, LinesBelowThePageContinueOnTheNextSheetInTheirOwnColumn)
{
    // Everything past the bottom of the first sheet used to be dropped.
    std::vector<std::string> lines{kAcrossHeader};
    for (int i = 1; i <= 30; ++i) {
        lines.push_back(std::to_string(i) + ") Across clue [5]");
    }
    lines.push_back(kDownHeader);
    for (int i = 1; i <= 12; ++i) {
        lines.push_back(std::to_string(i) + ") Down clue [5]");
    }
    const std::vector<PrintSheet> sheets = LayOutPrint(lines, 11, true, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 3u);
    EXPECT_TRUE(sheets[0].grid);
    EXPECT_FALSE(sheets[1].grid);
    EXPECT_EQ(sheets[1].surface, Surface::PrintedPuzzle);
    EXPECT_EQ(sheets[2].surface, Surface::PrintedSolution);

    std::vector<std::string> across = Texts(sheets[0].lines, 10);
    const std::vector<std::string> acrossMore = Texts(sheets[1].lines, 10);
    ASSERT_FALSE(acrossMore.empty());
    across.insert(across.end(), acrossMore.begin(), acrossMore.end());
    std::vector<std::string> down = Texts(sheets[0].lines, 310);
    for (const std::string& text : Texts(sheets[1].lines, 310)) {
        down.push_back(text);
    }
    std::vector<std::string> printed{across};
    printed.insert(printed.end(), down.begin(), down.end());
    std::vector<std::string> expected{"Across Clues"};
    expected.insert(expected.end(), lines.begin() + 1, lines.begin() + 31);
    expected.push_back("Down Clues");
    expected.insert(expected.end(), lines.begin() + 32, lines.end());
    EXPECT_EQ(printed, expected);

    for (const PrintSheet& sheet : sheets) {
        for (const PrintedLine& line : sheet.lines) {
            EXPECT_LE(line.y + kPrintLineHeight, kPortrait.height) << line.text;
        }
    }
    // The continuation starts at the top margin, 20 units a line.
    EXPECT_EQ(sheets[1].lines.front().y, kPrintMargin);
    EXPECT_EQ(sheets[1].lines[1].y, kPrintMargin + kPrintLineStep);
}

TEST(PrintLayout, AWrappedClueIsNotSplitAcrossSheets)
{
    std::vector<std::string> lines{kAcrossHeader};
    // 11 rows leave room for 19 lines under the grid on this page; the 18th clue needs two.
    for (int i = 1; i <= 17; ++i) {
        lines.push_back(std::to_string(i) + ") Short [3]");
    }
    lines.push_back("18) A clue long enough that it has to wrap onto two lines [8]");
    const std::vector<PrintSheet> sheets = LayOutPrint(lines, 11, false, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(Texts(sheets[0].lines, 10).back(), "17) Short [3]");
    EXPECT_TRUE(sheets[1].lines.front().text.starts_with("18) A clue"));
    EXPECT_EQ(sheets[1].lines.size(), 2u);
}

TEST(PrintLayout, AGridTooLargeForThePageIsShrunkToFitItAndTheCluesFollowIt)
{
    // The grid was drawn at its screen size whatever the page: a grid of more than 16
    // columns, which the puzzle reader accepts, ran off the right edge of the sheet.
    const PrintPage landscape = PrintPageOf(6814, 4760);
    // Up to 16 columns (and as many rows as the page takes) keep the screen's geometry.
    EXPECT_EQ(PrintGridScale({9, 9}, kPortrait), 1.0);
    EXPECT_EQ(PrintGridScale({16, 16}, kPortrait), 1.0);
    EXPECT_EQ(PrintGridScale({15, 15}, landscape), 1.0);
    // Larger grids span the page's width within its margins, or its height when that is
    // what runs out; every size the reader accepts, square or not, fits.
    auto fits = [](PrintGrid grid, PrintPage page) {
        const double scale = PrintGridScale(grid, page);
        const double right = kPrintMargin + scale * (36 * grid.width + 1);
        const double bottom = kPrintMargin + scale * (36 * grid.height + 1);
        return right <= page.width - kPrintMargin + 1e-9 &&
               bottom <= page.height - kPrintMargin + 1e-9;
    };
    EXPECT_DOUBLE_EQ(PrintGridScale({21, 21}, kPortrait), 580.0 / 757.0);
    EXPECT_DOUBLE_EQ(PrintGridScale({25, 3}, kPortrait), 580.0 / 901.0);
    EXPECT_DOUBLE_EQ(PrintGridScale({1, 25}, landscape), 580.0 / 901.0);
    for (int width = 1; width <= 25; ++width) {
        for (int height = 1; height <= 25; ++height) {
            EXPECT_TRUE(fits({width, height}, kPortrait)) << width << " x " << height;
            EXPECT_TRUE(fits({width, height}, landscape)) << width << " x " << height;
        }
    }

    // The clue columns start under the shrunk grid, on the puzzle and solution sheets alike.
    const std::vector<std::string> lines{kAcrossHeader, "1) Go [2]", kDownHeader, "2) Up [2]"};
    const std::vector<PrintSheet> sheets =
        LayOutPrint(lines, PrintGrid{21, 21}, true, kPortrait, FixedWidth);
    ASSERT_EQ(sheets.size(), 2u);
    const double scale = 580.0 / 757.0;
    EXPECT_DOUBLE_EQ(sheets[0].gridScale, scale);
    EXPECT_DOUBLE_EQ(sheets[1].gridScale, scale);
    const int gridBottom = 10 + static_cast<int>(std::ceil(scale * 36 * 21));
    EXPECT_EQ(sheets[0].lines.front().y, gridBottom + 70);
    EXPECT_EQ(sheets[0].lines.front().text, "Across Clues");
}

TEST(PrintLayout, TheShorterSideOfThePrintableAreaIsSixHundredUnits)
{
    EXPECT_EQ(PrintPageOf(1000, 2000).width, 600);
    EXPECT_EQ(PrintPageOf(1000, 2000).height, 1200);
    EXPECT_EQ(PrintPageOf(3000, 1500).width, 1200);
    EXPECT_EQ(PrintPageOf(3000, 1500).height, 600);
    EXPECT_EQ(PrintPageOf(0, 1500).height, 600);  // a printer that reports no area
}

}  // namespace
}  // namespace quillby
