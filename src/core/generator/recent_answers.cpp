#include "core/generator/recent_answers.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/generator/fill_words.h"

namespace quillby {

namespace {

constexpr std::string_view kHeader = "quillby recent answers 1";

Result<RecentAnswers> Refuse(std::size_t line, const std::string& why)
{
    return Result<RecentAnswers>::Failure("recent_answers: line " + std::to_string(line) + " " +
                                          why);
}

bool IsAnswer(std::string_view word)
{
    if (word.size() < kMinFillWordLength || word.size() > kMaxFillWordLength) {
        return false;
    }
    for (const char c : word) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

}  // namespace

void RecentAnswers::Add(std::vector<std::string> answers)
{
    puzzles.push_front(std::move(answers));
    while (puzzles.size() > kPuzzles) {
        puzzles.pop_back();
    }
}

std::vector<std::string> RecentAnswers::Newest(std::size_t count) const
{
    std::vector<std::string> words;
    for (std::size_t i = 0; i < count && i < puzzles.size(); ++i) {
        words.insert(words.end(), puzzles[i].begin(), puzzles[i].end());
    }
    return words;
}

std::vector<std::string> RecentAnswers::UsedAtLeast(std::size_t times) const
{
    std::unordered_map<std::string, std::size_t> uses;
    for (const auto& puzzle : puzzles) {
        for (const std::string& answer : puzzle) {
            uses[answer] += 1;
        }
    }
    std::vector<std::string> words;
    for (const auto& [word, count] : uses) {
        if (count >= times) {
            words.push_back(word);
        }
    }
    std::sort(words.begin(), words.end());
    return words;
}

double RecentAnswers::LargestShare(const std::vector<std::string>& answers) const
{
    // As sets: a hand-edited file may name an answer twice in one puzzle.
    const std::unordered_set<std::string> mine(answers.begin(), answers.end());
    double largest = 0;
    for (const auto& puzzle : puzzles) {
        const std::unordered_set<std::string> theirs(puzzle.begin(), puzzle.end());
        largest = std::max(largest, SharedShare(mine, theirs));
    }
    return largest;
}

Result<RecentAnswers> ParseRecentAnswers(std::string_view text)
{
    std::vector<std::vector<std::string>> lines;
    std::size_t number = 0;
    bool headerSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return Refuse(number + 1, "does not end with a line break (the file is cut short)");
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        ++number;
        if (!headerSeen) {
            if (line != kHeader) {
                return Refuse(number, "is not \"" + std::string(kHeader) + "\"");
            }
            headerSeen = true;
            continue;
        }
        if (lines.size() == RecentAnswers::kPuzzles) {
            return Refuse(number, "is one puzzle more than the " +
                                      std::to_string(RecentAnswers::kPuzzles) + " kept");
        }
        std::vector<std::string> answers;
        for (std::string_view rest = line; !rest.empty();) {
            const std::size_t gap = rest.find(' ');
            const std::string_view word = rest.substr(0, gap);
            if (!IsAnswer(word)) {
                return Refuse(number, "holds \"" + std::string(word.substr(0, 20)) +
                                          "\", not an answer of 3 to 15 capital letters");
            }
            if (answers.size() == RecentAnswers::kMostAnswers) {
                return Refuse(number, "has more than " +
                                          std::to_string(RecentAnswers::kMostAnswers) + " answers");
            }
            answers.emplace_back(word);
            rest.remove_prefix(gap == std::string_view::npos ? rest.size() : gap + 1);
        }
        lines.push_back(std::move(answers));
    }
    if (!headerSeen) {
        return Refuse(1, "is missing: the file is empty");
    }
    RecentAnswers recent;
    // Added oldest first, so the newest ends up first again.
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        recent.Add(std::move(*line));
    }
    return recent;
}

std::string SerializeRecentAnswers(const RecentAnswers& recent)
{
    std::string text(kHeader);
    text += '\n';
    for (std::size_t i = 0; i < recent.Size(); ++i) {
        std::string line;
        for (const std::string& answer : recent.Puzzle(i)) {
            line += (line.empty() ? "" : " ") + answer;
        }
        text += line + '\n';
    }
    return text;
}

}  // namespace quillby
