#include "ui/app/preferences_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quillby {

namespace {

// The keys a player may not know are there, above all with the game's own menus.
constexpr const char* kShortcuts =
    "Undo Ctrl+Z, Redo Ctrl+Shift+Z or Ctrl+Y, Pencil Ctrl+E.\n"
    "Check letter, word, puzzle: Ctrl+K, Ctrl+Shift+K, Ctrl+Alt+K.\n"
    "Reveal letter, word, puzzle: Ctrl+R, Ctrl+Shift+R, Ctrl+Alt+R.\n"
    "Zoom in, out, actual size: Ctrl++, Ctrl+-, Ctrl+0.";

}  // namespace

PreferencesDialog::PreferencesDialog(const Preferences& current, QWidget* parent)
    : QDialog(parent), start(current)
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(QStringLiteral("Preferences"));

    auto* keyboard = new QGroupBox(QStringLiteral("Keyboard"), this);
    classic = new QRadioButton(QStringLiteral("&Classic: letters, Backspace, Delete and Esc"));
    modern = new QRadioButton(
        QStringLiteral("&Modern: arrows, Tab, Space, Home and End move; typing moves on"));
    skipFilled = new QCheckBox(QStringLiteral("Typing &skips squares already filled"));
    auto* keys = new QVBoxLayout(keyboard);
    keys->addWidget(classic);
    keys->addWidget(modern);
    keys->addWidget(skipFilled);
    classic->setChecked(current.keyboard == KeyboardStyle::Classic);
    modern->setChecked(current.keyboard == KeyboardStyle::Modern);
    skipFilled->setChecked(current.skipFilledSquares);
    skipFilled->setEnabled(modern->isChecked());
    connect(modern, &QRadioButton::toggled, skipFilled, &QCheckBox::setEnabled);

    showMistakes = new QCheckBox(QStringLiteral("Show mistakes as I &type"), this);
    showMistakes->setChecked(current.showMistakes);
    modernMenus = new QCheckBox(
        QStringLiteral("&Edit and View menus and a Pencil button on the toolbar"), this);
    modernMenus->setChecked(current.modernMenus);
    desktopColours =
        new QCheckBox(QStringLiteral("&Desktop colour scheme (follows light or dark)"), this);
    desktopColours->setChecked(current.desktopColours);
    squareSize = new QSpinBox(this);
    squareSize->setRange(kMinSquarePitch, kMaxSquarePitch);
    squareSize->setSuffix(QStringLiteral(" pixels"));
    squareSize->setValue(current.squarePitch);
    auto* size = new QFormLayout;
    size->addRow(QStringLiteral("S&quare size (36 is actual size):"), squareSize);

    auto* shortcuts = new QLabel(QString::fromUtf8(kShortcuts), this);
    shortcuts->setObjectName(QStringLiteral("shortcuts"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(keyboard);
    layout->addWidget(showMistakes);
    layout->addWidget(modernMenus);
    layout->addWidget(desktopColours);
    layout->addLayout(size);
    layout->addWidget(shortcuts);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

Preferences PreferencesDialog::Chosen() const
{
    Preferences chosen = start;
    chosen.keyboard = modern->isChecked() ? KeyboardStyle::Modern : KeyboardStyle::Classic;
    chosen.skipFilledSquares = skipFilled->isChecked();
    chosen.showMistakes = showMistakes->isChecked();
    chosen.modernMenus = modernMenus->isChecked();
    chosen.desktopColours = desktopColours->isChecked();
    chosen.squarePitch = squareSize->value();
    return chosen;
}

}  // namespace quillby
