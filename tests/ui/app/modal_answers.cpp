#include "modal_answers.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace quillby::testing {

ModalAnswers::ModalAnswers()
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswers::Poll);
    timer.start(5);
}

void ModalAnswers::Button(int standardButton)
{
    answers.push_back([this, standardButton](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr) << "expected a message box";
        texts.push_back(box->text());
        box->button(static_cast<QMessageBox::StandardButton>(standardButton))->click();
    });
}

void ModalAnswers::FilePath(const QString& path)
{
    answers.push_back([path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr) << "expected a file dialog";
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();  // QFileDialog::accept, which checks the name
    });
}

void ModalAnswers::Poll()
{
    QWidget* dialog = QApplication::activeModalWidget();
    // Dialogs live on the stack, so a new one may have an old one's address: mark each.
    if (dialog == nullptr || dialog->property("answered").toBool()) {
        return;
    }
    if (answers.empty()) {
        // A dialog nobody expected would hang the test: fail it and close the dialog.
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        ADD_FAILURE() << "unexpected dialog \"" << dialog->windowTitle().toStdString() << "\" "
                      << (box != nullptr ? box->text().toStdString() : std::string());
        dialog->setProperty("answered", true);
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        return;
    }
    dialog->setProperty("answered", true);
    Answer answer = std::move(answers.front());
    answers.pop_front();
    answer(dialog);
}

}  // namespace quillby::testing
