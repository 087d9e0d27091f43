#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/game/clue_list.h"
#include "ui/cluewindow/html_list_ctrl.h"

namespace quillby {

// The floating "Crossword Clues" window: one HTMLListCtrl holding the Across and Down clue
// lines. Closing it (close box, Esc) only hides it. It holds no game rules: the lines come
// from the game, and a click on a line is passed on through ListSelect.
class ClueWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kListId = 123;

    explicit ClueWindow(QWidget* parent = nullptr);

    // Removes every line; the highlighted position is kept.
    void Clear();
    // Adds a line and returns its index (0 for the first line after Clear).
    int AddLine(const std::string& text);
    // Clear, then every line in order.
    void SetLines(const std::vector<std::string>& lines);
    // Highlights the line and scrolls it into view (20 * index - 15, clamped).
    void SelectLine(int index);
    // The crossing clue is tinted and complete clues greyed, one look per line.
    void SetLineLooks(const std::vector<ClueLineLook>& looks);
    // Moves the window without taking it for the player's own move.
    void PlaceAt(const QPoint& place);
    // Empty when there is no such line.
    std::string GetLineText(int index) const;

    int LastLine() const { return lastLine; }
    HTMLListCtrl& List() { return *list; }

    // The close box and Esc end the dialog this way: the window hides and says so.
    void reject() override;

signals:
    // A click on the list (item -1 below the lines), or Up / Down moving the highlight.
    void ListSelect(int item);
    // The user closed the window.
    void Closed();
    // The player moved the window (a move not made by PlaceAt).
    void MovedByPlayer(const QPoint& place);

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    bool placing = false;
    void OnListNotify(int code, int item, const QString& text);

    HTMLListCtrl* list = nullptr;
    int lastLine = -1;
};

}  // namespace quillby
