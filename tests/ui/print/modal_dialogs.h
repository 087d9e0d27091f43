#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

namespace quillby::testing {

// Answers the modal dialogs that open, in order; each answer gets the dialog and must close it.
class ModalDialogs : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalDialogs()
    {
        connect(&timer, &QTimer::timeout, this, &ModalDialogs::Poll);
        timer.start(5);
    }
    void Then(Answer answer) { answers.push_back(std::move(answer)); }
    std::size_t Pending() const { return answers.size(); }
    std::vector<QString> titles;  // of every dialog answered

private:
    void Poll()
    {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->property("answered").toBool() || answers.empty()) {
            return;
        }
        dialog->setProperty("answered", true);
        titles.push_back(dialog->windowTitle());
        Answer answer = std::move(answers.front());
        answers.pop_front();
        answer(dialog);
    }

    std::deque<Answer> answers;
    QTimer timer;
};

}  // namespace quillby::testing
