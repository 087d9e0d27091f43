#pragma once

#include <QDialog>

namespace quillby {

inline constexpr const char* kVersionLine = "Quillby Creator Version 1.0";

// The modal About box: the application's icon, its version line and OK.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace quillby
