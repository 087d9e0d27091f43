#pragma once

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include "ui/menus/icon_store.h"

class QMenu;

namespace quillby {

class OwnerDrawnMenuStyle;

// The menu bar and its pop-ups drawn in the flat look, with the menus' mnemonic rule: a letter
// typed in an open pop-up runs the first item whose text holds "&" and that letter, whatever
// its case; a letter no item has leaves the pop-up open. Lives as long as the bar.
class OwnerDrawnMenu : public QObject {
public:
    // Prefer InstallOwnerDrawnMenus.
    OwnerDrawnMenu(QMenuBar* bar, const IconStore& icons);
    ~OwnerDrawnMenu() override;

    QMenuBar* MenuBar() const { return bar; }
    // Whether a pop-up is drawn by this menu.
    bool Owns(const QMenu* menu) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Adopt(QMenu* menu);
    void RunMnemonic(QMenu* menu, QChar typed);

    QPointer<QMenuBar> bar;
    OwnerDrawnMenuStyle* style;
};

// Gives the bar and every pop-up on it (and any added later) the flat look. An item's icon is
// its command's toolbar image: the command is the item's action data (an int holding the
// CommandId); an item without one has no icon. The bar is kept inside the window (never
// handed to a desktop-wide menu bar) so the look shows. `icons` must outlive the bar. The
// returned object belongs to the bar.
OwnerDrawnMenu* InstallOwnerDrawnMenus(QMenuBar* bar, const IconStore& icons = SharedIconStore());

// Whether the pop-up belongs to an owner-drawn menu bar.
bool IsOwnerDrawnMenu(const QMenu* menu);

// The index of the first text holding "&" followed by the typed character, compared without
// regard to case, or -1. "&&" is a literal ampersand, never a mnemonic.
int MnemonicIndex(const QStringList& texts, QChar typed);

}  // namespace quillby
