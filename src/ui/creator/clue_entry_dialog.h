#pragma once

#include <QDialog>

#include "core/platform/host.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillby {

// The modal "Crossword" dialog that takes a question and an answer for the selected run.
// Add hands both texts to the game's check and closes only when it agrees; Cancel and the
// close box cancel; Enter and Esc do nothing, so a stray key never loses what was typed.
class ClueEntryDialog : public QDialog {
    Q_OBJECT

public:
    ClueEntryDialog(const QString& label, ClueEntryCheck check, QWidget* parent = nullptr);

    ClueEntry Entry() const;
    QLineEdit* QuestionEdit() const { return questionEdit; }
    QLineEdit* AnswerEdit() const { return answerEdit; }
    QPushButton* AddButton() const { return addButton; }
    QPushButton* CancelButton() const { return cancelButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QGroupBox* BuildGroup(const QString& label);
    void OnAdd();
    void UpperCaseAnswer(const QString& text);

    ClueEntryCheck check;
    ClueEntryResult closedWith = ClueEntryResult::Cancel;
    QLineEdit* questionEdit = nullptr;
    QLineEdit* answerEdit = nullptr;
    QLabel* answerLabel = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* addButton = nullptr;
};

}  // namespace quillby
