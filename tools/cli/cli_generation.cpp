#include "cli/cli_generation.h"

#include <charconv>
#include <chrono>
#include <ostream>

#include "cli/cli.h"
#include "core/generator/fill_index.h"
#include "core/generator/generation_job.h"

namespace quillby::cli {

std::string GenerationData::Templates(int size) const
{
    return folder + "/" + std::to_string(size) + "x" + std::to_string(size);
}

const FillWordList* GenerationData::FillWordsFor(int size)
{
    if (size != 13 && size != 15) {
        return nullptr;
    }
    // The shipped fill words when the folder has them, else the graph's clued words.
    if (!fillWordsMade) {
        auto read = ReadFillWords(folder + "/eng_fill_words");
        fillWords = read ? std::move(read.Value()) : FillWordsFromWordGraph(dawg, clues);
        fillWordsMade = true;
    }
    return &fillWords;
}

bool IsPuzzleSize(std::int64_t size)
{
    return size == 9 || size == 11 || size == 13 || size == 15;
}

bool LoadGenerationData(const std::string& folder, GenerationData& data, std::ostream& err)
{
    data.folder = folder;
    const std::string dawgPath = folder + "/eng_dawg";
    if (const Status loaded = data.dawg.Load(dawgPath); !loaded) {
        err << "cannot load the word graph: " << loaded.Error() << "\n";
        return false;
    }
    const std::string cluePath = folder + "/eng_clues.b";
    if (const Status loaded = data.clues.Load(cluePath); !loaded) {
        err << "cannot load the clues: " << loaded.Error() << "\n";
        return false;
    }
    if (data.clues.Empty()) {
        err << "no clues in " << cluePath << "\n";
        return false;
    }
    return true;
}

std::optional<GeneratedPuzzle> GenerateOne(GenerationData& data, Rng& rng, int size,
                                           int maxAttempts, std::ostream& err)
{
    const auto start = std::chrono::steady_clock::now();
    const FillWordList* fillWords = data.FillWordsFor(size);
    GenerationJob job(data.dawg, data.clues, rng, data.Templates(size), size, maxAttempts,
                      fillWords);
    if (fillWords != nullptr) {
        job.AvoidRecent(data.recent);
    }
    job.Run();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (job.result.load() != GenerationJob::kMade) {
        err << "no puzzle: " << job.Failure() << "\n";
        return std::nullopt;
    }
    // As the game adopts a puzzle: its clashing clues move on to others.
    ApplyClueTurns(job.ClueTurns(), data.clues);
    GeneratedPuzzle puzzle;
    puzzle.crossword = std::move(job.Puzzle());
    puzzle.crossword.NumberSquares();
    if (job.FullyChecked()) {
        data.recent.Add(puzzle.crossword.AnswerWords());
    }
    puzzle.attempts = job.Attempts();
    puzzle.templateIndex = job.TemplateIndex();
    puzzle.millis = elapsed.count();
    return puzzle;
}

std::optional<std::int64_t> ParseNumber(const std::string& text, std::int64_t low,
                                        std::int64_t high)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::string DataFolder(std::span<const std::string> args)
{
    return FlagValue(args, "--data", "data");
}

}  // namespace quillby::cli
