#include "ui/creator/clue_entry_dialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillby {

namespace {

constexpr int kMaxEntryCharacters = 128;

}  // namespace

ClueEntryDialog::ClueEntryDialog(const QString& label, ClueEntryCheck check, QWidget* parent)
    : QDialog(parent), check(std::move(check))
{
    setWindowTitle(QStringLiteral("Crossword"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    QGroupBox* group = BuildGroup(label);

    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    addButton = new QPushButton(QStringLiteral("Add"), this);
    // Neither button answers Enter: only a click (or Space on a focused button) ends the dialog.
    for (QPushButton* button : {cancelButton, addButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(addButton, &QPushButton::clicked, this, &ClueEntryDialog::OnAdd);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    buttons->addWidget(addButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    group->setMinimumWidth(260);
    questionEdit->setFocus();
}

QGroupBox* ClueEntryDialog::BuildGroup(const QString& label)
{
    auto* group = new QGroupBox(QStringLiteral("Create a clue dialogue"), this);
    auto* questionLabel = new QLabel(QStringLiteral("Please enter a question"), group);
    questionLabel->setAlignment(Qt::AlignCenter);
    questionEdit = new QLineEdit(group);
    questionEdit->setMaxLength(kMaxEntryCharacters);
    answerLabel = new QLabel(label, group);
    answerLabel->setAlignment(Qt::AlignCenter);
    answerEdit = new QLineEdit(group);
    answerEdit->setMaxLength(kMaxEntryCharacters);
    connect(answerEdit, &QLineEdit::textEdited, this, &ClueEntryDialog::UpperCaseAnswer);

    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(questionLabel);
    groupLayout->addWidget(questionEdit);
    groupLayout->addSpacing(6);
    groupLayout->addWidget(answerLabel);
    groupLayout->addWidget(answerEdit);
    return group;
}

ClueEntry ClueEntryDialog::Entry() const
{
    return {closedWith, questionEdit->text().toStdString(), answerEdit->text().toStdString()};
}

void ClueEntryDialog::OnAdd()
{
    const ClueEntry typed = Entry();
    const ClueEntryResult checked =
        check ? check(typed.question, typed.answer) : ClueEntryResult::Add;
    if (checked == ClueEntryResult::Stay) {
        return;
    }
    closedWith = checked;
    done(static_cast<int>(checked));
}

void ClueEntryDialog::UpperCaseAnswer(const QString& text)
{
    const QString upper = text.toUpper();
    if (upper == text) {
        return;
    }
    const int position = answerEdit->cursorPosition();
    answerEdit->setText(upper);
    answerEdit->setCursorPosition(std::min<int>(position, static_cast<int>(upper.size())));
}

void ClueEntryDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();  // swallowed: neither accepts nor cancels
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void ClueEntryDialog::closeEvent(QCloseEvent* event)
{
    closedWith = ClueEntryResult::Cancel;
    QDialog::closeEvent(event);
}

}  // namespace quillby
