#include "ui/app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

#include "ui/app/app_icon.h"
#include "ui/menus/owner_drawn_menu.h"
#include "ui/view/grid_painter.h"
#include "ui/view/quillby_view.h"

namespace quillby {

namespace {

constexpr int kPromptPaneWidth = 250;
constexpr int kTimePaneWidth = 100;
constexpr int kClockPeriodMs = 1000;
constexpr int kCommandRefreshMs = 250;
// A crash or a kill loses at most this much play.
constexpr int kSafetyAutosaveMs = 30 * 1000;

// A status bar pane of a fixed width that may be cut short, rather than widen the window, when
// the grid is narrower than the panes.
class StatusPaneLabel : public QLabel {
public:
    StatusPaneLabel(int width, const QString& text, QWidget* parent)
        : QLabel(text, parent), paneWidth(width)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override { return {paneWidth, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int paneWidth;
};

}  // namespace

CMainFrame::CMainFrame(Game& game, QWidget* parent) : QMainWindow(parent), game(game)
{
    setWindowIcon(AppIcon());
    view = new CQuillbyView(game, this);
    setCentralWidget(view);
    BuildActions();
    BuildMenus();
    BuildToolBar();
    InstallOwnerDrawnMenus(menuBar());
    BuildStatusBar();
    StartTimers();
    view->setFocus();
}

CMainFrame::~CMainFrame()
{
    delete clueWindow;  // a top-level window of its own: not a child that Qt would delete
}

QString CMainFrame::PaneText(StatusPane pane) const
{
    return pane == StatusPane::Prompt ? promptPane->text() : timePane->text();
}

QWidget* CMainFrame::ClueWindowWidget() const
{
    return clueWindow;
}

void CMainFrame::SetPaneText(StatusPane pane, const QString& text)
{
    QLabel* label = pane == StatusPane::Prompt ? promptPane : timePane;
    label->setText(text);
    label->repaint();  // at once, as a status line should, even inside a long operation
}

void CMainFrame::BuildStatusBar()
{
    const QString start = QString::fromUtf8(kClickASquare);
    promptPane = new StatusPaneLabel(kPromptPaneWidth, start, this);
    timePane = new StatusPaneLabel(kTimePaneWidth, start, this);
    statusBar()->addWidget(promptPane);
    statusBar()->addWidget(timePane);
    statusBar()->setSizeGripEnabled(false);
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
    resize(GridViewSize(width, height) + chrome);
    raise();
    PlaceClueWindow(game.clueWindowShown);
}

void CMainFrame::PlaceClueWindow(bool shown)
{
    if (clueWindow == nullptr) {
        return;
    }
    if (!shown) {
        clueWindow->hide();
        return;
    }
    clueWindow->move(view->mapToGlobal(QPoint(view->width() + 10, 0)));
    clueWindow->show();
    clueWindow->raise();
}

void CMainFrame::MinimiseAll()
{
    showMinimized();
    if (clueWindow != nullptr) {
        clueWindow->showMinimized();
    }
}

void CMainFrame::ClueLinesChanged()
{
    // The clue window's list is rebuilt from the game's lines here once it lands.
}

void CMainFrame::ClueLineSelected(int)
{
    // The clue window highlights the line here once it lands.
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!game.QueryQuit()) {
        event->ignore();
        return;
    }
    game.SaveOnExit();
    if (clueWindow != nullptr) {
        clueWindow->close();
    }
    clockTimer.stop();
    safetyTimer.stop();
    event->accept();
}

}  // namespace quillby
