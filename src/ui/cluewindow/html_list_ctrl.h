#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QString>
#include <string>
#include <vector>

namespace quillby {

// What a notification of HTMLListCtrl::Notify reports.
enum HtmlListCode : int {
    HLN_SELECT = 1,       // a left click (item, or -1 below the items) or Up / Down
    HLN_LBUTTONDOWN = 2,  // every left press, before the hit test; item -1
    HLN_RBUTTONDOWN = 3,  // every right press; item -1
    HLN_DBLCLK = 4,       // every left double click; item -1
};

// How an item is shown besides its text: tinted (a pale form of the selection colour) and
// dimmed (its plain text in a grey that stays readable on its background).
struct HTMLItemLook {
    bool tinted = false;
    bool dimmed = false;
    bool operator==(const HTMLItemLook&) const = default;
};

// One entry of the list: marked-up text and its measured height (text height + 10).
struct HTMLListItem {
    int index = 0;
    int height = 0;
    std::string text;
    HTMLItemLook look;
};

// A vertical list of items written in the clue lines' markup, each word-wrapped to the
// control's width and as high as its text needs. It scrolls pixel by pixel; one item can be
// selected and is drawn highlighted. Items are measured when added and again on resize only.
class HTMLListCtrl : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit HTMLListCtrl(QWidget* parent = nullptr, int controlId = 0);

    // Appends an item and returns its index. The list is not repainted.
    int AddItem(const std::string& text);
    // Removes every item; the selection and the scroll position stay as they are.
    void DeleteAllItems();
    // Selects the item and scrolls to 20 * index - 15 (clamped). The caller repaints.
    void SelectItem(int index);
    // Empty when no item has that index.
    std::string GetItemText(int index) const;
    // Where the item is in the viewport's coordinates, scroll position applied; empty when
    // no item has that index.
    QRect GetItemRect(int index) const;
    // Scrolls just enough for the item to be fully visible.
    void EnsureVisible(int index);
    // One look per item, in index order (missing ones plain); repaints only what changed.
    void SetItemLooks(const std::vector<HTMLItemLook>& looks);
    HTMLItemLook ItemLook(int index) const;
    // The tint and the dimmed text colour of an item drawn on this background.
    static QColor TintColour();
    static QColor DimmedTextColour(const QColor& background);

    int controlId() const { return id; }
    int ItemCount() const { return static_cast<int>(items.size()); }
    int ItemHeight(int index) const;
    int TotalHeight() const { return totalHeight; }
    int Selected() const { return selected; }
    int ScrollPosition() const;
    const QFont& ListFont() const { return listFont; }

    static constexpr QColor kSelectionColour{127, 201, 254};

signals:
    // Sent synchronously; the receiver may change the list (or the focus) while handling it.
    void Notify(int code, int item, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int MeasureItem(const std::string& text) const;
    void Relayout();
    void UpdateScrollRange();
    int ScrollLimit() const;
    int HitTest(QPoint point) const;
    int ItemTop(int index) const;
    void OnScrollAction(int action);
    void ScrollWheel(int angleDelta);
    bool SendNotify(int code, int item);
    void DrawItem(QPainter& painter, const HTMLListItem& item, const QRect& rect,
                  const QRect& clip) const;
    void UpdateSelectedItem();

    std::vector<HTMLListItem> items;  // in index order, which is also the painting order
    int id = 0;
    int totalHeight = 0;
    int clientWidth = 0;  // the viewport's size when items were last measured
    int clientHeight = 0;
    int selected = -1;
    bool focused = false;  // drawn with a focus rectangle on the selected item
    int wheelRemainder = 0;
    QFont listFont;
};

}  // namespace quillby
