#pragma once

#include <string>
#include <vector>

#include "data/clue_writer.h"
#include "data/word_list.h"

namespace quillby::data {

// Fewest answers of each length the word list keeps, whatever their clues: below these the
// fill runs short of words (lengths 3 to 9; longer answers have no floor).
int LeastAnswers(int length);

// One candidate answer with its clues and what it is worth as an answer.
struct AnswerChoice {
    std::string word;  // lower case
    WordClues clues;
    int level = 0;        // the smallest SCOWL size listing it
    double value = 0;     // the first clue's score weighed by how common the word is
    bool wanted = false;  // good clues, a common word, not a rare plural
};

// A rare word (one few players know, whatever SCOWL's size says) is never wanted, and comes
// back for a floor only after every other word of its length.
AnswerChoice RateAnswer(std::string word, WordClues clues, const WordLevels& levels,
                        bool rare = false);

// Fewest answers in all: the floor of 40,000 and a little room.
inline constexpr int kLeastTotal = 40500;

// Marks the answers to ship: every wanted one, at each length with fewer than its floor the
// most valuable of the others until the floor is met, then the most valuable of the rest while
// there are fewer than leastTotal.
void ChooseAnswers(std::vector<AnswerChoice>& choices, int leastTotal = kLeastTotal);

}  // namespace quillby::data
