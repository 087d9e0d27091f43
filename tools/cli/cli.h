#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/model/crossword.h"
#include "core/storage/puzzle_file.h"

namespace quillby::cli {

// One subcommand: its name, its one-line help and what runs it. Each returns the exit status.
struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(std::span<const std::string> args, std::ostream& out, std::ostream& err);
};

// Every subcommand, in the order --help lists them.
std::span<const Command> Commands();
int Main(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The text of a JSON value as every subcommand prints it. Text that is not UTF-8 (a folder's
// name, a clue file written elsewhere) shows U+FFFD rather than ending the program.
template <typename Json>
std::string JsonText(const Json& value, int indent = -1)
{
    return value.dump(indent, ' ', false, Json::error_handler_t::replace);
}

// The puzzle as the JSON object that `show` prints (and `generate` extends).
nlohmann::json PuzzleJson(Crossword& crossword, std::uint8_t userMade, const Clock& clock,
                          bool completed);

// The value after a flag such as --file, or fallback when the flag is absent.
std::string FlagValue(std::span<const std::string> args, const std::string& flag,
                      const std::string& fallback);
bool HasFlag(std::span<const std::string> args, const std::string& flag);
// The flags a usage line gives a value ("--seed N", "[--file PATH]", "--size 9|11").
std::vector<std::string> ValueFlags(std::string_view usage);
// The first of those flags in args with no value after it (at the end, or followed by another
// "--" flag); Main refuses the command line then, naming it.
std::optional<std::string> FlagWithoutValue(std::span<const std::string> args,
                                            std::string_view usage);

// The subcommands, one file each.
int RunShow(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunConvert(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunClues(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// --- Word graph and generation (cli_words.cpp, cli_generate.cpp, cli_freshness.cpp) ------
int RunWords(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunGenerate(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunFreshness(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// Data checks.
int RunClueAudit(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunCheckData(std::span<const std::string> args, std::ostream& out, std::ostream& err);
// The player's folder (cli_update_data.cpp).
int RunUpdateData(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace quillby::cli
