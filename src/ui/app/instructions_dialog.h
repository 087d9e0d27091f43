#pragma once

#include <QDialog>

namespace quillby {

// The modal "How to play" dialog: a drawn heading, two paragraphs of instructions and Ok.
class InstructionsDialog : public QDialog {
    Q_OBJECT

public:
    // The result the Ok button closes the dialog with.
    static constexpr int kOkResult = 1000;

    explicit InstructionsDialog(QWidget* parent = nullptr);
};

}  // namespace quillby
