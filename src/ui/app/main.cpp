#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/common/app_folder.h"
#include "core/common/folder_lock.h"
#include "core/common/start_options.h"
#include "core/common/version.h"
#include "core/storage/data_update.h"
#include "ui/app/quillby_app.h"
#include "ui/app/termination_watch.h"

namespace {

// Brings the application folder up to date before anything is loaded, so the game starts on
// the new data. Returns what the player should be told, if anything.
std::string UpdateData(const std::string& shipped, const std::string& folder)
{
    const std::string message =
        quillby::DataUpdateMessage(quillby::UpdateAppFolder(shipped, folder));
    if (!message.empty()) {
        std::fprintf(stderr, "quillby: %s\n", message.c_str());
    }
    return message;
}

// The puzzle named on the command line, made absolute against where the user was.
std::optional<std::string> PuzzleFileOf(const quillby::StartOptions& options)
{
    if (options.ignoredFiles > 0) {
        std::fprintf(stderr, "quillby: one puzzle at a time: only %s is opened\n",
                     options.puzzleFile.value_or("").c_str());
    }
    if (!options.puzzleFile) {
        return std::nullopt;
    }
    std::error_code error;
    const auto absolute = std::filesystem::absolute(*options.puzzleFile, error);
    return error ? *options.puzzleFile : absolute.string();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto options = quillby::ParseStartOptions(args);
    if (!options) {
        std::fprintf(stderr, "quillby: %s (see --help)\n", options.Error().c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(quillby::StartUsage().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("quillby %s\n", std::string(quillby::kQuillbyVersion).c_str());
        return 0;
    }
    const std::optional<std::string> puzzleFile = PuzzleFileOf(options.Value());
    (void)quillby::SetAppFolder();
    const std::string folder = quillby::AppFolder().value_or(".");

    // Qt is given only the program's name, so Qt's own options never change how the game
    // starts.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillby"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(quillby::kQuillbyVersion.data(), quillby::kQuillbyVersion.size()));
    QApplication::setDesktopFileName(QStringLiteral("quillby"));

    // Before anything in the folder is read or written: a game running there owns it, so
    // neither a second game nor a data update may touch it.
    quillby::FolderLock lock(folder);
    if (!lock.Acquire()) {
        QMessageBox::warning(nullptr, QStringLiteral("Quillby"),
                             QString::fromStdString(lock.RunningElsewhereText()));
        return 1;
    }
    const std::string notice = options->updateFrom ? UpdateData(*options->updateFrom, folder) : "";
    quillby::CQuillbyApp app(folder);
    // Taken over before the log starts, so a signal after it always finds the handler. Ended
    // by the session or by kill: saved as at Quit, without questions nobody can answer; the
    // dialogs open then are turned down and the rest of the start is skipped.
    const quillby::TerminationWatch watch([&app] { app.CloseWithoutAsking(); });
    app.Start();
    if (!notice.empty() && !app.Closing()) {
        app.ShowNotice(notice);
    }
    // Over the usual start: a refused file is reported and the usual puzzle stays.
    if (puzzleFile && !app.Closing()) {
        app.OpenPuzzleFile(*puzzleFile);
    }
    // A signal taken in a message box above has closed the game already; exec would wait on.
    return app.Closing() ? 0 : QApplication::exec();
}
