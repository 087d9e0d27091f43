#include <ctime>
#include <ostream>

#include "cli/cli.h"
#include "cli/cli_generation.h"
#include "core/common/file_io.h"
#include "core/generator/generation_job.h"
#include "core/storage/puzzle_file.h"

namespace quillby::cli {

namespace {

constexpr const char* kGenerateUsage =
    "usage: quillby-cli generate --size 9|11|13|15 [--seed N] [--count K] [--data DIR] "
    "[--out FILE.crs] [--max-attempts M]\n";

struct GenerateOptions {
    int size = 0;
    std::uint32_t seed = 0;
    int count = 1;
    int maxAttempts = kDefaultMaxAttempts;
    std::string out;
};

std::optional<GenerateOptions> ParseOptions(std::span<const std::string> args, std::ostream& err)
{
    GenerateOptions options;
    const auto size = ParseNumber(FlagValue(args, "--size", ""), 9, 15);
    const auto seed = ParseNumber(
        FlagValue(args, "--seed", std::to_string(static_cast<std::uint32_t>(std::time(nullptr)))),
        0, 0xFFFFFFFFll);
    const auto count = ParseNumber(FlagValue(args, "--count", "1"), 1, 1000000);
    const auto attempts = ParseNumber(
        FlagValue(args, "--max-attempts", std::to_string(kDefaultMaxAttempts)), 1, 1000000000);
    if (!size || !IsPuzzleSize(*size) || !seed || !count || !attempts) {
        err << kGenerateUsage;
        return std::nullopt;
    }
    options.size = static_cast<int>(*size);
    options.seed = static_cast<std::uint32_t>(*seed);
    options.count = static_cast<int>(*count);
    options.maxAttempts = static_cast<int>(*attempts);
    options.out = FlagValue(args, "--out", "");
    return options;
}

nlohmann::json Describe(GeneratedPuzzle& puzzle, const ClueStore& clues, std::uint32_t seed)
{
    nlohmann::json json = PuzzleJson(puzzle.crossword, 0, Clock{}, false);
    for (std::size_t i = 0; i < puzzle.crossword.answers.size(); ++i) {
        const ClueRecord* clue = clues.Find(puzzle.crossword.answers[i].AnswerWord());
        json["answers"][i]["clue"] = clue != nullptr ? clue->question : "";
    }
    json["seed"] = seed;
    json["attempts"] = puzzle.attempts;
    json["template"] = puzzle.templateIndex;
    json["millis"] = puzzle.millis;
    return json;
}

}  // namespace

int RunGenerate(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(args, err);
    if (!options) {
        return 2;
    }
    GenerationData data;
    if (!LoadGenerationData(DataFolder(args), data, err)) {
        return 1;
    }
    Rng rng(options->seed);
    for (int k = 0; k < options->count; ++k) {
        auto puzzle = GenerateOne(data, rng, options->size, options->maxAttempts, err);
        if (!puzzle) {
            return 1;
        }
        out << JsonText(Describe(*puzzle, data.clues, options->seed)) << "\n" << std::flush;
        if (k == 0 && !options->out.empty()) {
            const Status written = WriteFileAtomically(
                options->out, SerializePuzzle(puzzle->crossword, 0, Clock{}, false));
            if (!written) {
                err << "cannot write " << options->out << ": " << written.Error() << "\n";
                return 1;
            }
        }
        // The game retires the old puzzle's clues before it makes the next one.
        RetireAnswerClues(puzzle->crossword, data.clues);
    }
    return 0;
}

}  // namespace quillby::cli
