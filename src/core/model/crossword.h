#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/square.h"

namespace quillby {

// A word that may fill an answer entry; score is set by the fill.
struct Candidate {
    std::string word;
    int score = 0;
};

// The clueItemId of an entry that has no line in the clue list. Line 0 is the Across
// header, so 0 cannot mean "none".
inline constexpr std::uint32_t kNotListed = 0xFFFFFFFF;

// One run that takes an answer.
struct AnswerEntry {
    int level = 0;  // breadth-first depth from the first run
    Square* start = nullptr;
    int direction = kAcross;
    int length = 0;
    std::uint32_t clueItemId = kNotListed;  // the clue window line showing this entry
    std::vector<Candidate> candidates;
    int answer = -1;  // index into candidates of the placed word, -1 for none

    bool HasAnswer() const { return answer >= 0; }
    // The placed word, empty when there is none.
    std::string_view AnswerWord() const;
};

// The grid of squares and the answer list. Square pointers (cursorSquare, entry starts) name
// squares of the current array; SetGridSize replaces the array and clears them. Moving a
// Crossword keeps them valid (the array moves with it); copying is not allowed.
class Crossword {
public:
    Crossword() = default;
    Crossword(const Crossword&) = delete;
    Crossword& operator=(const Crossword&) = delete;
    Crossword(Crossword&&) = default;
    Crossword& operator=(Crossword&&) = default;

    int width = 0;
    int height = 0;
    std::vector<Square> squares;  // row-major
    Square* cursorSquare = nullptr;
    std::vector<AnswerEntry> answers;  // in order of discovery, which is also the fill order

    // Null outside the grid or before the first SetGridSize.
    Square* SquareAt(int col, int row);
    const Square* SquareAt(int col, int row) const;

    // New blank squares with their positions; clears the answer list and cursorSquare.
    void SetGridSize(int newWidth, int newHeight);
    // Every square becomes a block with no solution and no covering answers.
    void ClearSquares();
    Square* FirstOpenSquare();

    // The first square of the run through square. With kAutomatic, outDirection becomes
    // Across when a left or right neighbour is open, then Down when one above or below is
    // (Down wins). Null for an automatic request on a square with no open neighbour.
    Square* FindRunStart(Square* square, int direction, int& outDirection);
    // Open squares from start in direction, never past coordinate 99; 0 for a bad direction.
    int RunLength(const Square* start, int direction) const;
    std::vector<Square*> RunSquares(int col, int row, int direction, int& outLength);

    bool IsCrossing(int col, int row) const;
    bool HasLetter(int col, int row) const;
    bool HasLetterPairBeside(const Square& square) const;

    // Every run of two or more squares gets an entry: breadth first from the first run,
    // through the crossings; then each group of open squares that no crossing links to the
    // first, breadth first from its first square in reading order.
    void BuildAnswerList();
    void NumberSquares();
    // Each entry's answer becomes the word spelled by its squares' solution letters.
    void SetAnswersFromGrid();

    AnswerEntry* EntryAt(int level, int index);
    bool HasEntry(const Square* start, int direction) const;
    AnswerEntry* FindEntryAt(int col, int row, int direction);
    AnswerEntry* FindEntryByItemId(std::uint32_t itemId);
    bool AllAnswered() const;
    // The placed answers' words, in answer-list order.
    std::vector<std::string> AnswerWords() const;

    // Writes the candidate's letters into the run, counting each square's use.
    void PlaceAnswer(AnswerEntry& entry, int candidateIndex);
    // Counted: clears letters only where no other placed answer still covers the square.
    void RemoveAnswer(Square* start, int length, int direction, bool counted);
    // Create mode: letters become the solution, guesses cleared, the entry's answer dropped.
    void WriteAnswerLetters(AnswerEntry& entry, std::string_view letters);

    void MoveCursor(bool forward);
    void ClearHighlights();
    static void SetGuess(Square& square, char letter) { square.guess = letter; }

    // The squares of an entry's run, from its start, stopping at a block or the edge.
    std::vector<Square*> EntrySquares(const AnswerEntry& entry);

private:
    // Expands level after level from level; returns the first level left empty.
    int ExpandLevels(int level);
    void AddCrossingRuns(std::size_t entryIndex, int level);
    AnswerEntry NewEntry(int level, Square* start, int direction) const;
    Square* Neighbour(const Square& square, int dCol, int dRow);
    bool OpenAt(int col, int row) const;
};

// Steps one square along a direction.
inline int StepCol(int direction)
{
    return direction == kAcross ? 1 : 0;
}
inline int StepRow(int direction)
{
    return direction == kDown ? 1 : 0;
}

}  // namespace quillby
