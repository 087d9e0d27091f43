#pragma once

#include <QDialog>

class QCheckBox;
class QPainter;
class QRect;

namespace quillby {

// The modal "Instructions" shown when Create mode starts, with the box that stops it showing.
class CreatorInstructionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit CreatorInstructionsDialog(bool instructionsOff, QWidget* parent = nullptr);

    // The box's state after "Ok"; the state it started with when the dialog was closed else.
    bool InstructionsOff() const { return instructionsOff; }
    QCheckBox* DontShowBox() const { return dontShow; }

private:
    bool instructionsOff;
    QCheckBox* dontShow = nullptr;
};

// The picture at the top: a small lattice being designed, one run selected and one answered.
void DrawCreatorPicture(QPainter& painter, const QRect& area);

}  // namespace quillby
