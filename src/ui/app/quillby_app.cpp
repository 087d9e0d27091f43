#include "ui/app/quillby_app.h"

#include <QApplication>

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
    frame->RefreshCommands();

    const std::string missing = game.MissingDataMessage();
    if (!missing.empty()) {
        (void)host.ShowMessage(missing, kAppTitle, Buttons::Ok);
    }
    if (!game.PreferencesProblem().empty()) {
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
    if (frame != nullptr) {
        frame->CloseWithoutAsking();
    }
}

}  // namespace quillby
