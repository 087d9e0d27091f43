#include "ui/app/status_bar_pane.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace quillby {

namespace {

// Between the frame and the text, on the left and the right.
constexpr int kTextMargin = 3;

}  // namespace

StatusBarPane::StatusBarPane(int lines, int hintWidth, const QString& text, QWidget* parent)
    : QFrame(parent), text(text), lines(lines), hintWidth(hintWidth)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    UpdateToolTip();
}

void StatusBarPane::SetText(const QString& newText)
{
    text = newText;
    UpdateToolTip();
    update();
}

int StatusBarPane::TextWidth() const
{
    return std::max(contentsRect().width() - 2 * kTextMargin, 1);
}

int StatusBarPane::WidthFor(const QString& sample) const
{
    return fontMetrics().horizontalAdvance(sample) + 2 * kTextMargin + 2 * frameWidth() + 1;
}

QStringList StatusBarPane::LayOut(bool& elided) const
{
    const int width = TextWidth();
    QTextLayout layout(text, font());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList shown;
    elided = false;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (shown.size() + 1 == lines) {
            // The last line takes the rest of the text, shortened to fit if need be.
            const QString rest = text.mid(line.textStart()).simplified();
            shown << fontMetrics().elidedText(rest, Qt::ElideRight, width);
            elided = shown.constLast() != rest;
            break;
        }
        shown << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return shown;
}

QStringList StatusBarPane::ShownLines() const
{
    bool elided = false;
    return LayOut(elided);
}

bool StatusBarPane::ShowsWholeText() const
{
    bool elided = false;
    (void)LayOut(elided);
    return !elided;
}

QSize StatusBarPane::sizeHint() const
{
    const int height = lines * fontMetrics().lineSpacing() + 2 * frameWidth() + 2;
    return {hintWidth, height};
}

QSize StatusBarPane::minimumSizeHint() const
{
    return {0, sizeHint().height()};
}

void StatusBarPane::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList shown = ShownLines();
    const int spacing = fontMetrics().lineSpacing();
    const QRect area = contentsRect().adjusted(kTextMargin, 0, -kTextMargin, 0);
    // The lines stand together in the middle of the pane, as one line does.
    int y = area.top() + (area.height() - static_cast<int>(shown.size()) * spacing) / 2;
    for (const QString& line : shown) {
        painter.drawText(QRect(area.left(), y, area.width(), spacing),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, line);
        y += spacing;
    }
}

void StatusBarPane::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    UpdateToolTip();
}

void StatusBarPane::UpdateToolTip()
{
    // A long clue is cut short by the pane; pointing at the pane shows all of it.
    setToolTip(ShowsWholeText() ? QString() : text);
}

}  // namespace quillby
