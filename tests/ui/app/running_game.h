#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/temp_app_folder.h"
#include "ui/app/app_folder_files.h"
#include "ui/app/main_frame.h"
#include "ui/app/modal_answers.h"
#include "ui/app/quillby_app.h"

namespace quillby::testing {

// The real program on a fresh folder with the 3 x 3 puzzle (1 CAT, 3 WET across; 1 COW,
// 2 TAT down; TAT has no clue), started with a preferences file of the test's.
class RunningGame : public ::testing::Test {
protected:
    TempAppFolder folder;
    ModalAnswers answers;
    std::unique_ptr<CQuillbyApp> app;

    void SetUp() override
    {
        WriteStartingFiles(folder,
                           {{"Feline pet", "CAT"}, {"Dairy animal", "COW"}, {"Soaked", "WET"}});
    }
    void TearDown() override { Stop(); }

    void Start(const std::string& preferences = "")
    {
        if (!preferences.empty()) {
            const auto* text = reinterpret_cast<const std::byte*>(preferences.data());
            WriteBytes(folder.Data("preferences.ini"), {text, text + preferences.size()});
        }
        app = std::make_unique<CQuillbyApp>(folder.Path());
        app->Start();
    }
    // The program ends without asking, as when the game was left with nothing to save.
    void Stop()
    {
        if (app && Frame().isVisible()) {
            game().modified = false;
            Frame().close();
        }
        app.reset();
    }
    Game& game() { return app->GameState(); }
    CMainFrame& Frame() { return app->Frame(); }
    CQuillbyView& View() { return Frame().View(); }
};

}  // namespace quillby::testing
