// The command side of the main frame: actions, menus, toolbar and their status prompts, all
// made from the game's command table.
#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "ui/app/about_box.h"
#include "ui/app/instructions_dialog.h"
#include "ui/app/main_frame.h"
#include "ui/app/preferences_dialog.h"
#include "ui/app/toolbar_icons.h"
#include "ui/view/quillby_view.h"

namespace quillby {

namespace {

constexpr const char* kReady = "Ready";
constexpr const char* kNoTooltip = "quillbyNoTooltip";

QString Text(const char* text)
{
    return QString::fromUtf8(text == nullptr ? "" : text);
}

}  // namespace

void CMainFrame::BuildActions()
{
    for (const CommandInfo& info : AllCommands()) {
        const CommandId id = info.id;
        QAction* action = nullptr;
        if (SubMenuOf(id) != nullptr) {
            // A submenu's title is its menu's own action; its items are filled in below.
            action = MakeMenu(Text(info.text))->menuAction();
        } else {
            action = new QAction(Text(info.text), this);
            QList<QKeySequence> keys{QKeySequence(Text(info.shortcut))};
            for (const AlternateShortcut& alternate : AlternateShortcuts()) {
                if (alternate.id == id) {
                    keys.append(QKeySequence(Text(alternate.shortcut)));
                }
            }
            action->setShortcuts(keys);
            // Actions are also added to the frame, so their shortcuts work whatever has focus.
            addAction(action);
            connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        }
        action->setData(static_cast<int>(id));  // the owner-drawn menus find icons by it
        connect(action, &QAction::hovered, this, [this, id] { ShowPrompt(id); });
        actions.insert(static_cast<int>(id), action);
    }
    for (const CommandInfo& info : AllCommands()) {
        if (const MenuInfo* submenu = SubMenuOf(info.id)) {
            FillMenu(Action(info.id)->menu(), *submenu);
        }
    }
}

QMenu* CMainFrame::MakeMenu(const QString& title)
{
    auto* menu = new QMenu(title, this);
    // The enabling rules are read when a menu opens, so it never shows a stale state.
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshCommands);
    connect(menu, &QMenu::aboutToHide, this,
            [this] { SetPaneText(StatusPane::Prompt, QString::fromUtf8(kReady)); });
    return menu;
}

void CMainFrame::FillMenu(QMenu* menu, const MenuInfo& info)
{
    for (const CommandId id : info.items) {
        if (id == CommandId::None) {
            menu->addSeparator();
        } else if (QAction* action = Action(id)) {
            menu->addAction(action);
        }
    }
}

void CMainFrame::BuildMenus()
{
    for (const MenuInfo& info : Menus()) {
        QMenu* menu = MakeMenu(Text(info.title));
        FillMenu(menu, info);
        menus.append(menu);
    }
    for (const ModernMenu& extra : ModernMenus()) {
        QMenu* menu = MakeMenu(Text(extra.menu.title));
        FillMenu(menu, extra.menu);
        modernMenus.append(menu);
    }
}

void CMainFrame::ArrangeMenuBar()
{
    const bool modern = game.Prefs().modernMenus;
    if (modern == modernShown && !menuBar()->actions().isEmpty()) {
        return;
    }
    menuBar()->clear();
    QList<QMenu*> shown = menus;
    if (modern) {
        for (qsizetype i = 0; i < modernMenus.size(); ++i) {
            shown.insert(ModernMenus()[static_cast<std::size_t>(i)].position, modernMenus[i]);
        }
    }
    for (QMenu* menu : shown) {
        menuBar()->addMenu(menu);
    }
    // The modern menus' toolbar buttons follow the game's twelve.
    for (QAction* button : modernButtons) {
        toolBar->removeAction(button);
    }
    for (QAction* button : modernButtons) {
        if (modern && button->isSeparator()) {
            toolBar->addAction(button);
        } else if (modern) {
            AddToolbarButton(button);
        }
    }
    modernShown = modern;
}

void CMainFrame::BuildToolBar()
{
    toolBar = addToolBar(QStringLiteral("Toolbar"));
    toolBar->setObjectName(QStringLiteral("toolbar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    toolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);  // no menu to hide the toolbar with
    int image = 0;
    for (const CommandId id : ToolbarLayout()) {
        if (id == CommandId::None) {
            toolBar->addSeparator();
        } else if (QAction* action = Action(id)) {
            action->setIcon(ToolbarIcon(image++));
            AddToolbarButton(action);
        }
    }
    for (const CommandId id : ModernToolbarButtons()) {
        if (id == CommandId::None) {
            auto* separator = new QAction(this);
            separator->setSeparator(true);
            modernButtons.append(separator);
        } else if (QAction* action = Action(id)) {
            action->setIcon(PencilModeIcon());
            modernButtons.append(action);
        }
    }
}

void CMainFrame::AddToolbarButton(QAction* action)
{
    const CommandInfo* info = FindCommand(static_cast<CommandId>(action->data().toInt()));
    const QString tooltip = Text(info != nullptr ? info->tooltip : "");
    // An action without a tooltip of its own would show its menu text: such buttons are
    // marked and their tooltip events dropped.
    if (!tooltip.isEmpty()) {
        action->setToolTip(tooltip);
    }
    toolBar->addAction(action);
    if (QWidget* button = toolBar->widgetForAction(action)) {
        button->setProperty(kNoTooltip, tooltip.isEmpty());
        button->installEventFilter(this);
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button != nullptr) {
        if (event->type() == QEvent::ToolTip && button->property(kNoTooltip).toBool()) {
            return true;
        }
        if (event->type() == QEvent::Leave) {
            SetPaneText(StatusPane::Prompt, QString::fromUtf8(kReady));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowPrompt(CommandId id)
{
    const CommandInfo* info = FindCommand(id);
    SetPaneText(StatusPane::Prompt, Text(info != nullptr ? info->prompt : ""));
}

void CMainFrame::RefreshCommands()
{
    for (const CommandInfo& info : AllCommands()) {
        QAction* action = Action(info.id);
        const CommandState state = game.StateOf(info.id);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked);  // only a checked item shows a mark
        action->setChecked(state.checked);
        if (!state.text.empty() && action->text() != QString::fromStdString(state.text)) {
            action->setText(QString::fromStdString(state.text));
        }
    }
}

void CMainFrame::RunCommand(CommandId id)
{
    if (!game.RunCommand(id)) {
        RunDesktopCommand(id);
    }
    ArrangeMenuBar();
    RefreshCommands();
}

void CMainFrame::RunDesktopCommand(CommandId id)
{
    switch (id) {
        case CommandId::Exit:
            close();
            break;
        case CommandId::About:
            AboutBox(this).exec();
            break;
        case CommandId::HowToPlay:
            InstructionsDialog(this).exec();
            break;
        case CommandId::Print:
        case CommandId::PrintDirect:
            printController.Print(this, id == CommandId::PrintDirect);
            break;
        case CommandId::PrintSetup:
            printController.PageSetup(this);
            break;
        case CommandId::ShowPreferences:
            ShowPreferences();
            break;
        default:
            break;
    }
}

void CMainFrame::ShowPreferences()
{
    PreferencesDialog dialog(game.Prefs(), this);
    if (dialog.exec() == QDialog::Accepted) {
        game.SetPreferences(dialog.Chosen());
    }
}

}  // namespace quillby
