#include <QApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "core/common/app_folder.h"
#include "core/game/start_arguments.h"
#include "ui/app/quillby_app.h"

int main(int argc, char** argv)
{
    // The game reads its own arguments: Qt is given only the program's name, so nothing on the
    // command line changes how Qt starts.
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillby"));
    QApplication::setDesktopFileName(QStringLiteral("quillby"));

    const auto parsed = quillby::ParseStartArguments(args);
    std::optional<std::string> puzzleFile;
    if (!parsed) {
        std::cerr << "quillby: " << parsed.Error() << "\n";  // the game starts as usual
    } else if (parsed->puzzleFile) {
        // Named from wherever the user was; the application folder may be elsewhere.
        std::error_code error;
        const auto absolute = std::filesystem::absolute(*parsed->puzzleFile, error);
        puzzleFile = error ? *parsed->puzzleFile : absolute.string();
    }

    (void)quillby::SetAppFolder();
    quillby::CQuillbyApp app(quillby::AppFolder().value_or("."));
    app.Start(puzzleFile);
    return QApplication::exec();
}
