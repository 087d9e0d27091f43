#include "core/generator/puzzle_filler.h"

#include <algorithm>

namespace quillby {

namespace {

// The next entry in fill order: the next of this level, else the first of the next level.
AnswerEntry* NextEntry(Crossword& crossword, int& level, int& index)
{
    if (AnswerEntry* next = crossword.EntryAt(level, index + 1)) {
        index += 1;
        return next;
    }
    if (AnswerEntry* next = crossword.EntryAt(level + 1, 0)) {
        level += 1;
        index = 0;
        return next;
    }
    return nullptr;
}

// The penalty of R repeats: 1000 + 6000 + 11000 + ...
int RepeatPenalty(int repeats)
{
    int penalty = 0;
    for (int k = 0; k < repeats; ++k) {
        penalty += 1000 + 5000 * k;
    }
    return penalty;
}

}  // namespace

bool ClueCheck::Usable(std::string_view word)
{
    const auto found = known.find(word);
    if (found != known.end()) {
        return found->second;
    }
    const ClueRecord* record = clues.Find(word);
    const bool usable = record != nullptr && record->solved == 0;
    known.emplace(std::string(word), usable);
    return usable;
}

PuzzleFiller::PuzzleFiller(Crossword& crossword, const Dawg& dawg, const ClueStore& clues, Rng& rng,
                           EdgeCoin& coin)
    : crossword(crossword),
      dawg(dawg),
      ownCheck(std::in_place, clues),
      clueCheck(*ownCheck),
      rng(rng),
      coin(coin)
{
}

PuzzleFiller::PuzzleFiller(Crossword& crossword, const Dawg& dawg, ClueCheck& clueCheck, Rng& rng,
                           EdgeCoin& coin)
    : crossword(crossword), dawg(dawg), clueCheck(clueCheck), rng(rng), coin(coin)
{
}

bool PuzzleFiller::Fill(int& budget)
{
    AnswerEntry* first = crossword.EntryAt(0, 0);
    if (first == nullptr) {
        return false;
    }
    for (const AnswerEntry& entry : crossword.answers) {
        if (entry.length > kMaxRunLength) {
            return false;
        }
    }
    return FillFrom(*first, 0, 0, budget);
}

bool PuzzleFiller::FillFrom(AnswerEntry& entry, int level, int index, int& budget)
{
    CollectCandidates(entry);
    std::size_t current = 0;
    while (budget <= kBudgetLimit) {
        if (entry.candidates.empty()) {
            return false;
        }
        if (IsRejected(entry.candidates[current])) {
            budget += 1;
            if (++current >= entry.candidates.size()) {
                return false;
            }
            continue;
        }
        crossword.PlaceAnswer(entry, static_cast<int>(current));
        int nextLevel = level;
        int nextIndex = index;
        AnswerEntry* next = NextEntry(crossword, nextLevel, nextIndex);
        if (next == nullptr) {
            return true;
        }
        if (FillFrom(*next, nextLevel, nextIndex, budget)) {
            return true;
        }
        budget += 1;
        crossword.RemoveAnswer(entry.start, entry.length, entry.direction, true);
        entry.answer = -1;
        if (++current >= entry.candidates.size()) {
            return false;
        }
    }
    return true;
}

void PuzzleFiller::CollectCandidates(AnswerEntry& entry)
{
    entry.candidates.clear();
    entry.answer = -1;
    if (entry.length < 1 || entry.length > kMaxRunLength) {
        return;
    }
    char pattern[kMaxRunLength + 1] = {};
    Square* square = entry.start;
    for (int i = 0; i < entry.length && square != nullptr; ++i) {
        pattern[i] = square->solution > 0 ? square->solution : '*';
        square = crossword.SquareAt(square->col + StepCol(entry.direction),
                                    square->row + StepRow(entry.direction));
    }
    rollbackMark = 0;
    int steps = 0;
    auto accept = [&](std::string_view word, int& counter) {
        AcceptCandidate(word, entry, counter);
    };
    dawg.MatchRun(std::string_view(pattern, static_cast<std::size_t>(entry.length)), steps, coin,
                  accept);
    ScoreCandidates(entry);
}

void PuzzleFiller::AcceptCandidate(std::string_view word, AnswerEntry& entry, int& steps)
{
    word = word.substr(0, static_cast<std::size_t>(entry.length));
    if (!clueCheck.Usable(word)) {
        steps = rollbackMark;
        return;
    }
    entry.candidates.push_back(Candidate{std::string(word), 0});
    rollbackMark = steps;
}

void PuzzleFiller::ScoreCandidates(AnswerEntry& entry)
{
    bool openCrossing[kMaxRunLength + 1] = {};
    const int length = std::min(entry.length, kMaxRunLength);
    for (int i = 0; i < length; ++i) {
        const int col = entry.start->col + i * StepCol(entry.direction);
        const int row = entry.start->row + i * StepRow(entry.direction);
        openCrossing[i] = crossword.IsCrossing(col, row) && !crossword.HasLetter(col, row);
    }
    for (Candidate& candidate : entry.candidates) {
        bool seen[26] = {};
        int repeats = 0;
        for (int i = 0; i < length && i < static_cast<int>(candidate.word.size()); ++i) {
            const int letter = candidate.word[static_cast<std::size_t>(i)] - 'A';
            if (!openCrossing[i] || letter < 0 || letter >= 26) {
                continue;
            }
            repeats += seen[letter] ? 1 : 0;
            seen[letter] = true;
        }
        candidate.score = -RepeatPenalty(repeats);
    }
    // Best first; a stable sort keeps equal scores in query order, as neighbour swaps on a
    // strictly lower score would.
    std::stable_sort(entry.candidates.begin(), entry.candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
    const auto n = static_cast<std::int32_t>(entry.candidates.size());
    for (std::int32_t step = 0; step < n; ++step) {
        const std::int32_t a = rng.RandBelow(n);
        // b may equal a, so the first candidate can move too; otherwise the first word the
        // query reported would always be tried first and fills would repeat.
        const std::int32_t b = rng.RandBelow(a + 1);
        const std::int32_t c = rng.RandBelow(2);
        if (a == 0) {
            continue;
        }
        const std::int32_t other = c == 0 ? a - b : a + b;
        if (other < n) {
            std::swap(entry.candidates[static_cast<std::size_t>(a)],
                      entry.candidates[static_cast<std::size_t>(other)]);
        }
    }
}

bool PuzzleFiller::IsRejected(const Candidate& candidate) const
{
    if (candidate.word == kBlockedWord) {
        return true;
    }
    return std::any_of(crossword.answers.begin(), crossword.answers.end(),
                       [&](const AnswerEntry& other) {
                           return other.HasAnswer() && other.AnswerWord() == candidate.word;
                       });
}

}  // namespace quillby
