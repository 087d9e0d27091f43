#include <algorithm>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_puzzles.h"

namespace quillby::cli {

namespace {

// Each entry's clue as the game shows it, Across then Down, each in number order.
nlohmann::json CluesJson(const Game& game)
{
    std::vector<const AnswerEntry*> entries;
    for (const AnswerEntry& entry : game.crossword.answers) {
        entries.push_back(&entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const AnswerEntry* a, const AnswerEntry* b) {
                         return std::pair(a->direction, a->start->number) <
                                std::pair(b->direction, b->start->number);
                     });
    nlohmann::json clues = nlohmann::json::array();
    for (const AnswerEntry* entry : entries) {
        if (const std::optional<std::string> text = game.ClueTextOf(*entry)) {
            clues.push_back({{"number", entry->start->number},
                             {"direction", entry->direction == kAcross ? "across" : "down"},
                             {"text", *text}});
        }
    }
    return clues;
}

}  // namespace

int RunShow(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: quillby-cli show FILE.crs|.puz|.ipuz\n";
        return 2;
    }
    std::optional<PuzzleGame> opened = OpenPuzzleGame(args[0], std::nullopt, err);
    if (!opened) {
        return 1;
    }
    Game& game = *opened->game;
    nlohmann::json json = PuzzleJson(game.crossword, game.userMade, game.clock, game.completed);
    // A puzzle with its own clues shows them, and what it says about itself.
    if (const OwnClues* own = game.OwnCluesOf()) {
        json["clues"] = CluesJson(game);
        json["title"] = own->info.title;
        json["author"] = own->info.author;
        json["copyright"] = own->info.copyright;
        json["notes"] = own->info.notes;
    }
    out << JsonText(json) << "\n";
    return 0;
}

}  // namespace quillby::cli
