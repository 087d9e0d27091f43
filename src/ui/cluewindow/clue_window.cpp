#include "ui/cluewindow/clue_window.h"

#include <QApplication>

namespace quillby {

namespace {

// The client area and the list's place in it, in pixels.
constexpr QSize kClientSize(228, 352);
constexpr QRect kListRect(QPoint(10, 10), QPoint(218, 340));

}  // namespace

ClueWindow::ClueWindow(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Crossword Clues"));
    setWindowIcon(QApplication::windowIcon());
    setFixedSize(kClientSize);
    setSizeGripEnabled(false);
    list = new HTMLListCtrl(this, kListId);
    // Windows-style rectangle: right and bottom are the first pixels outside the list.
    list->setGeometry(kListRect.left(), kListRect.top(), kListRect.right() - kListRect.left(),
                      kListRect.bottom() - kListRect.top());
    connect(list, &HTMLListCtrl::Notify, this, &ClueWindow::OnListNotify);
}

void ClueWindow::Clear()
{
    lastLine = -1;
    list->DeleteAllItems();
    list->viewport()->update();
}

int ClueWindow::AddLine(const std::string& text)
{
    list->AddItem(text);
    return ++lastLine;
}

void ClueWindow::SetLines(const std::vector<std::string>& lines)
{
    Clear();
    for (const std::string& line : lines) {
        AddLine(line);
    }
}

void ClueWindow::SelectLine(int index)
{
    list->SelectItem(index);
    list->viewport()->update();
}

void ClueWindow::SetLineLooks(const std::vector<ClueLineLook>& looks)
{
    std::vector<HTMLItemLook> items;
    items.reserve(looks.size());
    for (const ClueLineLook& look : looks) {
        items.push_back({look.crossing, look.complete});
    }
    list->SetItemLooks(items);
}

void ClueWindow::PlaceAt(const QPoint& place)
{
    placing = true;
    move(place);
    placing = false;
}

void ClueWindow::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    if (!placing && isVisible()) {
        emit MovedByPlayer(pos());
    }
}

std::string ClueWindow::GetLineText(int index) const
{
    return list->GetItemText(index);
}

void ClueWindow::reject()
{
    QDialog::reject();
    emit Closed();
}

void ClueWindow::OnListNotify(int code, int item, const QString&)
{
    if (code == HLN_SELECT) {
        emit ListSelect(item);
    }
}

}  // namespace quillby
