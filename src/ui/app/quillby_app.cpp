#include "ui/app/quillby_app.h"

#include <QApplication>
#include <QDialog>

#include "ui/app/app_icon.h"
#include "ui/app/main_frame.h"
#include "ui/view/quillby_view.h"

namespace quillby {

CQuillbyApp::CQuillbyApp(std::string folder) : game(host, std::move(folder))
{
}

CQuillbyApp::~CQuillbyApp()
{
    host.SetFrame(nullptr);
}

void CQuillbyApp::Start()
{
    game.LoadState();
    // From here on each step that may have shown a message looks whether the session ended
    // meanwhile: a message box shown after that would wait for an answer nobody gives.
    if (closing) {
        return;
    }
    // Every window of the game, the clue window and the dialogs included, shows this icon.
    QApplication::setWindowIcon(AppIcon());
    frame = std::make_unique<CMainFrame>(game);
    host.SetFrame(frame.get());

    // The view's first showing: an empty 11 x 11 grid sized to the frame, and the pointer.
    game.crossword.SetGridSize(11, 11);
    frame->FitFrameToGrid(11, 11);
    game.UpdateTitle();
    frame->View().LoadPointer(game.paths.Cursor());

    frame->show();
    frame->RestorePlace();
    frame->PlaceClueWindow(game.clueWindowShown);
    game.UpdateTitle();
    if (game.CreateMode()) {
        game.EnterCreator(true, 11);
    } else {
        game.RestorePlay(false);
    }
    game.puzzlePath.clear();
    if (closing) {
        return;
    }
    frame->RefreshCommands();

    const std::string missing = game.MissingDataMessage();
    if (!missing.empty()) {
        (void)host.ShowMessage(missing, kAppTitle, Buttons::Ok);
    }
    if (!closing && !game.PreferencesProblem().empty()) {
        (void)host.ShowMessage(game.PreferencesProblem(), kAppTitle, Buttons::Ok);
    }
}

void CQuillbyApp::ShowNotice(const std::string& text)
{
    (void)host.ShowMessage(text, kAppTitle, Buttons::Ok);
}

void CQuillbyApp::OpenPuzzleFile(const std::string& path)
{
    (void)game.OpenNamedPuzzle(path);
    frame->RefreshCommands();
}

void CQuillbyApp::CloseWithoutAsking()
{
    closing = true;
    // Each open dialog is turned down, innermost first; its caller goes on as after Cancel.
    // The bound stops a window that will not close from holding the loop.
    for (int i = 0; i < 16; ++i) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            break;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
    if (frame != nullptr) {
        frame->CloseWithoutAsking();
    }
}

}  // namespace quillby
