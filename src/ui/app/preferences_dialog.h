#pragma once

#include <QDialog>

#include "core/storage/preferences.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace quillby {

// Options > Preferences...: the keyboard, the marks, the menus, the colours and the square
// size. OK hands the choices back through Chosen(); Cancel, Esc and the close box change
// nothing. Fields the dialog does not show (window places, the New Puzzle size) pass through.
class PreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit PreferencesDialog(const Preferences& current, QWidget* parent = nullptr);

    Preferences Chosen() const;

private:
    Preferences start;
    QRadioButton* classic = nullptr;
    QRadioButton* modern = nullptr;
    QCheckBox* skipFilled = nullptr;
    QCheckBox* showMistakes = nullptr;
    QCheckBox* modernMenus = nullptr;
    QCheckBox* desktopColours = nullptr;
    QSpinBox* squareSize = nullptr;
};

}  // namespace quillby
