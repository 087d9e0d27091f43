#include "data/word_list.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "core/common/file_io.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

template <typename Visit>
Status ForEachLine(const std::vector<std::string>& files, Visit visit)
{
    for (const std::string& path : files) {
        auto bytes = ReadWholeFile(path);
        if (!bytes) {
            return Status::Failure(bytes.Error());
        }
        std::istringstream lines(
            std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        std::string line;
        while (std::getline(lines, line)) {
            visit(Trim(line));
        }
    }
    return Done{};
}

}  // namespace

bool IsAnswerShaped(std::string_view word)
{
    const int length = static_cast<int>(word.size());
    return length >= kShortestAnswer && length <= kLongestAnswer && IsLowerAlpha(word);
}

std::vector<std::string> ScowlFiles(const std::string& folder,
                                    const std::vector<std::string>& kinds, int maxLevel)
{
    std::vector<std::string> files;
    for (const std::string& kind : kinds) {
        for (int level : kScowlLevels) {
            const std::string path = folder + "/" + kind + "." + std::to_string(level);
            std::error_code error;
            if (level <= maxLevel && std::filesystem::exists(path, error)) {
                files.push_back(path);
            }
        }
    }
    return files;
}

Result<std::vector<std::string>> ReadAnswerWords(const std::vector<std::string>& files)
{
    std::vector<std::string> words;
    Status status = ForEachLine(files, [&](std::string_view line) {
        if (IsAnswerShaped(line)) {
            words.emplace_back(line);
        }
    });
    if (!status) {
        return Result<std::vector<std::string>>::Failure(status.Error());
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

Result<std::unordered_set<std::string>> ReadDictionary(const std::vector<std::string>& files)
{
    std::unordered_set<std::string> words;
    Status status = ForEachLine(files, [&](std::string_view line) {
        if (IsLowerAlpha(line)) {
            words.emplace(line);
        }
    });
    if (!status) {
        return Result<std::unordered_set<std::string>>::Failure(status.Error());
    }
    return words;
}

Result<WordLevels> ReadWordLevels(const std::string& folder, const std::vector<std::string>& kinds,
                                  int maxLevel)
{
    WordLevels levels;
    for (int level : kScowlLevels) {
        if (level > maxLevel) {
            break;
        }
        std::vector<std::string> files;
        for (const std::string& path : ScowlFiles(folder, kinds, level)) {
            if (path.size() > 3 && path.substr(path.rfind('.') + 1) == std::to_string(level)) {
                files.push_back(path);
            }
        }
        Status status = ForEachLine(files, [&](std::string_view line) {
            if (IsLowerAlpha(line)) {
                levels.emplace(std::string(line), level);  // a smaller size was read first
            }
        });
        if (!status) {
            return Result<WordLevels>::Failure(status.Error());
        }
    }
    return levels;
}

}  // namespace quillby::data
