#include "ui/cluewindow/html_list_ctrl.h"

#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>
#include <algorithm>

#include "ui/cluewindow/render_html_text.h"
#include "ui/menus/menu_colours.h"

namespace quillby {

namespace {

constexpr int kMargin = 5;        // text inset from an item's left and top edges
constexpr int kScrollStep = 50;   // scroll bar arrows and page areas
constexpr int kWheelStep = 40;    // one notch of the wheel
constexpr int kWheelNotch = 120;  // angle delta of one notch

QFont MakeListFont()
{
    // Tahoma where it exists, else the platform's own sans face, at 11 pixels.
    QString family = QStringLiteral("Tahoma");
    if (!QFontDatabase::hasFamily(family)) {
        family = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

HTMLListCtrl::HTMLListCtrl(QWidget* parent, int controlId)
    : QAbstractScrollArea(parent), id(controlId), listFont(MakeListFont())
{
    setObjectName(QStringLiteral("HTMLListCtrl"));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Painting covers every pixel, so the background is never erased first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::ArrowCursor);
    verticalScrollBar()->setSingleStep(kScrollStep);
    verticalScrollBar()->installEventFilter(this);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &HTMLListCtrl::OnScrollAction);
    clientWidth = viewport()->width();
    clientHeight = viewport()->height();
    UpdateScrollRange();
}

int HTMLListCtrl::MeasureItem(const std::string& text) const
{
    static QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    painter.setFont(listFont);
    QRect rect(0, 0, clientWidth - kMargin, clientHeight);
    RenderHtmlText(painter, text, rect, kHtmlCalcRect | kHtmlWordBreak);
    return rect.height() + 2 * kMargin;
}

int HTMLListCtrl::AddItem(const std::string& text)
{
    HTMLListItem item{static_cast<int>(items.size()), MeasureItem(text), text, {}};
    totalHeight += item.height;
    items.push_back(std::move(item));
    UpdateScrollRange();
    return items.back().index;
}

void HTMLListCtrl::DeleteAllItems()
{
    items.clear();
    totalHeight = 0;
}

void HTMLListCtrl::Relayout()
{
    clientWidth = viewport()->width();
    clientHeight = viewport()->height();
    totalHeight = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].index = static_cast<int>(i);
        items[i].height = MeasureItem(items[i].text);
        totalHeight += items[i].height;
    }
    UpdateScrollRange();
}

int HTMLListCtrl::ScrollLimit() const
{
    // The scroll range is 0..totalHeight with a page of the visible height.
    return std::max(0, totalHeight - clientHeight + 1);
}

void HTMLListCtrl::UpdateScrollRange()
{
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(std::max(1, clientHeight));
    bar->setRange(0, ScrollLimit());
}

int HTMLListCtrl::ScrollPosition() const
{
    return verticalScrollBar()->value();
}

void HTMLListCtrl::SelectItem(int index)
{
    selected = index;
    verticalScrollBar()->setValue(20 * index - 15);
}

std::string HTMLListCtrl::GetItemText(int index) const
{
    if (index < 0 || index >= ItemCount()) {
        return {};
    }
    return items[static_cast<std::size_t>(index)].text;
}

int HTMLListCtrl::ItemHeight(int index) const
{
    if (index < 0 || index >= ItemCount()) {
        return 0;
    }
    return items[static_cast<std::size_t>(index)].height;
}

int HTMLListCtrl::ItemTop(int index) const
{
    int top = 0;
    for (int i = 0; i < index && i < ItemCount(); ++i) {
        top += items[static_cast<std::size_t>(i)].height;
    }
    return top;
}

QRect HTMLListCtrl::GetItemRect(int index) const
{
    if (index < 0 || index >= ItemCount()) {
        return {};
    }
    return QRect(0, ItemTop(index) - ScrollPosition(), clientWidth, ItemHeight(index));
}

void HTMLListCtrl::EnsureVisible(int index)
{
    if (index < 0 || index >= ItemCount()) {
        return;
    }
    const int top = ItemTop(index);
    const int bottom = top + ItemHeight(index);
    const int pos = ScrollPosition();
    if (top < pos) {
        verticalScrollBar()->setValue(top);
    } else if (bottom > pos + clientHeight) {
        verticalScrollBar()->setValue(bottom - clientHeight);
    }
}

int HTMLListCtrl::HitTest(QPoint point) const
{
    int top = -ScrollPosition();
    for (const HTMLListItem& item : items) {
        if (QRect(0, top, clientWidth, item.height).contains(point)) {
            return item.index;
        }
        top += item.height;
    }
    return -1;
}

bool HTMLListCtrl::SendNotify(int code, int item)
{
    // The receiver may do anything, even delete this list; report whether it still exists.
    QPointer<HTMLListCtrl> self(this);
    emit Notify(code, item, QString::fromStdString(GetItemText(item)));
    return !self.isNull();
}

void HTMLListCtrl::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QRect clip = event->rect();
    painter.fillRect(clip, Qt::white);
    painter.setFont(listFont);
    int top = -ScrollPosition();
    for (const HTMLListItem& item : items) {
        const QRect rect(0, top, clientWidth, item.height);
        DrawItem(painter, item, rect, clip);
        top += item.height;
        if (top >= clip.bottom() + 1) {
            break;
        }
    }
}

void HTMLListCtrl::DrawItem(QPainter& painter, const HTMLListItem& item, const QRect& rect,
                            const QRect& clip) const
{
    if (rect.bottom() < clip.top() || rect.top() > clip.bottom()) {
        return;
    }
    const bool isSelected = item.index == selected;
    const QColor background = isSelected         ? kSelectionColour
                              : item.look.tinted ? TintColour()
                                                 : QColor(Qt::white);
    painter.fillRect(rect, background);
    painter.setPen(item.look.dimmed ? DimmedTextColour(background) : QColor(Qt::black));
    QRect textRect = rect.adjusted(kMargin, kMargin, 0, 0);
    RenderHtmlText(painter, item.text, textRect, kHtmlWordBreak);
    if (focused && isSelected) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect;
        option.backgroundColor = kSelectionColour;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void HTMLListCtrl::SetItemLooks(const std::vector<HTMLItemLook>& looks)
{
    for (HTMLListItem& item : items) {
        const std::size_t index = static_cast<std::size_t>(item.index);
        const HTMLItemLook look = index < looks.size() ? looks[index] : HTMLItemLook{};
        if (!(look == item.look)) {
            item.look = look;
            viewport()->update(GetItemRect(item.index));
        }
    }
}

HTMLItemLook HTMLListCtrl::ItemLook(int index) const
{
    if (index < 0 || index >= ItemCount()) {
        return {};
    }
    return items[static_cast<std::size_t>(index)].look;
}

QColor HTMLListCtrl::TintColour()
{
    return Lighten(kSelectionColour, 0.65);
}

QColor HTMLListCtrl::DimmedTextColour(const QColor& background)
{
    return WithContrast(QColor(130, 130, 130), background, kMinimumTextContrast);
}

void HTMLListCtrl::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

void HTMLListCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        if (!SendNotify(HLN_RBUTTONDOWN, -1)) {
            return;
        }
    } else if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        if (!SendNotify(HLN_LBUTTONDOWN, -1)) {
            return;
        }
        selected = -1;
        const int hit = HitTest(event->position().toPoint());
        if (!SendNotify(HLN_SELECT, hit)) {
            return;
        }
        selected = hit;
        viewport()->update();
    }
    event->accept();
}

void HTMLListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is reported only as a double click.
    if (event->button() == Qt::LeftButton) {
        SendNotify(HLN_DBLCLK, -1);
    }
    event->accept();
}

void HTMLListCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int last = ItemCount() - 1;
    if (key == Qt::Key_Up) {
        if (selected == -1) {
            selected = 0;
        } else if (selected > 0) {
            --selected;
        }
    } else if (selected == -1) {
        selected = last;
    } else if (selected < last) {
        ++selected;
    }
    EnsureVisible(selected);
    viewport()->update();
    if (selected >= 0 && selected <= last) {
        SendNotify(HLN_SELECT, selected);
    }
    event->accept();
}

void HTMLListCtrl::OnScrollAction(int action)
{
    // Arrows and page areas both move 50 pixels; at either end they do nothing.
    QScrollBar* bar = verticalScrollBar();
    const int pos = bar->value();
    const int limit = bar->maximum();
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
        case QAbstractSlider::SliderPageStepSub:
            bar->setSliderPosition(pos - std::min(std::max(pos, 0), kScrollStep));
            break;
        case QAbstractSlider::SliderSingleStepAdd:
        case QAbstractSlider::SliderPageStepAdd:
            bar->setSliderPosition(pos + std::min(std::max(limit - pos, 0), kScrollStep));
            break;
        default:
            break;
    }
}

void HTMLListCtrl::ScrollWheel(int angleDelta)
{
    // Whole notches scroll; the rest of a fine-grained wheel's delta waits for more.
    if (angleDelta == 0) {
        return;
    }
    if ((angleDelta > 0) != (wheelRemainder > 0)) {
        wheelRemainder = 0;
    }
    wheelRemainder += angleDelta;
    QScrollBar* bar = verticalScrollBar();
    while (wheelRemainder >= kWheelNotch) {
        bar->setValue(std::max(bar->value() - kWheelStep, 0));
        wheelRemainder -= kWheelNotch;
    }
    while (wheelRemainder <= -kWheelNotch) {
        bar->setValue(std::min(bar->value() + kWheelStep, bar->maximum()));
        wheelRemainder += kWheelNotch;
    }
}

void HTMLListCtrl::wheelEvent(QWheelEvent* event)
{
    ScrollWheel(event->angleDelta().y());
    event->accept();
}

bool HTMLListCtrl::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel over the scroll bar moves the list as it does over the items.
    if (watched == verticalScrollBar() && event->type() == QEvent::Wheel) {
        ScrollWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void HTMLListCtrl::UpdateSelectedItem()
{
    const QRect rect = GetItemRect(selected);
    if (!rect.isEmpty()) {
        viewport()->update(rect);
    }
}

void HTMLListCtrl::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    focused = true;
    UpdateSelectedItem();
}

void HTMLListCtrl::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    focused = false;
    UpdateSelectedItem();
}

}  // namespace quillby
