#include "core/game/game.h"

namespace quillby {

void Game::RefreshClueList()
{
    host.ClueLinesChanged();
}

void Game::SelectLine(std::uint32_t itemId)
{
    host.ClueLineSelected(static_cast<int>(itemId));
}

void Game::AdvanceCluesOfAnswers()
{
    // Brings back the clues that were retired when this puzzle was replaced.
    for (const AnswerEntry& entry : crossword.answers) {
        ClueRecord* record = clues.Find(entry.AnswerWord());
        if (record != nullptr) {
            clues.Advance(*record);
        }
    }
}

}  // namespace quillby
