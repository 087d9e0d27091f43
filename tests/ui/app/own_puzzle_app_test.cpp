#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <memory>

#include "app_folder_files.h"
#include "core/model/numbering.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"
#include "modal_answers.h"
#include "support/grids.h"
#include "support/puzzles.h"
#include "support/temp_app_folder.h"
#include "ui/app/main_frame.h"
#include "ui/app/puzzle_info_dialog.h"
#include "ui/app/quillby_app.h"
#include "ui/app/termination_watch.h"
#include "ui/cluewindow/clue_window.h"
#include "ui/print/print_pages.h"
#include "ui/view/quillby_view.h"

namespace quillby {
namespace {

using testing::GridRows;
using testing::ModalAnswers;
using testing::TempAppFolder;
using testing::WriteBytes;

// A 15 x 15 newspaper-style grid (symmetric, every square checked, runs of three or more) with
// letters that make no words: the game plays any letters.
const std::vector<std::string> kFifteen = {
    "AHO#CJQ###SZGNU", "LSZ#NUBIP#DKRYF", "WDK#YFMTAHOVCJQ", "HOVCJQ#ELS##NUB", "SZGNUBIP#DKRYFM",
    "DKRY#MTA#OVCJQX", "###JQXELS#GNUBI", "ZGN#BIPWDKR#FMT", "KRYFM#AHOVCJ###", "VCJQXE#SZG#UBIP",
    "GNUBIP#DKRYFMTA", "RYF##AHO#CJQXEL", "CJQXELSZGNU#IPW", "NUBIP#DKRYF#TAH", "YFMTA###CJQ#ELS"};

// Clue texts as newspapers write them: quotes, accents, dashes, a question mark.
std::vector<std::string> CluesFor(const std::vector<std::string>& rows)
{
    static const char* kTexts[] = {"“Café” order",     "Résumé part — briefly",
                                   "Pop’s partner",    "It may be “shaken, not stirred”",
                                   "Naïve sort?",      "Piñata filler",
                                   "Smörgåsbord item", "Ending for “bed”"};
    Crossword grid;
    testing::SetGrid(grid, rows);
    std::vector<std::string> clues;
    for (const NumberedStart& start : StandardNumbering(grid)) {
        for (const bool run : {start.across, start.down}) {
            if (run) {
                clues.push_back(kTexts[clues.size() % std::size(kTexts)]);
            }
        }
    }
    return clues;
}

// A 7 x 5 grid with circles, a shaded square and clue markup, as an .ipuz.
std::string NonSquareIpuz()
{
    return R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
      "title": "Circles &amp; shades", "author": "Zoë Setter", "copyright": "© 2024 Zoë Setter",
      "notes": "A small puzzle.<br>The circled letters spell a drink.",
      "dimensions": {"width": 7, "height": 5},
      "puzzle": [[{"cell": 1, "style": {"shapebg": "circle"}}, 2, 3, "#", 4, 5, 6],
                 [7, 0, {"cell": 0, "style": {"shapebg": "circle"}}, 8, 0, 0, 0],
                 [9, 0, 0, 0, {"cell": 0, "style": {"highlight": true}}, "#", "#"],
                 [10, 0, 0, 0, 0, 11, 12],
                 ["#", 13, 0, {"cell": 0, "style": {"shapebg": "circle"}}, 0, 0, 0]],
      "solution": [["T", "E", "A", "#", "B", "O", "A"],
                   ["O", "X", "E", "N", "O", "R", "B"],
                   ["P", "I", "A", "N", "O", "#", "#"],
                   ["S", "T", "E", "A", "M", "E", "D"],
                   ["#", "S", "T", "A", "S", "H", "Y"]],
      "clues": {
        "Across": [[1, "Drink with <i>scones</i>"], [4, "Constrictor"], [7, "Beasts &amp; more"],
                   [9, "Grand <b>instrument</b>"], [10, "Cooked over water"], [13, "Hidden away"]],
        "Down": [[1, "Best of the best"], [2, "Ways out"], [3, "Aeon"], [4, "Loud noise"],
                 [5, "Ore &ldquo;boat&rdquo;"], [6, "Almost a bed"], [8, "Nan"],
                 [11, "&#8220;Eh&#8221;"], [12, "Dry"]]}})";
}

void SaveImage(const QImage& image, const QString& name)
{
    QDir().mkpath(QStringLiteral(QUILLBY_UI_OUTPUT_DIR));
    image.save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/") + name);
}

class OwnPuzzleApp : public ::testing::Test {
protected:
    TempAppFolder folder;
    ModalAnswers answers;
    std::unique_ptr<CQuillbyApp> app;

    void SetUp() override
    {
        testing::WriteStartingFiles(folder, {{"Feline pet", "CAT"}, {"Soaked", "WET"}});
    }
    void TearDown() override { Stop(); }

    void Start(std::optional<std::string> file = std::nullopt)
    {
        app = std::make_unique<CQuillbyApp>(folder.Path());
        app->Start();
        if (file) {
            app->OpenPuzzleFile(*file);  // as main does for a file on the command line
        }
    }
    // The program closes as from its close box, saying No if it asks to save.
    void Stop()
    {
        if (app && Frame().isVisible()) {
            if (game().modified && !game().completed) {
                answers.Button(QMessageBox::No);
            }
            Frame().close();
        }
        app.reset();
    }
    Game& game() { return app->GameState(); }
    CMainFrame& Frame() { return app->Frame(); }
    std::string File(const std::string& name) const { return folder.Path() + "/" + name; }
    void Write(const std::string& name, const std::vector<std::byte>& bytes)
    {
        WriteBytes(File(name), bytes);
    }
    void WriteText(const std::string& name, const std::string& text)
    {
        const auto* begin = reinterpret_cast<const std::byte*>(text.data());
        Write(name, {begin, begin + text.size()});
    }
    // Runs a menu command the way a click on its item does.
    void Choose(CommandId id) { Frame().Action(id)->trigger(); }
    std::vector<std::string> ClueLines()
    {
        std::vector<std::string> lines;
        for (int i = 0; i <= Frame().Clues().LastLine(); ++i) {
            lines.push_back(Frame().Clues().GetLineText(i));
        }
        return lines;
    }
    // The main window and the clue window beside it, as one picture.
    QImage Screen()
    {
        QApplication::processEvents();
        const QRect frame = Frame().frameGeometry();
        const QRect clues = Frame().Clues().frameGeometry();
        const QRect both = frame.united(clues);
        QImage image(both.size(), QImage::Format_RGB32);
        image.fill(QColor(90, 90, 90));
        QPainter painter(&image);
        painter.drawPixmap(frame.topLeft() - both.topLeft(), Frame().grab());
        painter.drawPixmap(clues.topLeft() - both.topLeft(), Frame().Clues().grab());
        return image;
    }
};

TEST_F(OwnPuzzleApp, FileOpenOffersEveryFormatAndOpensA15x15PuzWithItsClues)
{
    Write("sunday.puz", SerializePuz(testing::MakeOwnPuzzle(kFifteen, CluesFor(kFifteen),
                                                            {"Sunday", "A. Setter", "", ""})));
    Start();
    answers.Dialog([this](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), QStringLiteral("Open a puzzle"));
        EXPECT_EQ(files->nameFilters(),
                  (QStringList{"All crosswords (*.crs *.puz *.ipuz)", "Crossword files (*.crs)",
                               "Across Lite files (*.puz)", "ipuz files (*.ipuz)"}));
        files->selectFile(QString::fromStdString(File("sunday.puz")));
        static_cast<QDialog*>(files)->accept();
    });
    Choose(CommandId::OpenPuzzle);
    EXPECT_EQ(answers.Pending(), 0u);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("sunday.puz - Quillby"));
    EXPECT_EQ(game().crossword.width, 15);
    // The view shows the whole grid.
    EXPECT_EQ(Frame().View().size(), QSize(2 * 10 + 36 * 15 + 1, 2 * 10 + 36 * 15 + 1));
    const std::vector<std::string> lines = ClueLines();
    EXPECT_EQ(lines[1], "1) “Café” order [3]");
    // Across then Down, each in the puzzle's number order.
    const auto down = std::find(lines.begin(), lines.end(), testing::kDownHeader);
    ASSERT_NE(down, lines.end());
    EXPECT_EQ(*(down + 1), "1) " + CluesFor(kFifteen)[1] + " [6]");
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));
    EXPECT_EQ(Frame().PaneText(StatusPane::Prompt).toStdString(), "Clue: “Café” order");
    SaveImage(Screen(), QStringLiteral("own_15x15.png"));
}

TEST_F(OwnPuzzleApp, CirclesShadingAndMarkupShowOnScreenInTheClueWindowAndOnPaper)
{
    WriteText("circles.ipuz", NonSquareIpuz());
    Start();
    answers.FilePath(QString::fromStdString(File("circles.ipuz")));
    Choose(CommandId::OpenPuzzle);
    ASSERT_EQ(game().crossword.width, 7);
    EXPECT_EQ(ClueLines()[1], "1) Drink with <i>scones</i> [3]");
    EXPECT_EQ(ClueLines()[3], "7) Beasts &amp; more [7]");

    // The circled square has a ring of the number colour inside it; the shaded one a darker
    // fill than its neighbour.
    const QImage view = Frame().View().Render(1.0);
    int ring = 255;  // the darkest pixel across the ring's top, under the square's top edge
    for (int y = 10 + 36 + 2; y < 10 + 36 + 8; ++y) {
        ring = std::min(ring, view.pixelColor(10 + 36 * 2 + 18, y).lightness());
    }
    EXPECT_LT(ring, 160);
    const QColor shaded = view.pixelColor(10 + 36 * 4 + 30, 10 + 72 + 30);
    const QColor plain = view.pixelColor(10 + 36 * 3 + 30, 10 + 72 + 30);
    EXPECT_LT(shaded.lightness(), plain.lightness());
    SaveImage(Screen(), QStringLiteral("own_circles.png"));

    // On paper: the grid, the clue lines without markup.
    const QString pdf = QString::fromStdString(File("circles.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    ASSERT_TRUE(PrintPages(game(), printer));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("1) Drink with scones [3]")))
        << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("5) Ore “boat” [2]")));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"), pdf,
                  QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/print_own_circles")});
    ASSERT_TRUE(render.waitForFinished(30000));
}

TEST_F(OwnPuzzleApp, AMiniPuzzleKeepsTheWholeMenuBarInView)
{
    // A 5 x 5 grid is narrower than the menu bar: the window keeps the menu bar's width.
    Write("mini.puz", SerializePuz(testing::MakeOwnPuzzle(
                          {"ABC##", "DEFGH", "IJKLM", "NOPQR", "##STU"},
                          {"a1", "d1", "d2", "d3", "a4", "d4", "d5", "a6", "a7", "a8"})));
    Start(File("mini.puz"));
    ASSERT_EQ(game().crossword.width, 5);
    QApplication::processEvents();
    EXPECT_GE(Frame().menuBar()->width(), Frame().menuBar()->sizeHint().width());
    EXPECT_GT(Frame().View().width(), 2 * 10 + 36 * 5 + 1);
    // The grid stays where it always is; the view's spare width is grey ground.
    EXPECT_EQ(Frame().View().Render(1.0).pixelColor(Frame().View().width() - 5, 20),
              QColor(128, 128, 128));
    SaveImage(Screen(), QStringLiteral("own_mini.png"));
}

TEST_F(OwnPuzzleApp, PuzzleInfoShowsWhatTheFileSays)
{
    WriteText("circles.ipuz", NonSquareIpuz());
    Start(File("circles.ipuz"));
    answers.Dialog([](QWidget* dialog) {
        auto* info = qobject_cast<PuzzleInfoDialog*>(dialog);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->windowTitle(), QStringLiteral("Puzzle Info"));
        EXPECT_EQ(info->TitleText(), QStringLiteral("Circles & shades"));
        EXPECT_EQ(info->AuthorText(), QStringLiteral("Zoë Setter"));
        EXPECT_EQ(info->CopyrightText(), QStringLiteral("© 2024 Zoë Setter"));
        EXPECT_EQ(info->NotesText(),
                  QStringLiteral("A small puzzle.\nThe circled letters spell a drink."));
        SaveImage(info->grab().toImage(), QStringLiteral("puzzle_info.png"));
        info->accept();
    });
    Choose(CommandId::PuzzleInfo);
    EXPECT_EQ(answers.Pending(), 0u);
}

TEST_F(OwnPuzzleApp, SaveAsAndExportOfferTheFormatsAndKeepTheirPlaces)
{
    WriteText("circles.ipuz", NonSquareIpuz());
    Start(File("circles.ipuz"));
    answers.Dialog([this](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->nameFilters(),
                  (QStringList{"Crossword files (*.crs)", "Across Lite files (*.puz)",
                               "ipuz files (*.ipuz)"}));
        // The document is an .ipuz: that is offered first.
        EXPECT_EQ(files->selectedNameFilter(), QStringLiteral("ipuz files (*.ipuz)"));
        // Choosing another filter gives a bare name that filter's extension.
        emit files->filterSelected(QStringLiteral("Across Lite files (*.puz)"));
        files->selectFile(QString::fromStdString(File("copy")));
        static_cast<QDialog*>(files)->accept();
    });
    Choose(CommandId::SavePuzzleAs);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("copy.puz - Quillby"));
    EXPECT_TRUE(ParsePuz(testing::ReadBytes(File("copy.puz"))));

    answers.Dialog([this](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), QStringLiteral("Export puzzle"));
        EXPECT_EQ(files->nameFilters(),
                  (QStringList{"Across Lite files (*.puz)", "ipuz files (*.ipuz)"}));
        files->selectFile(QString::fromStdString(File("shared.ipuz")));
        static_cast<QDialog*>(files)->accept();
    });
    Choose(CommandId::ExportPuzzle);
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("copy.puz - Quillby"));
    const Result<OwnPuzzle> shared = ParseIpuz(testing::ReadBytes(File("shared.ipuz")));
    ASSERT_TRUE(shared) << shared.Error();
    EXPECT_EQ(shared->crossword.SquareAt(4, 2)->style, kStyleShaded);
}

TEST_F(OwnPuzzleApp, QuitAndStartAgainBringsTheImportedPuzzleBackWithItsLetters)
{
    Write("sunday.puz", SerializePuz(testing::MakeOwnPuzzle(kFifteen, CluesFor(kFifteen))));
    Start(File("sunday.puz"));
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));
    QTest::keyClicks(&Frame().View(), QStringLiteral("ABX"));
    const std::vector<std::string> lines = ClueLines();
    Stop();
    EXPECT_TRUE(std::filesystem::exists(File("data/volatile_own.ipuz")));

    Start();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Quillby"));
    EXPECT_EQ(game().crossword.width, 15);
    EXPECT_EQ(GridRows(game().crossword, true)[0].substr(0, 4), "ABX#");
    EXPECT_EQ(ClueLines(), lines);
    EXPECT_FALSE(game().UsesClueStores());
}

TEST_F(OwnPuzzleApp, TheSessionEndingAutosavesWithoutAPromptEvenFromAnOpenDialog)
{
    // Killed by SIGTERM as a session ends, the game lost the letters typed since the last
    // autosave; with File > Open's save prompt up, it also left the prompt unanswered.
    Write("sunday.puz", SerializePuz(testing::MakeOwnPuzzle(kFifteen, CluesFor(kFifteen))));
    Start(File("sunday.puz"));
    const TerminationWatch watch([this] { app->CloseWithoutAsking(); });
    ASSERT_TRUE(watch.Installed());
    QTest::mouseClick(&Frame().View(), Qt::LeftButton, {}, QPoint(28, 28));
    QTest::keyClicks(&Frame().View(), QStringLiteral("QRS"));
    ASSERT_TRUE(game().modified);
    // The signal comes while "Save your puzzle?" is open.
    answers.Dialog([](QWidget*) { std::raise(SIGTERM); });
    Choose(CommandId::OpenPuzzle);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Frame().isVisible(); }, 5000));
    EXPECT_TRUE(app->Closing());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(answers.Pending(), 0u);
    app.reset();

    Start();
    EXPECT_EQ(game().crossword.width, 15);
    EXPECT_EQ(GridRows(game().crossword, true)[0].substr(0, 4), "QRS#");
    EXPECT_FALSE(game().UsesClueStores());
}

TEST_F(OwnPuzzleApp, ARefusedFileOnTheCommandLineIsReportedAndTheUsualPuzzleStays)
{
    WriteText("broken.ipuz", "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": 3}");
    answers.Button(QMessageBox::Ok);
    Start(File("broken.ipuz"));
    ASSERT_EQ(answers.texts.size(), 1u);
    EXPECT_EQ(answers.texts[0].toStdString(),
              "This file is not a valid crossword: broken.ipuz has no dimensions (a whole width "
              "and height)");
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Untitled - Quillby"));
    EXPECT_EQ(GridRows(game().crossword), (std::vector<std::string>{"CAT", "O#A", "WET"}));
}

}  // namespace
}  // namespace quillby
