#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>

#include "cli/cli.h"
#include "core/clues/clue_store.h"
#include "core/common/file_io.h"

namespace quillby::cli {

namespace {

// The store in the file, or the reason on err. A missing file is an error here: the game
// treats it as an empty store, but a tool asked about a file should say it is not there.
bool LoadStore(const std::string& path, ClueStore& store, std::ostream& err)
{
    const auto bytes = ReadWholeFile(path, ClueStore::kMaxFileBytes);
    if (!bytes) {
        err << bytes.Error() << "\n";
        return false;
    }
    const Status parsed = store.Parse(bytes.Value());
    if (!parsed) {
        err << path << ": " << parsed.Error() << "\n";
        return false;
    }
    return true;
}

void PrintStats(const ClueStore& store, std::ostream& out)
{
    std::map<std::size_t, LengthCount> byLength;
    for (const ClueRecord& record : store.Records()) {
        LengthCount& count = byLength[record.answer.size()];
        ++count.total;
        count.unsolved += record.solved == 0 ? 1 : 0;
    }
    nlohmann::ordered_json lengths = nlohmann::ordered_json::object();
    for (const auto& [length, count] : byLength) {
        lengths[std::to_string(length)] = {{"total", count.total}, {"unsolved", count.unsolved}};
    }
    const nlohmann::ordered_json stats = {{"records", store.Size()}, {"byLength", lengths}};
    out << JsonText(stats) << "\n";
}

void PrintWord(const ClueStore& store, const std::string& word, std::ostream& out)
{
    const ClueRecord* current = store.Find(word);
    for (const ClueRecord& record : store.Records()) {
        if (record.answer != word) {
            continue;
        }
        const nlohmann::ordered_json line = {
            {"question", record.question},   {"answer", record.answer},
            {"solved", record.solved != 0},  {"rotation", record.rotation},
            {"current", &record == current},
        };
        // Questions are 8-bit text; bytes that are not UTF-8 are shown as U+FFFD.
        out << JsonText(line) << "\n";
    }
}

}  // namespace

int RunClues(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const std::string path = FlagValue(args, "--file", "data/eng_clues.b");
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--file") {
            ++i;
        } else if (args[i] != "--stats") {
            words.push_back(args[i]);
        }
    }
    const bool stats = HasFlag(args, "--stats");
    if (stats == !words.empty() || words.size() > 1 ||
        (HasFlag(args, "--file") && FlagValue(args, "--file", "").empty())) {
        err << "usage: quillby-cli clues WORD [--file PATH] | clues --stats [--file PATH]\n";
        return 2;
    }
    ClueStore store;
    if (!LoadStore(path, store, err)) {
        return 1;
    }
    if (stats) {
        PrintStats(store, out);
        return 0;
    }
    // Answers are stored in capitals; a word typed in lower case means the same word.
    std::string word = words[0];
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    PrintWord(store, word, out);
    return 0;
}

}  // namespace quillby::cli
