#include "ui/menus/menu_item_painter.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/menus/icon_store.h"
#include "ui/menus/menu_colours.h"

namespace quillby {

namespace {

// How many device pixels a pixel of the drawing covers. The device's own ratio is not enough:
// a widget rendered into a denser image keeps its screen's ratio while the painter scales.
qreal DevicePixelRatio(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    const qreal scale = std::hypot(transform.m11(), transform.m12());
    const qreal device = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    return std::max(scale, device);
}

// A frame one device-independent pixel wide inside the rectangle. Filled rectangles rather
// than pen lines: they land on whole device pixels at any scale.
void PaintFrame(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

QRect IconColumn(const QRect& rect)
{
    return {rect.left(), rect.top(), kIconColumnWidth, rect.height()};
}

void PaintSeparator(QPainter& painter, const QRect& rect, const MenuColours& colours)
{
    painter.fillRect(rect, colours.itemBackground);
    painter.fillRect(IconColumn(rect), colours.iconColumn);
    // An etched line: a shadow line with a light one under it.
    const int middle = rect.top() + rect.height() / 2;
    painter.fillRect(QRect(rect.left(), middle, rect.width(), 1), colours.separatorShadow);
    painter.fillRect(QRect(rect.left(), middle + 1, rect.width(), 1), colours.separatorLight);
}

void PaintCheckMark(QPainter& painter, const QRect& column, bool radio, const QColor& colour)
{
    const QPointF centre = QRectF(column).center();
    painter.setRenderHint(QPainter::Antialiasing);
    if (radio) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(centre, 3.5, 3.5);
        return;
    }
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-4, 0));
    tick.lineTo(centre + QPointF(-1.5, 2.5));
    tick.lineTo(centre + QPointF(4, -3.5));
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

void PaintIcon(QPainter& painter, const MenuItemLook& item, const MenuColours& colours,
               const IconStore& icons, bool highlighted)
{
    const QRect& rect = item.rect;
    const QPoint at(rect.left() + 4, rect.top() + (rect.height() - kMenuIconHeight + 1) / 2);
    const QPoint raised = at - QPoint(1, 1);
    const qreal ratio = DevicePixelRatio(painter);
    const CommandId id = item.command;
    if (!item.enabled) {
        painter.drawImage(at, icons.Copy(id, IconCopy::Disabled, ratio));
    } else if (item.checked) {
        const QRect cell = IconColumn(rect).adjusted(1, 1, -1, -1);
        painter.fillRect(cell, highlighted ? colours.checkedCellHighlighted : colours.checkedCell);
        PaintFrame(painter, cell, colours.highlightFrame);
        painter.drawImage(raised, icons.Copy(id, IconCopy::Icon, ratio));
    } else if (highlighted) {
        painter.drawImage(at + QPoint(1, 1), icons.Copy(id, IconCopy::Shadow, ratio));
        painter.drawImage(raised, icons.Copy(id, IconCopy::Icon, ratio));
    } else {
        painter.drawImage(at, icons.Copy(id, IconCopy::Faded, ratio));
    }
}

void PaintText(QPainter& painter, const MenuItemLook& item, const QColor& colour)
{
    const MenuItemText text = SplitMenuItemText(item.text);
    const QRect& rect = item.rect;
    const QRect area(rect.left() + kLabelLeft, rect.top(),
                     rect.width() - kLabelLeft - kShortcutRightMargin, rect.height());
    const int mnemonic = item.underlineMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | mnemonic,
                     text.label);
    if (!text.shortcut.isEmpty()) {
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         text.shortcut);
    }
}

}  // namespace

MenuItemText SplitMenuItemText(const QString& text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0) {
        return {text, {}};
    }
    return {text.left(tab), text.mid(tab + 1)};
}

QString WithoutMnemonic(const QString& label)
{
    QString shown;
    shown.reserve(label.size());
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] != QLatin1Char('&')) {
            shown += label[i];
        } else if (i + 1 < label.size() && label[i + 1] == QLatin1Char('&')) {
            shown += QLatin1Char('&');
            ++i;
        }
    }
    return shown;
}

QSize MenuItemSize(const QFontMetrics& metrics, const QString& text, bool separator,
                   int menuBarHeight)
{
    if (separator) {
        // One pixel wide, not none: the menu leaves out an item without width. Every item is
        // as wide as the widest anyway.
        return {1, kSeparatorHeight};
    }
    const MenuItemText parts = SplitMenuItemText(text);
    const int textWidth = metrics.horizontalAdvance(WithoutMnemonic(parts.label)) +
                          (parts.shortcut.isEmpty() ? 0 : kShortcutGap) + kShortcutRightMargin;
    return {kMenuIconWidth + textWidth + kMenuMargin + 8,
            std::max(menuBarHeight, kMinimumItemHeight)};
}

void PaintMenuItem(QPainter& painter, const MenuItemLook& item, const MenuColours& colours,
                   const IconStore& icons)
{
    painter.save();
    if (item.separator) {
        PaintSeparator(painter, item.rect, colours);
        painter.restore();
        return;
    }
    const bool highlighted = item.highlighted && item.enabled;  // never a disabled item
    if (highlighted) {
        PaintHighlight(painter, item.rect, colours);
    } else {
        painter.fillRect(item.rect, colours.itemBackground);
        painter.fillRect(IconColumn(item.rect), colours.iconColumn);
    }
    const QColor textColour = !item.enabled ? colours.disabledText
                              : highlighted ? colours.highlightedText
                                            : colours.text;
    if (icons.HasIcon(item.command)) {
        PaintIcon(painter, item, colours, icons, highlighted);
    } else if (item.checked) {
        PaintCheckMark(painter, IconColumn(item.rect), item.radio, textColour);
    }
    PaintText(painter, item, textColour);
    if (item.submenu) {
        PaintSubmenuArrow(painter, item.rect, textColour);
    }
    painter.restore();
}

void PaintSubmenuArrow(QPainter& painter, const QRect& rect, const QColor& colour)
{
    // A small solid triangle pointing right, in the shortcut column's margin.
    const double middle = rect.top() + rect.height() / 2.0;
    const double tip = rect.right() - 6.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF(
        {QPointF(tip - 4, middle - 4), QPointF(tip, middle), QPointF(tip - 4, middle + 4)}));
}

void PaintHighlight(QPainter& painter, const QRect& rect, const MenuColours& colours)
{
    painter.fillRect(rect, colours.highlightFill);
    PaintFrame(painter, rect, colours.highlightFrame);
}

void PaintMenuBackground(QPainter& painter, const QRect& menuRect, int frameWidth,
                         const MenuColours& colours)
{
    painter.fillRect(menuRect, colours.itemBackground);
    const QRect inside = menuRect.adjusted(frameWidth, frameWidth, -frameWidth, -frameWidth);
    painter.fillRect(QRect(inside.left(), inside.top(), kIconColumnWidth, inside.height()),
                     colours.iconColumn);
    for (int i = 0; i < frameWidth; ++i) {
        PaintFrame(painter, menuRect.adjusted(i, i, -i, -i), colours.menuFrame);
    }
}

}  // namespace quillby
