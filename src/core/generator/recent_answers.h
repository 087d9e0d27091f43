#pragma once

#include <algorithm>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// The answers of the last fully checked puzzles made, newest first. A fully checked grid
// crosses every letter, so its fill keeps reaching for the same few letter-friendly short
// words (SEE, ERA, LED); leaving out what the last puzzles used is what keeps a run of
// puzzles fresh. The game keeps it in data/recent_answers between sessions.
class RecentAnswers {
public:
    // Puzzles remembered: the run over which no answer may recur too often and no two puzzles
    // may share too much.
    static constexpr std::size_t kPuzzles = 200;
    // The most answers one remembered puzzle may have (a 15 x 15 has at most 78).
    static constexpr std::size_t kMostAnswers = 120;

    // Remembers a new puzzle's answers, forgetting the oldest beyond kPuzzles.
    void Add(std::vector<std::string> answers);
    // The answers of the newest count puzzles (all of them when count is larger).
    std::vector<std::string> Newest(std::size_t count) const;
    std::size_t Size() const { return puzzles.size(); }
    // The answers in at least times of the remembered puzzles.
    std::vector<std::string> UsedAtLeast(std::size_t times) const;
    // The largest share of answers that these answers and one remembered puzzle have in
    // common, out of the smaller of the two (0 with nothing remembered).
    double LargestShare(const std::vector<std::string>& answers) const;
    // The answers of one puzzle, 0 the newest.
    const std::vector<std::string>& Puzzle(std::size_t index) const { return puzzles[index]; }
    bool operator==(const RecentAnswers&) const = default;

private:
    std::deque<std::vector<std::string>> puzzles;
};

// The share of answers two puzzles (each a set of answers) have in common, out of the smaller
// one's; 0 when either has none.
template <typename Answers>
double SharedShare(const Answers& a, const Answers& b)
{
    const std::size_t smaller = std::min(a.size(), b.size());
    if (smaller == 0) {
        return 0;
    }
    std::size_t shared = 0;
    for (const auto& word : a) {
        shared += b.count(word);
    }
    return static_cast<double>(shared) / static_cast<double>(smaller);
}

// The file: a first line "quillby recent answers 1", then one line per puzzle, newest first,
// its answers (3 to 15 capital letters) separated by single spaces. Anything else is refused
// whole with a message that says which line is wrong.
Result<RecentAnswers> ParseRecentAnswers(std::string_view text);
std::string SerializeRecentAnswers(const RecentAnswers& recent);

}  // namespace quillby
