#include "ui/menus/owner_drawn_menu.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "ui/menus/owner_drawn_menu_style.h"

namespace quillby {

namespace {

// A character that can be a mnemonic: printable and not a space (space activates the
// highlighted item).
bool IsMnemonicKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key.text();
    return text.size() == 1 && text[0].isPrint() && !text[0].isSpace();
}

bool HoldsMnemonic(const QString& text, QChar typed)
{
    const QChar wanted = typed.toUpper();
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            continue;
        }
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;  // a literal ampersand
        } else if (text[i + 1].toUpper() == wanted) {
            return true;
        }
    }
    return false;
}

}  // namespace

int MnemonicIndex(const QStringList& texts, QChar typed)
{
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (HoldsMnemonic(texts[i], typed)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

OwnerDrawnMenu::OwnerDrawnMenu(QMenuBar* bar, const IconStore& icons)
    : QObject(bar), bar(bar), style(new OwnerDrawnMenuStyle(icons, bar))
{
    bar->setNativeMenuBar(false);
    bar->setStyle(style);
    bar->installEventFilter(this);
    for (QAction* action : bar->actions()) {
        if (QMenu* menu = action->menu()) {
            Adopt(menu);
        }
    }
}

OwnerDrawnMenu::~OwnerDrawnMenu()
{
    // The bar and its pop-ups may still be on their way out and ask for their style: it goes
    // once they are gone.
    style->deleteLater();
}

bool OwnerDrawnMenu::Owns(const QMenu* menu) const
{
    return menu != nullptr && menu->style() == style;
}

void OwnerDrawnMenu::Adopt(QMenu* menu)
{
    if (Owns(menu)) {
        return;
    }
    menu->setStyle(style);
    menu->installEventFilter(this);
    // Submenus (Options > Check) get the look with their parent.
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) {
            Adopt(submenu);
        }
    }
}

bool OwnerDrawnMenu::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == bar || qobject_cast<QMenu*>(watched) != nullptr) &&
        event->type() == QEvent::ActionAdded) {
        if (QMenu* menu = static_cast<QActionEvent*>(event)->action()->menu()) {
            Adopt(menu);
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* menu = qobject_cast<QMenu*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (menu != nullptr && IsMnemonicKey(*key)) {
            RunMnemonic(menu, key->text()[0]);
            return true;  // matched or not, the key is the menu's
        }
    }
    return QObject::eventFilter(watched, event);
}

void OwnerDrawnMenu::RunMnemonic(QMenu* menu, QChar typed)
{
    const QList<QAction*> actions = menu->actions();
    QStringList texts;
    for (const QAction* action : actions) {
        // An item that cannot run cannot be chosen by its letter either.
        const bool runnable = !action->isSeparator() && action->isVisible() && action->isEnabled();
        texts.append(runnable ? action->text() : QString());
    }
    const int index = MnemonicIndex(texts, typed);
    if (index < 0) {
        return;
    }
    // Chosen as Enter chooses it, so the whole chain of pop-ups closes before the command
    // runs, exactly as with a click.
    menu->setActiveAction(actions[index]);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(menu, &enter);
}

OwnerDrawnMenu* InstallOwnerDrawnMenus(QMenuBar* bar, const IconStore& icons)
{
    return bar != nullptr ? new OwnerDrawnMenu(bar, icons) : nullptr;
}

bool IsOwnerDrawnMenu(const QMenu* menu)
{
    return menu != nullptr && dynamic_cast<const OwnerDrawnMenuStyle*>(menu->style()) != nullptr;
}

}  // namespace quillby
