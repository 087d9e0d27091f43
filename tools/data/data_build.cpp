#include "data/data_build.h"

#include <filesystem>

#include "core/common/file_io.h"
#include "core/generator/generation_job.h"
#include "core/storage/puzzle_file.h"
#include "core/wordgraph/dawg_writer.h"
#include "data/clue_writer.h"
#include "data/grid_pattern.h"
#include "data/media_files.h"
#include "data/text_util.h"
#include "data/word_list.h"

namespace quillby::data {

namespace {

Result<std::string> ReadText(const std::string& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Result<std::string>::Failure(bytes.Error());
    }
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

Status WriteTemplates(const DataSources& sources, const std::string& dataFolder, int size)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    auto text = ReadText(sources.toolsFolder + "/templates/" + name + ".txt");
    if (!text) {
        return Status::Failure(text.Error());
    }
    auto patterns = ParsePatterns(text.Value(), size);
    if (!patterns) {
        return Status::Failure(name + ".txt: " + patterns.Error());
    }
    for (std::size_t i = 0; i < patterns->size(); ++i) {
        const auto problems = PatternProblems(patterns.Value()[i]);
        if (!problems.empty()) {
            return Status::Failure(name + ".txt pattern " + std::to_string(i + 1) + ": " +
                                   problems.front());
        }
    }
    return WriteFileAtomically(dataFolder + "/" + name, PatternBytes(patterns.Value()));
}

// The puzzle shown when there is no autosave: generated the way the game generates, from the
// files just written, with a fixed seed.
Status WriteDefaultPuzzle(const std::string& dataFolder, const DawgRecords& graph,
                          const ClueStore& clues)
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
    Crossword& crossword = job.Puzzle();
    crossword.NumberSquares();
    return WriteFileAtomically(dataFolder + "/eng_default.crs",
                               SerializePuzzle(crossword, 0, Clock{}, false));
}

}  // namespace

Result<CluedWords> WriteClues(const DataSources& sources)
{
    const std::vector<std::string> kinds{"english-words", "american-words"};
    auto words = ReadAnswerWords(ScowlFiles(sources.scowlFolder, kinds, sources.scowlLevel));
    // Inflected synonyms are checked against a larger list than the answers come from.
    auto dictionary = ReadDictionary(ScowlFiles(sources.scowlFolder, kinds, 70));
    // Synonyms must be words a player knows: the answer lists' size, any length.
    auto common = ReadDictionary(ScowlFiles(sources.scowlFolder, kinds, sources.scowlLevel));
    auto wordNet = WordNet::Load(sources.wordNetFolder);
    auto blocklist = ReadText(sources.toolsFolder + "/data/blocklist.txt");
    auto handClues = ReadText(sources.toolsFolder + "/data/function_words.txt");
    for (const std::string* error :
         {!words ? &words.Error() : nullptr, !dictionary ? &dictionary.Error() : nullptr,
          !wordNet ? &wordNet.Error() : nullptr, !blocklist ? &blocklist.Error() : nullptr,
          !handClues ? &handClues.Error() : nullptr, !common ? &common.Error() : nullptr}) {
        if (error != nullptr) {
            return Result<CluedWords>::Failure(*error);
        }
    }
    if (words->empty()) {
        return Result<CluedWords>::Failure("no SCOWL word lists under " + sources.scowlFolder);
    }
    const Morphology morphology(wordNet.Value(), dictionary.Value());
    const OffensiveWords offensive = OffensiveWords::Build(wordNet.Value(), blocklist.Value());
    const ClueWriter writer(wordNet.Value(), morphology, offensive,
                            ParseClueTable(handClues.Value()), common.Value());
    CluedWords clued;
    clued.candidates = words->size();
    for (const std::string& word : words.Value()) {
        std::vector<std::string> clues = writer.CluesFor(word);
        if (!clues.empty()) {
            clued.words.push_back(Upper(word));
            clued.clues.push_back(std::move(clues));
        }
    }
    return clued;
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

Status WriteAppData(const DataSources& sources, const std::string& appFolder)
{
    const std::string dataFolder = appFolder + "/data";
    const std::string resFolder = appFolder + "/res";
    std::error_code error;
    std::filesystem::create_directories(dataFolder, error);
    std::filesystem::create_directories(resFolder, error);
    auto clued = WriteClues(sources);
    if (!clued) {
        return Status::Failure(clued.Error());
    }
    DawgRecords graph = BuildDawgRecords(clued->words);
    ShuffleEdgeOrder(graph, kEdgeOrderSeed);
    Status status = WriteDawgFile(dataFolder + "/eng_dawg", graph);
    const ClueStore store = MakeClueStore(clued.Value());
    if (status) {
        status = store.Save(dataFolder + "/eng_clues.b");
    }
    if (status) {
        status = ClueStore().Save(dataFolder + "/output_user.b");
    }
    for (int size : {9, 11}) {
        if (status) {
            status = WriteTemplates(sources, dataFolder, size);
        }
    }
    if (status) {
        status = WriteDefaultPuzzle(dataFolder, graph, store);
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
