#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "core/game/game.h"
#include "ui/print/print_controller.h"

class QAction;
class QMenu;
class QToolBar;

namespace quillby {

class CQuillbyView;
class ClueWindow;
class StatusBarPane;

// The main window: menu bar, toolbar and status bar around the view, all built from the
// command table. Glue only: every command's rule and enabling is the Game's.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(Game& game, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CQuillbyView& View() { return *view; }
    Game& GameState() { return game; }
    QAction* Action(CommandId id) const { return actions.value(static_cast<int>(id)); }
    QToolBar* ToolBar() const { return toolBar; }
    PrintController& Printing() { return printController; }
    QString PaneText(StatusPane pane) const;
    ClueWindow& Clues() { return *clueWindow; }

    void SetPaneText(StatusPane pane, const QString& text);
    // Sizes the window so the view shows exactly the grid with its margins (a puzzle with its
    // own clues: never narrower than the menu bar), raises it and places the clue window.
    void FitFrameToGrid(int width, int height);
    // Beside the view, top edges level, 10 pixels right of it; or hidden.
    void PlaceClueWindow(bool shown);
    void MinimiseAll();
    void ClueLinesChanged();
    void ClueLineSelected(int index);
    // The clue window's marks (crossing clue, complete clues) after a change of the grid.
    void RefreshClueMarks();
    // The window's remembered place, once it is shown; and both windows' places kept.
    void RestorePlace();
    void RememberPlaces();

    // Enabled, checked and text of every command from the game's rules.
    void RefreshCommands();
    // Runs a command as its menu item or toolbar button does.
    void RunCommand(CommandId id);
    // The timers' work, callable directly (tests drive them without waiting).
    void OnClockTimer();
    void OnSafetyTimer();
    // Closes without the save prompt: the puzzle goes to its autosave as on every exit. For
    // the session ending, not for the player (CQuillbyApp turns down the open dialogs first).
    void CloseWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    QMenu* MakeMenu(const QString& title);
    void FillMenu(QMenu* menu, const MenuInfo& info);
    void BuildToolBar();
    void AddToolbarButton(QAction* action);
    // The game's five menus, with the Edit and View menus and the Pencil button among them
    // when the preferences ask for the modern menus.
    void ArrangeMenuBar();
    void ShowPreferences();
    void BuildStatusBar();
    void FitTimePane();
    void StartTimers();
    void BuildClueWindow();
    void OnClueLineClicked(int item);
    void ShowPrompt(CommandId id);
    void RunDesktopCommand(CommandId id);

    Game& game;
    CQuillbyView* view = nullptr;
    QToolBar* toolBar = nullptr;
    StatusBarPane* promptPane = nullptr;
    StatusBarPane* timePane = nullptr;
    QHash<int, QAction*> actions;
    QList<QMenu*> menus;
    QList<QMenu*> modernMenus;
    QList<QAction*> modernButtons;
    bool modernShown = false;
    QTimer clockTimer;
    QTimer commandTimer;
    QTimer safetyTimer;
    QElapsedTimer monotonic;
    PrintController printController{game};
    // A window of its own beside the frame, kept above it and closed with it.
    ClueWindow* clueWindow = nullptr;
    bool closingWithoutAsking = false;
    std::optional<QPoint> clueWindowPlace;  // where the player put it; none: beside the view
    QPoint clueWindowPlaced;                // where it was last placed
};

}  // namespace quillby
