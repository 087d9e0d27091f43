#include <QApplication>
#include <QMessageBox>

#include "core/common/app_folder.h"
#include "ui/app/folder_lock.h"
#include "ui/app/quillby_app.h"

int main(int argc, char** argv)
{
    // The game takes no arguments: Qt is given only the program's name, so whatever the
    // command line holds, the game starts the same way.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillby"));
    QApplication::setDesktopFileName(QStringLiteral("quillby"));

    (void)quillby::SetAppFolder();
    const std::string folder = quillby::AppFolder().value_or(".");
    quillby::FolderLock lock(folder);
    if (!lock.Acquire()) {
        QMessageBox::warning(nullptr, QStringLiteral("Quillby"), lock.RunningElsewhereText());
        return 1;
    }
    quillby::CQuillbyApp app(folder);
    app.Start();
    return QApplication::exec();
}
