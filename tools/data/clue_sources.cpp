#include "data/clue_sources.h"

#include <sstream>

#include "core/common/file_io.h"
#include "data/text_util.h"

namespace quillby::data {

Result<std::string> ReadTextFile(const std::string& path)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Result<std::string>::Failure(bytes.Error());
    }
    return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

std::vector<std::string> ParseWordList(std::string_view text)
{
    std::vector<std::string> list;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        const std::string_view word = Trim(std::string_view(line).substr(0, line.find('#')));
        if (!word.empty()) {
            list.push_back(Lower(word));
        }
    }
    return list;
}

Result<std::unique_ptr<ClueSources>> ClueSources::Load(const DataSources& sources)
{
    using Loaded = Result<std::unique_ptr<ClueSources>>;
    const std::vector<std::string> kinds{"english-words", "american-words"};
    auto words = ReadAnswerWords(ScowlFiles(sources.scowlFolder, kinds, sources.scowlLevel));
    // Inflected synonyms are checked against a larger list than the answers come from.
    auto dictionary = ReadDictionary(ScowlFiles(sources.scowlFolder, kinds, 70));
    // Synonyms must be words a player knows: the answer lists' size, any length.
    auto common = ReadDictionary(ScowlFiles(sources.scowlFolder, kinds, sources.scowlLevel));
    auto levels = ReadWordLevels(sources.scowlFolder, kinds, sources.scowlLevel);
    auto wordNet = WordNet::Load(sources.wordNetFolder);
    auto blocklist = ReadTextFile(sources.toolsFolder + "/data/blocklist.txt");
    auto breakfast = ReadTextFile(sources.toolsFolder + "/data/breakfast.txt");
    auto handClues = ReadTextFile(sources.toolsFolder + "/data/function_words.txt");
    auto editorClues = ReadTextFile(sources.toolsFolder + "/data/editor_clues.txt");
    auto rare = ReadTextFile(sources.toolsFolder + "/data/rare_answers.txt");
    for (const std::string* error :
         {!words ? &words.Error() : nullptr, !dictionary ? &dictionary.Error() : nullptr,
          !wordNet ? &wordNet.Error() : nullptr, !blocklist ? &blocklist.Error() : nullptr,
          !handClues ? &handClues.Error() : nullptr, !editorClues ? &editorClues.Error() : nullptr,
          !common ? &common.Error() : nullptr, !levels ? &levels.Error() : nullptr,
          !breakfast ? &breakfast.Error() : nullptr, !rare ? &rare.Error() : nullptr}) {
        if (error != nullptr) {
            return Loaded::Failure(*error);
        }
    }
    if (words->empty()) {
        return Loaded::Failure("no SCOWL word lists under " + sources.scowlFolder);
    }
    std::unique_ptr<ClueSources> loaded(new ClueSources);
    ClueSources& s = *loaded;
    s.words = std::move(words.Value());
    s.dictionary = std::move(dictionary.Value());
    s.common = std::move(common.Value());
    s.levels = std::move(levels.Value());
    s.wordNet = std::move(wordNet.Value());
    s.morphology = std::make_unique<Morphology>(s.wordNet, s.dictionary);
    s.unfit = OffensiveWords::Build(s.wordNet, blocklist.Value() + "\n" + breakfast.Value());
    s.breakfast = OffensiveWords::FromList(ParseWordList(breakfast.Value()));
    for (std::string& word : ParseWordList(rare.Value())) {
        s.rareAnswers.insert(std::move(word));
    }
    s.leakCheck = std::make_unique<LeakCheck>(s.wordNet, *s.morphology);
    s.writer = std::make_unique<ClueWriter>(
        s.wordNet, *s.morphology, s.unfit,
        ParseClueTable(handClues.Value() + "\n" + editorClues.Value()), s.common, &s.levels);
    return loaded;
}

}  // namespace quillby::data
