#include "ui/menus/owner_drawn_menu_style.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionMenuItem>

#include "ui/menus/icon_store.h"
#include "ui/menus/menu_colours.h"
#include "ui/menus/menu_item_painter.h"

namespace quillby {

namespace {

constexpr int kMenuFrameWidth = 1;
// Room above the first item and below the last, as a desktop menu has.
constexpr int kMenuVerticalMargin = 2;

// The command behind the item at this rectangle: its action's data.
CommandId CommandOf(const QWidget* widget, const QRect& itemRect)
{
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const QAction* action = menu != nullptr ? menu->actionAt(itemRect.center()) : nullptr;
    if (action == nullptr || !action->data().canConvert<int>()) {
        return CommandId::None;
    }
    return static_cast<CommandId>(action->data().toInt());
}

bool IsDrawnItem(const QStyleOptionMenuItem& item)
{
    switch (item.menuItemType) {
        case QStyleOptionMenuItem::Normal:
        case QStyleOptionMenuItem::DefaultItem:
        case QStyleOptionMenuItem::SubMenu:
        case QStyleOptionMenuItem::Separator:
            return true;
        default:
            return false;  // scrollers and tear-offs keep the desktop's look
    }
}

}  // namespace

bool IsPaletteBasedDisplay()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->depth() <= 8;
}

OwnerDrawnMenuStyle::OwnerDrawnMenuStyle(const IconStore& icons, QMenuBar* bar)
    : icons(icons), bar(bar)
{
}

void OwnerDrawnMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const
{
    if (!IsPaletteBasedDisplay()) {
        switch (element) {
            case CE_MenuItem:
                if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
                    item != nullptr && IsDrawnItem(*item)) {
                    DrawMenuItem(option, painter, widget);
                    return;
                }
                break;
            case CE_MenuEmptyArea:
                PaintMenuBackground(*painter, option->rect, kMenuFrameWidth,
                                    MenuColoursFrom(option->palette, XpThemeInEffect()));
                return;
            case CE_MenuBarItem:
                DrawMenuBarItem(option, painter, widget);
                return;
            case CE_MenuBarEmptyArea:
                painter->fillRect(
                    option->rect,
                    MenuColoursFrom(option->palette, XpThemeInEffect()).barBackground);
                return;
            default:
                break;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void OwnerDrawnMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const
{
    if (!IsPaletteBasedDisplay()) {
        const MenuColours colours = MenuColoursFrom(option->palette, XpThemeInEffect());
        switch (element) {
            case PE_PanelMenu:
            case PE_FrameMenu:
                PaintMenuBackground(*painter, option->rect, kMenuFrameWidth, colours);
                return;
            case PE_PanelMenuBar:
                painter->fillRect(option->rect, colours.barBackground);
                return;
            default:
                break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize OwnerDrawnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                            const QSize& size, const QWidget* widget) const
{
    if (type == CT_MenuItem && !IsPaletteBasedDisplay()) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            item != nullptr && IsDrawnItem(*item)) {
            return MenuItemSize(item->fontMetrics, item->text,
                                item->menuItemType == QStyleOptionMenuItem::Separator,
                                MenuBarHeight());
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int OwnerDrawnMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const
{
    if (!IsPaletteBasedDisplay()) {
        switch (metric) {
            case PM_MenuPanelWidth:
                return kMenuFrameWidth;
            case PM_MenuHMargin:
                return 0;  // the icon column starts at the frame
            case PM_MenuVMargin:
                return kMenuVerticalMargin;
            default:
                break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int OwnerDrawnMenuStyle::styleHint(StyleHint hint, const QStyleOption* option,
                                   const QWidget* widget, QStyleHintReturn* returnData) const
{
    switch (hint) {
        case SH_Menu_AllowActiveAndDisabled:
            return 0;  // a disabled item is never highlighted, by mouse or keys
        case SH_MenuBar_AltKeyNavigation:
            return 1;  // Alt on its own goes to the menu bar, as on the desktop it comes from
        default:
            return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void OwnerDrawnMenuStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const auto& item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    MenuItemLook look;
    look.rect = item.rect;
    look.text = item.text;
    look.command = CommandOf(widget, item.rect);
    look.separator = item.menuItemType == QStyleOptionMenuItem::Separator;
    look.highlighted = (item.state & State_Selected) != 0;
    look.enabled = (item.state & State_Enabled) != 0;
    look.checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
    look.radio = item.checkType == QStyleOptionMenuItem::Exclusive;
    look.underlineMnemonic = proxy()->styleHint(SH_UnderlineShortcut, option, widget) != 0;
    look.submenu = item.menuItemType == QStyleOptionMenuItem::SubMenu;
    PaintMenuItem(*painter, look, MenuColoursFrom(item.palette, XpThemeInEffect()), icons);
}

void OwnerDrawnMenuStyle::DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                          const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    const MenuColours colours = MenuColoursFrom(option->palette, XpThemeInEffect());
    const bool active = (option->state & State_Selected) && (option->state & State_Enabled);
    painter->save();
    painter->fillRect(option->rect, colours.barBackground);
    QColor textColour = colours.barText;
    if (active) {
        // The bar's open or pointed-at title: the same fill and frame as a highlighted item.
        PaintHighlight(*painter, option->rect, colours);
        textColour = colours.highlightedText;
    } else if (!(option->state & State_Enabled)) {
        textColour =
            WithContrast(colours.disabledText, colours.barBackground, kMinimumTextContrast);
    }
    const bool underline = proxy()->styleHint(SH_UnderlineShortcut, option, widget) != 0;
    painter->setPen(textColour);
    painter->drawText(option->rect,
                      Qt::AlignCenter | Qt::TextSingleLine |
                          (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic),
                      item->text);
    painter->restore();
}

int OwnerDrawnMenuStyle::MenuBarHeight() const
{
    return bar != nullptr ? bar->sizeHint().height() : 0;
}

}  // namespace quillby
