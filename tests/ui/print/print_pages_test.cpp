#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "core/game/game.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"
#include "ui/print/print_pages.h"

namespace quillby {
namespace {

using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;

// A grid of size x size: odd rows open in the even columns only, every other even row cut into
// runs of runLength, the rest open; letters that make every answer different.
std::vector<std::string> LatticeRows(int size, int runLength)
{
    std::vector<std::string> rows;
    for (int row = 0; row < size; ++row) {
        std::string text;
        for (int col = 0; col < size; ++col) {
            const bool cut = row % 4 == 0 && (col + 1) % (runLength + 1) == 0;
            const bool open = row % 2 == 0 ? !cut : col % 2 == 0;
            text += open ? static_cast<char>('A' + (col * 7 + row * 3) % 26) : '#';
        }
        rows.push_back(text);
    }
    return rows;
}

std::string RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return process.readAllStandardOutput().toStdString();
}

int PageCount(const QString& pdf)
{
    const std::string info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromStdString(info));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The page's text with every run of white space made one space.
std::string PageText(const QString& pdf, int page, const QStringList& crop = {})
{
    QStringList arguments{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                          QString::number(page)};
    arguments << crop << pdf << QStringLiteral("-");
    QString text = QString::fromStdString(RunTool(QStringLiteral("pdftotext"), arguments));
    return text.simplified().toStdString();
}

std::string WithoutSpaces(std::string text)
{
    std::erase(text, ' ');
    return text;
}

// The text of one clue column of a page: with the printable width of 190 mm over 600 units, a
// unit is 0.9 points, after a 10 mm margin; the Down column starts at 310 units.
std::string ColumnText(const QString& pdf, int page, int column)
{
    const int split = static_cast<int>(28.35 + 0.9 * 305);
    const int left = column == 0 ? 0 : split;
    const int width = column == 0 ? split : 595 - split;
    return PageText(pdf, page,
                    {QStringLiteral("-x"), QString::number(left), QStringLiteral("-y"),
                     QStringLiteral("0"), QStringLiteral("-W"), QString::number(width),
                     QStringLiteral("-H"), QStringLiteral("842")});
}

class PrintPdf : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};
    QString pdf = QString::fromStdString(folder.Path()) + QStringLiteral("/puzzle.pdf");

    // A puzzle of the lattice, each answer with a clue whose text names its word.
    void MakePuzzle(int size, int runLength, const std::string& clueText)
    {
        SetGrid(game.crossword, LatticeRows(size, runLength));
        game.crossword.BuildAnswerList();
        game.crossword.SetAnswersFromGrid();
        game.crossword.NumberSquares();
        for (const AnswerEntry& entry : game.crossword.answers) {
            ASSERT_TRUE(game.clues.AddClue(clueText + " " + std::string(entry.AnswerWord()),
                                           std::string(entry.AnswerWord())));
        }
        game.RefreshClueList();
    }
    // Every square's guess set to its solution.
    void FillGuesses()
    {
        for (Square& square : game.crossword.squares) {
            square.guess = square.solution;
        }
    }
    bool Print()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        return PrintPages(game, printer);
    }
    // The clue lines as they print.
    std::vector<std::string> PrintedClueLines() const
    {
        std::vector<std::string> lines;
        for (const std::string& line : game.clueList.Lines()) {
            lines.push_back(PrintText(line));
        }
        return lines;
    }
    // A solution page's letters read in their layout, without spaces or clue numbers.
    std::string SolutionText(int page) const
    {
        std::string solution = WithoutSpaces(PageText(pdf, page, {QStringLiteral("-layout")}));
        std::erase_if(solution, [](char c) { return c >= '0' && c <= '9'; });
        return solution;
    }
    // The solution's rows, read in their layout, hold every Across answer.
    void ExpectEveryAcrossAnswerIn(const std::string& solution) const
    {
        for (const AnswerEntry& entry : game.crossword.answers) {
            if (entry.direction == kAcross) {
                EXPECT_NE(solution.find(entry.AnswerWord()), std::string::npos)
                    << entry.AnswerWord() << " in " << solution;
            }
        }
    }
    // The text of the top of page 1 down to just under a grid of rows rows (units as in
    // ColumnText).
    QStringList GridCrop(int rows) const
    {
        const int bottom = static_cast<int>(28.35 + 0.9 * (36 * rows + 40));
        return {QStringLiteral("-x"), QStringLiteral("0"),    QStringLiteral("-y"),
                QStringLiteral("0"),  QStringLiteral("-W"),   QStringLiteral("595"),
                QStringLiteral("-H"), QString::number(bottom)};
    }
};

TEST_F(PrintPdf, NineByNinePrintsHeadersEveryClueAndTheSolutionOnItsOwnSheet)
{
    MakePuzzle(9, 9, "Clue for");
    FillGuesses();
    game.settings.printUserSquares = false;
    game.settings.printSolution = false;
    ASSERT_TRUE(Print());
    EXPECT_EQ(PageCount(pdf), 1);
    const std::string text = PageText(pdf, 1);
    for (const std::string& line : PrintedClueLines()) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_NE(text.find("Across Clues"), std::string::npos);
    EXPECT_NE(text.find("Down Clues"), std::string::npos);
    EXPECT_EQ(text.find("<font"), std::string::npos);
    // Without the player's squares the grid shows its numbers only, although every square
    // has a guess.
    const std::string gridText = PageText(pdf, 1, GridCrop(9));
    EXPECT_FALSE(gridText.empty());
    EXPECT_FALSE(QString::fromStdString(gridText).contains(QRegularExpression("[A-Z]")))
        << gridText;

    game.settings.printUserSquares = true;
    game.settings.printSolution = true;
    ASSERT_TRUE(Print());
    EXPECT_EQ(PageCount(pdf), 2);
    EXPECT_TRUE(QString::fromStdString(PageText(pdf, 1, GridCrop(9)))
                    .contains(QRegularExpression("[A-Z]")));
    const std::string solution = SolutionText(2);
    ExpectEveryAcrossAnswerIn(solution);
    EXPECT_EQ(solution.find("Clues"), std::string::npos);  // no clue lists on the solution

    // The solution sheet rendered small, for eyes to check.
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
             QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_9x9")});
}

TEST_F(PrintPdf, ElevenByElevenCluesThatDoNotFitContinueOnTheNextSheet)
{
    // Twelve Across clues of two lines each: more than the room under an 11 x 11 grid.
    MakePuzzle(11, 3, "A long clue, as glosses from the dictionary often are, for the word");
    game.settings.printSolution = false;
    ASSERT_TRUE(Print());
    EXPECT_EQ(PageCount(pdf), 2);
    // Each column read down the first sheet and on down the second.
    const std::string text = ColumnText(pdf, 1, 0) + ColumnText(pdf, 2, 0) + ColumnText(pdf, 1, 1) +
                             ColumnText(pdf, 2, 1);
    for (const std::string& line : PrintedClueLines()) {
        EXPECT_NE(WithoutSpaces(text).find(WithoutSpaces(line)), std::string::npos) << line;
    }
    const std::vector<std::string> lines = PrintedClueLines();
    const std::string lastAcross = *(std::find(lines.begin(), lines.end(), "Down Clues") - 1);
    EXPECT_NE(WithoutSpaces(PageText(pdf, 2)).find(WithoutSpaces(lastAcross)), std::string::npos);

    game.settings.printSolution = true;
    ASSERT_TRUE(Print());
    EXPECT_EQ(PageCount(pdf), 3);
    EXPECT_EQ(PageText(pdf, 3).find("long clue"), std::string::npos);
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
             QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_11x11")});
}

TEST_F(PrintPdf, ATwentyOneByTwentyOneGridIsShrunkToThePageWidth)
{
    // The grid was drawn at its screen size: past 16 columns it ran off the right edge of
    // the sheet and its last columns were lost.
    MakePuzzle(21, 4, "Clue for");
    game.settings.printSolution = true;
    ASSERT_TRUE(Print());
    const int pages = PageCount(pdf);
    ASSERT_EQ(pages, 3);  // the clue lines go on to a second sheet; then the solution
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    const QString prefix = QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_21x21");
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf, prefix});
    // At 60 dots per inch an A4 sheet is 496 dots wide; its printable area ends 10 mm from
    // the edge, at dot 472. The grid's squares and blocks are dark.
    for (const QString& page : {QStringLiteral("-1.png"), QStringLiteral("-3.png")}) {
        const QImage sheet(prefix + page);
        ASSERT_FALSE(sheet.isNull()) << page.toStdString();
        int rightmost = -1;
        int lowest = -1;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                if (qGray(sheet.pixel(x, y)) < 100) {
                    rightmost = std::max(rightmost, x);
                    lowest = std::max(lowest, y);
                }
            }
        }
        // The grid spans the printable width, and no further.
        EXPECT_GT(rightmost, 449) << page.toStdString();
        EXPECT_LT(rightmost, 472) << page.toStdString();
        if (page.endsWith(QStringLiteral("-3.png"))) {
            EXPECT_LT(lowest, 472) << "the solution sheet holds only the square grid";
        }
    }
    // Every answer of the solution is there, its last column included.
    ExpectEveryAcrossAnswerIn(SolutionText(3));
}

TEST_F(PrintPdf, AnUnwritableFileIsReportedAsAFailure)
{
    MakePuzzle(9, 9, "Clue for");
    pdf = QString::fromStdString(folder.Path()) + QStringLiteral("/no/such/folder/puzzle.pdf");
    EXPECT_FALSE(Print());
}

}  // namespace
}  // namespace quillby
