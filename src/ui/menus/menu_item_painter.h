#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "core/game/commands.h"

class QColor;
class QFontMetrics;
class QPainter;

namespace quillby {

class IconStore;
struct MenuColours;

// The measures of the flat menu look, in device-independent pixels.
inline constexpr int kMenuIconWidth = 16;
inline constexpr int kMenuIconHeight = 15;
// What the icon column adds to the icon's width and an item to the icon's height.
inline constexpr int kMenuMargin = 7;
inline constexpr int kIconColumnWidth = kMenuIconWidth + kMenuMargin;
inline constexpr int kLabelLeft = kIconColumnWidth + 8;
inline constexpr int kShortcutRightMargin = 16;
// Between the longest label and the shortcuts, so they never run into each other.
inline constexpr int kShortcutGap = 16;
inline constexpr int kSeparatorHeight = 3;
inline constexpr int kMinimumItemHeight = kMenuIconHeight + kMenuMargin;

// The label, and after a tab the shortcut.
struct MenuItemText {
    QString label;
    QString shortcut;
};
MenuItemText SplitMenuItemText(const QString& text);
// The text as shown: "&&" is an ampersand, a single "&" marks the mnemonic and is not shown.
QString WithoutMnemonic(const QString& label);

// A separator, or an item sized for its label: 16 + the text's width + 7 + 8 wide, where the
// text's width is the label's, the gap before a shortcut when it has one, and the margin the
// shortcuts end at (the menu adds the widest shortcut to every item); as high as the menu bar,
// and never less than an icon with its margin.
QSize MenuItemSize(const QFontMetrics& metrics, const QString& text, bool separator,
                   int menuBarHeight);

// Everything that decides how one item looks.
struct MenuItemLook {
    QRect rect;
    QString text;  // label, tab, shortcut
    CommandId command = CommandId::None;
    bool separator = false;
    bool highlighted = false;
    bool enabled = true;
    bool checked = false;
    bool radio = false;  // checked shows a round bullet rather than a check mark
    bool underlineMnemonic = true;
    bool submenu = false;  // an arrow at the right edge
};

// Paints one item. Lines are whole device-independent pixels and icons come from the scale
// that matches the painter's device, so both stay sharp at any device pixel ratio.
void PaintMenuItem(QPainter& painter, const MenuItemLook& item, const MenuColours& colours,
                   const IconStore& icons);

// The arrow of an item that opens a submenu, at the item's right edge.
void PaintSubmenuArrow(QPainter& painter, const QRect& rect, const QColor& colour);

// The highlight fill with its one-pixel frame.
void PaintHighlight(QPainter& painter, const QRect& rect, const MenuColours& colours);

// The menu's background where no item is: the item background with the icon column running
// down its left edge, inside a frame of `frameWidth` pixels.
void PaintMenuBackground(QPainter& painter, const QRect& menuRect, int frameWidth,
                         const MenuColours& colours);

}  // namespace quillby
