#include <algorithm>
#include <string>

#include "core/game/game.h"

namespace quillby {

namespace {

bool StartsWith(const std::string& text, const std::string& start)
{
    return text.compare(0, start.size(), start) == 0;
}

}  // namespace

std::vector<ClueLineLook> Game::ClueLineLooks()
{
    const std::vector<std::string>& lines = clueList.Lines();
    std::vector<ClueLineLook> looks(lines.size());
    // An entry left without a line keeps an old clueItemId: only a line in the entry's own
    // section that starts with its number is its line.
    const auto downHeader = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return StartsWith(line, "<font") && line.find("Down") != std::string::npos;
    });
    const std::size_t down = static_cast<std::size_t>(downHeader - lines.begin());
    auto lineOf = [&](const AnswerEntry& entry) -> ClueLineLook* {
        const std::size_t id = entry.clueItemId;
        const bool inSection = entry.direction == kAcross ? id > 0 && id < down : id > down;
        if (entry.start == nullptr || id >= lines.size() || !inSection ||
            !StartsWith(lines[id], std::to_string(entry.start->number) + ") ")) {
            return nullptr;
        }
        return &looks[id];
    };
    for (const AnswerEntry& entry : crossword.answers) {
        ClueLineLook* look = lineOf(entry);
        if (look == nullptr || CreateMode()) {
            continue;
        }
        const auto squares = crossword.EntrySquares(entry);
        look->complete = !squares.empty() &&
                         std::all_of(squares.begin(), squares.end(),
                                     [](const Square* square) { return square->guess != 0; });
    }
    if (const Square* cursor = crossword.cursorSquare) {
        const int other = cursor->cursorDown ? kAcross : kDown;
        if (const AnswerEntry* crossing = crossword.FindEntryAt(cursor->col, cursor->row, other)) {
            if (ClueLineLook* look = lineOf(*crossing)) {
                look->crossing = true;
            }
        }
    }
    return looks;
}

}  // namespace quillby
