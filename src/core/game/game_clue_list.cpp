#include <algorithm>
#include <optional>

#include "core/game/game.h"

namespace quillby {

namespace {

constexpr const char* kAcrossHeader = "<font color=#ff0000><b>-- Across Clues -- <b>";
constexpr const char* kDownHeader = "<font color=#ff0000><b>-- Down Clues -- <b>";

// "%d) %s [%d]" with the clue, or "%d) ??" when there is none and that is to be shown.
std::optional<std::string> ClueLine(const AnswerEntry& entry,
                                    const std::optional<std::string>& clue, bool showMissing)
{
    const std::string number = std::to_string(entry.start->number) + ") ";
    if (clue) {
        return number + *clue + " [" + std::to_string(entry.length) + "]";
    }
    if (showMissing) {
        return number + "??";
    }
    return std::nullopt;
}

}  // namespace

void Game::RefreshClueList()
{
    clueList.Clear();
    // A puzzle's own clues, like the user's, show "??" for an entry without one.
    const bool user = ownClues || CreateMode() || userMade != 0;
    for (const bool across : {true, false}) {
        if (user) {
            AddUserClueSection(across);
        } else {
            AddClueSection(across);
        }
    }
}

void Game::AddClueSection(bool across)
{
    AddSection(across, false);
}

void Game::AddUserClueSection(bool across)
{
    AddSection(across, true);
}

void Game::AddSection(bool across, bool showMissing)
{
    if (crossword.answers.empty()) {
        return;
    }
    const int direction = across ? kAcross : kDown;
    clueList.AddLine(across ? kAcrossHeader : kDownHeader);
    // Reading order of the start squares, which is clue-number order; entries that share a
    // start square keep their answer-list order.
    std::vector<AnswerEntry*> entries;
    for (AnswerEntry& entry : crossword.answers) {
        if (entry.start != nullptr && entry.direction == direction && entry.HasAnswer()) {
            entries.push_back(&entry);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const AnswerEntry* a, const AnswerEntry* b) {
                         return std::pair(a->start->row, a->start->col) <
                                std::pair(b->start->row, b->start->col);
                     });
    for (AnswerEntry* entry : entries) {
        if (std::optional<std::string> line = ClueLine(*entry, ClueTextOf(*entry), showMissing)) {
            entry->clueItemId = static_cast<std::uint32_t>(clueList.AddLine(std::move(*line)));
        }
    }
    host.ClueLinesChanged();
}

bool Game::OnListSelect(int item)
{
    if (item < 0) {
        return false;
    }
    const AnswerEntry* entry = crossword.FindEntryByItemId(static_cast<std::uint32_t>(item));
    if (entry == nullptr || entry->start == nullptr) {
        return false;
    }
    // As if its first square had been clicked, found from its column and row. Without
    // notify: the list has already highlighted the clicked line itself.
    SelectSquare(entry->start, entry->direction, false);
    host.Repaint(false);
    ShowClueInStatus();
    return true;
}

void Game::SelectLine(std::uint32_t itemId)
{
    // A run whose answer has no line leaves no line highlighted, rather than a header.
    clueList.SelectLine(itemId == kNotListed ? -1 : static_cast<int>(itemId));
}

void Game::AdvanceCluesOfAnswers()
{
    if (!UsesClueStores()) {
        return;
    }
    // Brings back the clues that were retired when this puzzle was replaced.
    for (const AnswerEntry& entry : crossword.answers) {
        ClueRecord* record = clues.Find(entry.AnswerWord());
        if (record != nullptr) {
            clues.Advance(*record);
        }
    }
}

}  // namespace quillby
