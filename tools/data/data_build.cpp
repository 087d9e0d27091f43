#include "data/data_build.h"

#include <cstdio>
#include <filesystem>

#include "core/common/file_io.h"
#include "core/generator/generation_job.h"
#include "core/storage/puzzle_file.h"
#include "core/wordgraph/dawg_writer.h"
#include "data/answer_choice.h"
#include "data/checked_pattern.h"
#include "data/clue_sources.h"
#include "data/clue_writer.h"
#include "data/fill_word_choice.h"
#include "data/grid_pattern.h"
#include "data/media_files.h"
#include "data/text_util.h"
#include "data/word_list.h"

namespace quillby::data {

namespace {

Status WriteTemplates(const DataSources& sources, const std::string& dataFolder, int size)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    auto text = ReadTextFile(sources.toolsFolder + "/templates/" + name + ".txt");
    if (!text) {
        return Status::Failure(text.Error());
    }
    auto patterns = ParsePatterns(text.Value(), size);
    if (!patterns) {
        return Status::Failure(name + ".txt: " + patterns.Error());
    }
    // 13 and 15 are the fully checked sizes, held to their own rules.
    const bool checked = size == 13 || size == 15;
    for (std::size_t i = 0; i < patterns->size(); ++i) {
        const auto problems = checked ? CheckedPatternProblems(patterns.Value()[i])
                                      : PatternProblems(patterns.Value()[i]);
        if (!problems.empty()) {
            return Status::Failure(name + ".txt pattern " + std::to_string(i + 1) + ": " +
                                   problems.front());
        }
    }
    return WriteFileAtomically(dataFolder + "/" + name, PatternBytes(patterns.Value()));
}

// The puzzle shown when there is no autosave: generated the way the game generates, from the
// files just written, with a fixed seed. Its clue turns are applied to clues, which is saved
// after, so the default puzzle shows clues that do not clash.
Status WriteDefaultPuzzle(const std::string& dataFolder, const DawgRecords& graph, ClueStore& clues)
{
    Dawg dawg;
    Status loaded = dawg.LoadBytes(SerializeDawg(graph));
    if (!loaded) {
        return loaded;
    }
    Rng rng(kDefaultPuzzleSeed);
    GenerationJob job(dawg, clues, rng, dataFolder + "/11x11", 11, kDefaultPuzzleAttempts);
    job.Run();
    if (job.result.load() != GenerationJob::kMade) {
        return Status::Failure("the default puzzle did not fill: " + job.Failure());
    }
    ApplyClueTurns(job.ClueTurns(), clues);
    Crossword& crossword = job.Puzzle();
    crossword.NumberSquares();
    return WriteFileAtomically(dataFolder + "/eng_default.crs",
                               SerializePuzzle(crossword, 0, Clock{}, false));
}

CluedWords ClueAnswers(const ClueSources& inputs, std::vector<AnswerChoice>* candidates)
{
    std::vector<AnswerChoice> choices;
    for (const std::string& word : inputs.Words()) {
        WordClues clues = inputs.Writer().Write(word);
        if (!clues.clues.empty()) {
            choices.push_back(RateAnswer(word, std::move(clues), inputs.Levels(),
                                         inputs.RareAnswers().count(word) != 0));
        }
    }
    ChooseAnswers(choices);
    CluedWords clued;
    clued.candidates = inputs.Words().size();
    for (const AnswerChoice& choice : choices) {
        if (choice.wanted) {
            clued.words.push_back(Upper(choice.word));
            clued.clues.push_back(choice.clues.Texts());
            clued.scores.push_back(choice.clues.Best());
        }
    }
    if (candidates != nullptr) {
        *candidates = std::move(choices);
    }
    return clued;
}

// The fill words' own answers (phrases, long words) join the main clue store after the
// default puzzle is made, so the Original sizes' data cannot change with them.
void AddFillClues(const std::vector<ExtraFillWord>& extra, ClueStore& store)
{
    for (const ExtraFillWord& word : extra) {
        std::int32_t rotation = 0;
        for (const std::string& question : word.clues) {
            store.AddRecord(ClueRecord{question, word.letters, 0, 0, rotation++});
        }
    }
}

}  // namespace

Result<CluedWords> WriteClues(const DataSources& sources, std::vector<AnswerChoice>* candidates)
{
    auto loaded = ClueSources::Load(sources);
    if (!loaded) {
        return Result<CluedWords>::Failure(loaded.Error());
    }
    return ClueAnswers(*loaded.Value(), candidates);
}

Status WriteClueTable(const std::vector<AnswerChoice>& candidates, const std::string& path)
{
    std::string text;
    char number[32];
    for (const AnswerChoice& choice : candidates) {
        std::snprintf(number, sizeof number, "\t%d\t%.3f\t%d", choice.level, choice.value,
                      choice.wanted ? 1 : 0);
        text += Upper(choice.word) + number;
        for (const ScoredClue& clue : choice.clues.clues) {
            std::snprintf(number, sizeof number, "\t%.3f ", clue.score);
            text += number + clue.text;
        }
        text += "\n";
    }
    const auto* bytes = reinterpret_cast<const std::byte*>(text.data());
    return WriteFileAtomically(path, std::vector<std::byte>(bytes, bytes + text.size()));
}

ClueStore MakeClueStore(const CluedWords& clued)
{
    ClueStore store;
    for (std::size_t i = 0; i < clued.words.size(); ++i) {
        std::int32_t rotation = 0;
        for (const std::string& question : clued.clues[i]) {
            store.AddRecord(ClueRecord{question, clued.words[i], 0, 0, rotation++});
        }
    }
    return store;
}

Result<std::string> ExplainClues(const DataSources& sources, const std::vector<std::string>& words)
{
    auto loaded = ClueSources::Load(sources);
    if (!loaded) {
        return Result<std::string>::Failure(loaded.Error());
    }
    std::string text;
    for (const std::string& word : words) {
        text += loaded.Value()->Writer().Explain(word);
    }
    return text;
}

Status WriteAppData(const DataSources& sources, const std::string& appFolder,
                    const std::string& tablePath)
{
    const std::string dataFolder = appFolder + "/data";
    const std::string resFolder = appFolder + "/res";
    std::error_code error;
    std::filesystem::create_directories(dataFolder, error);
    std::filesystem::create_directories(resFolder, error);
    auto loaded = ClueSources::Load(sources);
    if (!loaded) {
        return Status::Failure(loaded.Error());
    }
    const ClueSources& inputs = *loaded.Value();
    std::vector<AnswerChoice> candidates;
    const CluedWords clued = ClueAnswers(inputs, tablePath.empty() ? nullptr : &candidates);
    if (!tablePath.empty()) {
        if (Status written = WriteClueTable(candidates, tablePath); !written) {
            return written;
        }
    }
    DawgRecords graph = BuildDawgRecords(clued.words);
    ShuffleEdgeOrder(graph, kEdgeOrderSeed);
    Status status = WriteDawgFile(dataFolder + "/eng_dawg", graph);
    ClueStore store = MakeClueStore(clued);
    if (status) {
        status = ClueStore().Save(dataFolder + "/output_user.b");
    }
    for (int size : {9, 11, 13, 15}) {
        if (status) {
            status = WriteTemplates(sources, dataFolder, size);
        }
    }
    // The default puzzle may move some clues on, so the store is saved after it.
    if (status) {
        status = WriteDefaultPuzzle(dataFolder, graph, store);
    }
    if (status) {
        const FillWordChoice fill = ChooseFillWords(inputs, clued);
        AddFillClues(fill.extra, store);
        status = WriteFileAtomically(dataFolder + "/eng_fill_words", SerializeFillWords(fill.list));
    }
    if (status) {
        status = store.Save(dataFolder + "/eng_clues.b");
    }
    if (status) {
        status = WriteFileAtomically(dataFolder + "/click.wav", ClickWav());
    }
    if (status) {
        status = WriteFileAtomically(resFolder + "/cursor.cur", PenCursor());
    }
    return status;
}

}  // namespace quillby::data
