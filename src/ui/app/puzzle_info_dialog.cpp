#include "ui/app/puzzle_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillby {

namespace {

constexpr int kTextWidth = 320;
constexpr int kNotesLines = 6;

QString Shown(const std::string& text)
{
    return text.empty() ? QStringLiteral("\u2014") : QString::fromStdString(text);
}

// A value that wraps, can be selected and copied, and is never read as markup.
QLabel* Value(const std::string& text, QWidget* parent)
{
    auto* label = new QLabel(Shown(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(kTextWidth);
    return label;
}

}  // namespace

PuzzleInfoDialog::PuzzleInfoDialog(const PuzzleInfo& info, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Puzzle Info"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    title = Value(info.title, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    author = Value(info.author, this);
    copyright = Value(info.copyright, this);
    notes = new QPlainTextEdit(Shown(info.notes), this);
    notes->setReadOnly(true);
    notes->setFixedHeight(notes->fontMetrics().lineSpacing() * kNotesLines +
                          2 * notes->frameWidth() + 8);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Title:"), title);
    form->addRow(QStringLiteral("Author:"), author);
    form->addRow(QStringLiteral("Copyright:"), copyright);
    form->addRow(QStringLiteral("Notes:"), notes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString PuzzleInfoDialog::TitleText() const
{
    return title->text();
}

QString PuzzleInfoDialog::AuthorText() const
{
    return author->text();
}

QString PuzzleInfoDialog::CopyrightText() const
{
    return copyright->text();
}

QString PuzzleInfoDialog::NotesText() const
{
    return notes->toPlainText();
}

}  // namespace quillby
