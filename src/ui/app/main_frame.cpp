#include "ui/app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "ui/app/status_bar_pane.h"
#include "ui/cluewindow/clue_window.h"
#include "ui/menus/owner_drawn_menu.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {

namespace {

constexpr int kPromptPaneWidth = 250;
constexpr int kTimePaneWidth = 100;
constexpr int kPromptLines = 2;
constexpr int kClockPeriodMs = 1000;
constexpr int kCommandRefreshMs = 250;
// A crash or a kill loses at most this much play.
constexpr int kSafetyAutosaveMs = 30 * 1000;

DesktopPalette DesktopPaletteOf(const QPalette& palette)
{
    return {ToRgb(palette.color(QPalette::Active, QPalette::Base)),
            ToRgb(palette.color(QPalette::Active, QPalette::Text)),
            ToRgb(palette.color(QPalette::Active, QPalette::Highlight))};
}

// A remembered place is used only while some screen still shows it.
bool OnAScreen(const QPoint& place)
{
    return QGuiApplication::screenAt(place + QPoint(20, 20)) != nullptr;
}

}  // namespace

CMainFrame::CMainFrame(Game& game, QWidget* parent) : QMainWindow(parent), game(game)
{
    game.SetDesktopPalette(DesktopPaletteOf(palette()));
    view = new CQuillbyView(game, this);
    setCentralWidget(view);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    ArrangeMenuBar();
    InstallOwnerDrawnMenus(menuBar());
    BuildStatusBar();
    BuildClueWindow();
    StartTimers();
    view->setFocus();
}

CMainFrame::~CMainFrame() = default;

QString CMainFrame::PaneText(StatusPane pane) const
{
    return pane == StatusPane::Prompt ? promptPane->Text() : timePane->Text();
}

void CMainFrame::SetPaneText(StatusPane pane, const QString& text)
{
    StatusBarPane* target = pane == StatusPane::Prompt ? promptPane : timePane;
    target->SetText(text);
    if (pane == StatusPane::Time) {
        FitTimePane();
    }
    target->repaint();  // at once, as a status line should, even inside a long operation
}

void CMainFrame::BuildStatusBar()
{
    // The prompt takes what the clock leaves, on two lines, so the game's own prompts show
    // whole even beside a 9 x 9 grid; a longer clue ends in an ellipsis.
    const QString start = QString::fromUtf8(kClickASquare);
    promptPane = new StatusBarPane(kPromptLines, kPromptPaneWidth, start, this);
    timePane = new StatusBarPane(1, kTimePaneWidth, start, this);
    timePane->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    statusBar()->addWidget(promptPane, 1);
    statusBar()->addWidget(timePane);
    statusBar()->setSizeGripEnabled(false);
    FitTimePane();
}

void CMainFrame::FitTimePane()
{
    // Exactly as wide as the clock's text, never cut: wider only once the hours need a third
    // digit.
    const int width =
        std::max(timePane->WidthFor(QStringLiteral("Time: 00:00:00")),
                 timePane->WidthFor(QString::fromStdString(Game::ClockText(game.clock))));
    if (timePane->width() != width || timePane->minimumWidth() != width) {
        timePane->setFixedWidth(width);
    }
}

void CMainFrame::StartTimers()
{
    monotonic.start();
    game.StartClock(monotonic.elapsed());
    connect(&clockTimer, &QTimer::timeout, this, &CMainFrame::OnClockTimer);
    clockTimer.start(kClockPeriodMs);
    connect(&commandTimer, &QTimer::timeout, this, &CMainFrame::RefreshCommands);
    commandTimer.start(kCommandRefreshMs);
    connect(&safetyTimer, &QTimer::timeout, this, &CMainFrame::OnSafetyTimer);
    safetyTimer.start(kSafetyAutosaveMs);
}

void CMainFrame::OnClockTimer()
{
    game.OnClockTimer(monotonic.elapsed());
}

void CMainFrame::OnSafetyTimer()
{
    // A modal dialog may be a generation, whose worker owns the grid until it closes.
    if (QApplication::activeModalWidget() == nullptr) {
        (void)game.SafetyAutosave();
    }
}

void CMainFrame::FitFrameToGrid(int width, int height)
{
    // The window's chrome (menu bar, toolbar, status bar) is what the window has around the
    // view now; the view gets exactly the grid with its margins.
    if (layout() != nullptr) {
        layout()->activate();
    }
    const QSize chrome = size() - view->size();
    QSize wanted = GridViewSize(width, height, game.Geometry()) + chrome;
    // A grid narrower than the menu bar (a 5 x 5 mini from a .puz file) would push menus into
    // the overflow: the window keeps the menu bar's width, the grid on its grey ground. Only
    // for a puzzle with its own clues: the game's own puzzles keep the view the grid's size.
    if (game.OwnCluesOf() != nullptr) {
        wanted.setWidth(std::max(wanted.width(), menuBar()->sizeHint().width()));
    }
    resize(wanted);
    if (isVisible()) {
        raise();
    }
    PlaceClueWindow(game.clueWindowShown);
}

void CMainFrame::BuildClueWindow()
{
    clueWindow = new ClueWindow(this);
    clueWindow->hide();  // shown beside the frame once the frame itself is on screen
    connect(clueWindow, &ClueWindow::ListSelect, this, &CMainFrame::OnClueLineClicked);
    // Hidden by its close box, it must be shown by the next Show Clue window, not hidden.
    connect(clueWindow, &ClueWindow::Closed, this, [this] {
        game.ClueWindowClosed();
        RefreshCommands();
    });
    // Once the player has put the clue window somewhere, it stays there.
    connect(clueWindow, &ClueWindow::MovedByPlayer, this, [this](const QPoint& place) {
        if (place != clueWindowPlaced) {
            clueWindowPlace = place;
        }
    });
    if (const auto& remembered = game.Prefs().clueWindow) {
        const QPoint place(remembered->x, remembered->y);
        if (OnAScreen(place)) {
            clueWindowPlace = place;
        }
    }
}

void CMainFrame::RestorePlace()
{
    if (const auto& remembered = game.Prefs().mainWindow) {
        const QPoint place(remembered->x, remembered->y);
        if (OnAScreen(place)) {
            move(place);
        }
    }
}

void CMainFrame::RememberPlaces()
{
    Preferences kept = game.Prefs();
    kept.mainWindow = ScreenPlace{pos().x(), pos().y()};
    kept.clueWindow.reset();
    if (clueWindowPlace) {
        kept.clueWindow = ScreenPlace{clueWindowPlace->x(), clueWindowPlace->y()};
    }
    game.SetPreferences(kept);
}

void CMainFrame::RefreshClueMarks()
{
    clueWindow->SetLineLooks(game.ClueLineLooks());
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange ||
        event->type() == QEvent::ApplicationPaletteChange) {
        game.SetDesktopPalette(DesktopPaletteOf(palette()));
    }
}

void CMainFrame::OnClueLineClicked(int item)
{
    if (game.OnListSelect(item)) {
        // Typing goes on in the grid, as after a click on it.
        activateWindow();
        view->setFocus();
    }
}

void CMainFrame::PlaceClueWindow(bool shown)
{
    if (!shown || !isVisible()) {
        clueWindow->hide();
        return;
    }
    clueWindowPlaced = clueWindowPlace.value_or(view->mapToGlobal(QPoint(view->width() + 10, 0)));
    clueWindow->PlaceAt(clueWindowPlaced);
    clueWindow->show();
    clueWindow->raise();
}

void CMainFrame::MinimiseAll()
{
    showMinimized();
    clueWindow->showMinimized();
}

void CMainFrame::ClueLinesChanged()
{
    clueWindow->SetLines(game.clueList.Lines());
    RefreshClueMarks();
}

void CMainFrame::ClueLineSelected(int index)
{
    clueWindow->SelectLine(index);
}

void CMainFrame::CloseWithoutAsking()
{
    if (closingWithoutAsking) {
        return;
    }
    closingWithoutAsking = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    RememberPlaces();  // written with the preferences when the game closes
    if (closingWithoutAsking) {
        game.SaveOnExit();  // the session is ending: no question can be answered now
    } else if (!game.CloseRequested()) {
        event->ignore();
        return;
    }
    clueWindow->close();
    clockTimer.stop();
    safetyTimer.stop();
    event->accept();
}

}  // namespace quillby
