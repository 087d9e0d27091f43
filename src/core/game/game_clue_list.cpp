#include "core/game/game.h"

namespace quillby {

void Game::RefreshClueList()
{
    host.ClueLinesChanged();
}

void Game::AdvanceCluesOfAnswers()
{
}

}  // namespace quillby
