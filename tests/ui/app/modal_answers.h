#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

namespace quillby::testing {

// Answers the modal dialogs a test triggers, in order, from a queue: each answer gets the
// dialog that opened and closes it. Message box texts are recorded.
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget* dialog)>;

    ModalAnswers();

    // A message box answered with one of its standard buttons (QMessageBox::Yes, ...).
    void Button(int standardButton);
    // A file dialog given this path and accepted.
    void FilePath(const QString& path);
    // Any dialog, handled by the test's own answer.
    void Dialog(Answer answer) { answers.push_back(std::move(answer)); }

    std::vector<QString> texts;  // message box texts, in order
    std::size_t Pending() const { return answers.size(); }

private:
    void Poll();

    std::deque<Answer> answers;
    QTimer timer;
};

}  // namespace quillby::testing
