#include "cli/cli.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string_view>

#include "core/common/version.h"

namespace quillby::cli {

namespace {

constexpr Command kCommands[] = {
    {"show", "show FILE.crs|.puz|.ipuz", "print a puzzle file as JSON", RunShow},
    {"convert", "convert IN OUT [--title T] [--author A] [--data DIR]",
     "convert a puzzle between .crs, .puz and .ipuz by the names' extensions", RunConvert},
    {"clues", "clues WORD [--file PATH] | clues --stats [--file PATH]",
     "print a word's clue records, or counts by answer length, as JSON", RunClues},
    // Word graph and generation.
    {"words", "words PATTERN [--dawg PATH] [--all]",
     "the words the game's query reports for a pattern such as C*T ('*' an empty square)",
     RunWords},
    {"generate",
     "generate --size 9|11|13|15 [--seed N] [--count K] [--data DIR] [--out FILE.crs] "
     "[--max-attempts M]",
     "generate puzzles headless with the game's own code; one JSON line each", RunGenerate},
    {"freshness",
     "freshness --size 9|11|13|15 [--count N] [--seed S] [--data DIR] [--max-attempts M] "
     "[--reference]",
     "measure how varied N generated puzzles are (initials, repeats, overlap)", RunFreshness},
    // Data checks.
    {"clue-audit",
     "clue-audit [--size 9|11|13|15] [--count K] [--seed S] [--data DIR] [--sample M] [--plain]",
     "generate puzzles as the game does and report how their clues read, as JSON", RunClueAudit},
    {"check-data", "check-data [DIR]", "validate the data files of an application folder",
     RunCheckData},
    // The player's folder.
    {"update-data", "update-data SHIPPED [DIR]",
     "bring an application folder up to date with a shipped one, keeping the player's marks",
     RunUpdateData},
};

void PrintHelp(std::ostream& out)
{
    out << "usage: quillby-cli COMMAND [ARGS]\n\nHeadless tools over the Quillby core.\n\n";
    for (const Command& command : kCommands) {
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    }
    out << "  --version\n      print the version\n";
    out << "  --help\n      this text\n";
}

// Strips the brackets of an optional part: "[--seed" -> "--seed", "N]" -> "N".
std::string_view Bare(std::string_view token)
{
    while (!token.empty() && (token.front() == '[' || token.front() == '(')) {
        token.remove_prefix(1);
    }
    while (!token.empty() && (token.back() == ']' || token.back() == ')')) {
        token.remove_suffix(1);
    }
    return token;
}

}  // namespace

std::vector<std::string> ValueFlags(std::string_view usage)
{
    std::vector<std::string_view> tokens;
    for (std::size_t at = 0; at < usage.size();) {
        const std::size_t end = std::min(usage.find(' ', at), usage.size());
        if (end > at) {
            tokens.push_back(usage.substr(at, end - at));
        }
        at = end + 1;
    }
    std::vector<std::string> flags;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const std::string_view flag = Bare(tokens[i]);
        const std::string_view next = tokens[i + 1];
        // "--seed N" and "[--seed N]" take a value; "[--all]" and "--stats [--file PATH]" not.
        const bool takesValue = flag.starts_with("--") && !tokens[i].ends_with(']') &&
                                !next.starts_with('[') && !next.starts_with('|') &&
                                !Bare(next).starts_with('-');
        if (takesValue && std::find(flags.begin(), flags.end(), std::string(flag)) == flags.end()) {
            flags.emplace_back(flag);
        }
    }
    return flags;
}

std::optional<std::string> FlagWithoutValue(std::span<const std::string> args,
                                            std::string_view usage)
{
    const std::vector<std::string> flags = ValueFlags(usage);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (std::find(flags.begin(), flags.end(), args[i]) == flags.end()) {
            continue;
        }
        // A value never starts with "--": that is the next flag, which must not be swallowed.
        if (i + 1 == args.size() || args[i + 1].starts_with("--")) {
            return args[i];
        }
        ++i;
    }
    return std::nullopt;
}

std::span<const Command> Commands()
{
    return kCommands;
}

int Main(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(args.empty() ? err : out);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
        out << "quillby-cli " << kQuillbyVersion << "\n";
        return 0;
    }
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&](const Command& c) { return args[0] == c.name; });
    if (found == std::end(kCommands)) {
        err << "quillby-cli: unknown command '" << args[0] << "' (see --help)\n";
        return 2;
    }
    const std::span<const std::string> rest = args.subspan(1);
    if (const auto flag = FlagWithoutValue(rest, found->usage)) {
        err << "quillby-cli " << found->name << ": " << *flag << " needs a value (see --help)\n";
        return 2;
    }
    return found->run(rest, out, err);
}

std::string FlagValue(std::span<const std::string> args, const std::string& flag,
                      const std::string& fallback)
{
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == flag) {
            return args[i + 1];
        }
    }
    return fallback;
}

bool HasFlag(std::span<const std::string> args, const std::string& flag)
{
    return std::find(args.begin(), args.end(), flag) != args.end();
}

nlohmann::json PuzzleJson(Crossword& crossword, std::uint8_t userMade, const Clock& clock,
                          bool completed)
{
    nlohmann::json solution = nlohmann::json::array();
    nlohmann::json guesses = nlohmann::json::array();
    nlohmann::json numbers = nlohmann::json::array();
    for (int row = 0; row < crossword.height; ++row) {
        std::string solutionRow;
        std::string guessRow;
        nlohmann::json numberRow = nlohmann::json::array();
        for (int col = 0; col < crossword.width; ++col) {
            const Square& square = *crossword.SquareAt(col, row);
            auto cell = [&](char letter) {
                return !square.open ? '#' : letter != 0 ? letter : '.';
            };
            solutionRow.push_back(cell(square.solution));
            guessRow.push_back(cell(square.guess));
            numberRow.push_back(square.number);
        }
        solution.push_back(solutionRow);
        guesses.push_back(guessRow);
        numbers.push_back(numberRow);
    }
    nlohmann::json answers = nlohmann::json::array();
    for (const AnswerEntry& entry : crossword.answers) {
        answers.push_back({{"number", entry.start->number},
                           {"direction", entry.direction == kAcross ? "across" : "down"},
                           {"col", entry.start->col},
                           {"row", entry.start->row},
                           {"length", entry.length},
                           {"word", std::string(entry.AnswerWord())}});
    }
    return {{"width", crossword.width},
            {"height", crossword.height},
            {"userMade", userMade != 0},
            {"completed", completed},
            {"clock",
             {{"hours", clock.hours},
              {"minutes", clock.minutes},
              {"seconds", clock.seconds},
              {"ticks", clock.ticks}}},
            {"solution", solution},
            {"guesses", guesses},
            {"numbers", numbers},
            {"answers", answers}};
}

}  // namespace quillby::cli
