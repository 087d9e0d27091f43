#pragma once

#include <QPointer>
#include <QProxyStyle>

class QMenuBar;

namespace quillby {

class IconStore;

// The flat menu look as a style for the menu bar and its pop-ups: it measures and paints the
// items, the pop-ups' background and frame, and the bar's own items. Anything else is left to
// the desktop's style. On a display of 256 colours or fewer the desktop's own look is kept.
class OwnerDrawnMenuStyle : public QProxyStyle {
public:
    // `bar` gives the menu-bar height that items are at least as high as; the store must
    // outlive the style.
    OwnerDrawnMenuStyle(const IconStore& icons, QMenuBar* bar);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    void DrawMenuItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                         const QWidget* widget) const;
    int MenuBarHeight() const;

    const IconStore& icons;
    QPointer<QMenuBar> bar;
};

// A display of 256 colours or fewer: menus keep the desktop's plain look there.
bool IsPaletteBasedDisplay();

}  // namespace quillby
