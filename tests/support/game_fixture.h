#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game/game.h"
#include "support/puzzles.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"

namespace quillby::testing {

// A game on a fresh application folder, its questions to the desktop answered by a script.
class GameFixture : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};

    void MakePuzzle(const std::vector<std::string>& rows) { testing::MakePuzzle(game, rows); }
};

}  // namespace quillby::testing
