#include "ui/app/qt_host.h"

#include <QFileDialog>
#include <QMessageBox>

#include "ui/generator/puzzle_size_dialog.h"

namespace quillby {

namespace {

const QString kFilter = QStringLiteral("Crossword files (*.crs)");

}  // namespace

Reply QtHost::ShowMessage(const std::string& text, const std::string& caption, Buttons buttons)
{
    QMessageBox box(window);
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(caption));
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Reply::Yes;
        case QMessageBox::No:
            return Reply::No;
        case QMessageBox::Cancel:
            return Reply::Cancel;
        default:
            // The close box of a Yes/No/Cancel box counts as Cancel.
            return buttons == Buttons::Ok ? Reply::Ok : Reply::Cancel;
    }
}

std::optional<std::string> QtHost::ChooseOpenPath()
{
    const QString path =
        QFileDialog::getOpenFileName(window, QStringLiteral("Open a puzzle"), QString(), kFilter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> QtHost::ChooseSavePath()
{
    QFileDialog dialog(window, QStringLiteral("Save your puzzle"), QString(), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("crs"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void QtHost::PlaySound(const std::string&)
{
}

void QtHost::Repaint(bool)
{
    if (window) {
        window->update();
    }
}

void QtHost::SetTitle(const std::string& title)
{
    if (window) {
        window->setWindowTitle(QString::fromStdString(title));
    }
}

void QtHost::Minimise()
{
    if (window) {
        window->showMinimized();
    }
}

std::optional<int> QtHost::RunPuzzleSizeDialog(Game& game, int choice)
{
    return quillby::RunPuzzleSizeDialog(game, choice, window);
}

}  // namespace quillby
