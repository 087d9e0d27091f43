#pragma once

#include <QDialog>

#include "core/model/own_clues.h"

class QLabel;
class QPlainTextEdit;

namespace quillby {

// The modal "Puzzle Info" box, in the manner of the About box: the puzzle's title, author,
// copyright and notes as the file gives them (a dash for what it leaves out), and OK.
class PuzzleInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit PuzzleInfoDialog(const PuzzleInfo& info, QWidget* parent = nullptr);

    // The shown texts, for tests.
    QString TitleText() const;
    QString AuthorText() const;
    QString CopyrightText() const;
    QString NotesText() const;

private:
    QLabel* title = nullptr;
    QLabel* author = nullptr;
    QLabel* copyright = nullptr;
    QPlainTextEdit* notes = nullptr;
};

}  // namespace quillby
