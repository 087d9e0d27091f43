#include "data/answer_choice.h"

#include <algorithm>
#include <map>

namespace quillby::data {

namespace {

// What an answer must be worth to be wanted: a good clue for a common word, or an excellent
// one for a word at the edge of the vocabulary.
constexpr double kLeastValue = 0.5;
// Below any unwanted common word's value, so rare words come back last.
constexpr double kRareFactor = 0.1;
// Below any wanted word's value, above a rare word's.
constexpr double kRareFormFactor = 0.45;

double LevelFactor(int level)
{
    return level <= 20 ? 1.0 : level <= 35 ? 0.95 : level <= 40 ? 0.85 : level <= 50 ? 0.75 : 0.7;
}

}  // namespace

int LeastAnswers(int length)
{
    // The floors plus a little room, so that a template that fills now keeps filling.
    if (length == 3) {
        return 520;
    }
    if (length == 4) {
        return 2080;
    }
    return length >= 5 && length <= 9 ? 4160 : 0;
}

AnswerChoice RateAnswer(std::string word, WordClues clues, const WordLevels& levels, bool rare)
{
    AnswerChoice choice;
    const auto found = levels.find(word);
    choice.level = found == levels.end() ? 0 : found->second;
    choice.value = clues.Best() * LevelFactor(choice.level);
    choice.wanted = clues.Best() >= kGoodClue && !clues.rareForm && choice.value >= kLeastValue;
    if (rare) {
        choice.value *= kRareFactor;
        choice.wanted = false;
    } else if (clues.rareForm) {
        // A rare plural (HAYS, YIELDINGS) comes back for a floor after the words that are wanted
        // on their own merit.
        choice.value *= kRareFormFactor;
    }
    choice.word = std::move(word);
    choice.clues = std::move(clues);
    return choice;
}

void ChooseAnswers(std::vector<AnswerChoice>& choices, int leastTotal)
{
    std::map<std::size_t, int> wanted;
    for (const AnswerChoice& choice : choices) {
        wanted[choice.word.size()] += choice.wanted ? 1 : 0;
    }
    // At a length short of its floor, the most valuable of the unwanted come back.
    std::vector<AnswerChoice*> others;
    for (AnswerChoice& choice : choices) {
        if (!choice.wanted) {
            others.push_back(&choice);
        }
    }
    std::stable_sort(
        others.begin(), others.end(),
        [](const AnswerChoice* a, const AnswerChoice* b) { return a->value > b->value; });
    int total = 0;
    for (const auto& [length, count] : wanted) {
        total += count;
    }
    for (AnswerChoice* choice : others) {
        int& count = wanted[choice->word.size()];
        if (count < LeastAnswers(static_cast<int>(choice->word.size()))) {
            choice->wanted = true;
            count += 1;
            total += 1;
        }
    }
    // Then, while the whole list is short of its floor, the most valuable of the rest.
    for (AnswerChoice* choice : others) {
        if (total >= leastTotal) {
            break;
        }
        if (!choice->wanted) {
            choice->wanted = true;
            total += 1;
        }
    }
}

}  // namespace quillby::data
