#include "core/model/crossword.h"

namespace quillby {

namespace {

// Runs never extend to coordinate 100, whatever the grid size.
constexpr int kRunLimit = 100;

int Perpendicular(int direction)
{
    return direction == kAcross ? kDown : kAcross;
}

}  // namespace

std::string_view AnswerEntry::AnswerWord() const
{
    if (answer < 0 || static_cast<std::size_t>(answer) >= candidates.size()) {
        return {};
    }
    return candidates[static_cast<std::size_t>(answer)].word;
}

Square* Crossword::SquareAt(int col, int row)
{
    if (squares.empty() || col < 0 || col >= width || row < 0 || row >= height) {
        return nullptr;
    }
    return &squares[static_cast<std::size_t>(row * width + col)];
}

const Square* Crossword::SquareAt(int col, int row) const
{
    return const_cast<Crossword*>(this)->SquareAt(col, row);
}

bool Crossword::OpenAt(int col, int row) const
{
    const Square* square = SquareAt(col, row);
    return square != nullptr && square->open;
}

Square* Crossword::Neighbour(const Square& square, int dCol, int dRow)
{
    return SquareAt(square.col + dCol, square.row + dRow);
}

void Crossword::SetGridSize(int newWidth, int newHeight)
{
    answers.clear();
    cursorSquare = nullptr;
    squares.assign(
        static_cast<std::size_t>(newWidth > 0 && newHeight > 0 ? newWidth * newHeight : 0),
        Square{});
    width = newWidth;
    height = newHeight;
    const GridGeometry original;
    for (int row = 0; row < height; ++row) {
        for (int col = 0; col < width; ++col) {
            Square& square = squares[static_cast<std::size_t>(row * width + col)];
            square.col = col;
            square.row = row;
            square.left = original.Left(col);
            square.top = original.Top(row);
        }
    }
    ClearSquares();
}

void Crossword::ClearSquares()
{
    for (Square& square : squares) {
        square.open = false;
        square.useCount = 0;
        square.solution = 0;
    }
}

Square* Crossword::FirstOpenSquare()
{
    for (Square& square : squares) {
        if (square.open) {
            return &square;
        }
    }
    return nullptr;
}

Square* Crossword::FindRunStart(Square* square, int direction, int& outDirection)
{
    if (square == nullptr) {
        return nullptr;
    }
    if (direction == kAutomatic) {
        if (OpenAt(square->col - 1, square->row) || OpenAt(square->col + 1, square->row)) {
            outDirection = kAcross;
        }
        if (OpenAt(square->col, square->row - 1) || OpenAt(square->col, square->row + 1)) {
            outDirection = kDown;
        }
        direction = outDirection;
    }
    if (direction != kAcross && direction != kDown) {
        return nullptr;
    }
    const int dCol = -StepCol(direction);
    const int dRow = -StepRow(direction);
    Square* start = square;
    while (Square* previous = Neighbour(*start, dCol, dRow)) {
        if (!previous->open) {
            break;
        }
        start = previous;
    }
    return start;
}

int Crossword::RunLength(const Square* start, int direction) const
{
    if (start == nullptr || (direction != kAcross && direction != kDown)) {
        return 0;
    }
    int count = 0;
    int col = start->col;
    int row = start->row;
    while (col < kRunLimit && row < kRunLimit && OpenAt(col, row)) {
        ++count;
        col += StepCol(direction);
        row += StepRow(direction);
    }
    return count;
}

std::vector<Square*> Crossword::RunSquares(int col, int row, int direction, int& outLength)
{
    int decided = 0;
    Square* start = FindRunStart(SquareAt(col, row), direction, decided);
    const int runDirection = direction == kAutomatic ? decided : direction;
    outLength = RunLength(start, runDirection);
    std::vector<Square*> run;
    run.reserve(static_cast<std::size_t>(outLength));
    for (int i = 0; i < outLength; ++i) {
        run.push_back(SquareAt(start->col + i * StepCol(runDirection),
                               start->row + i * StepRow(runDirection)));
    }
    return run;
}

std::vector<Square*> Crossword::EntrySquares(const AnswerEntry& entry)
{
    std::vector<Square*> run;
    if (entry.start == nullptr) {
        return run;
    }
    for (int i = 0; i < entry.length; ++i) {
        Square* square = SquareAt(entry.start->col + i * StepCol(entry.direction),
                                  entry.start->row + i * StepRow(entry.direction));
        if (square == nullptr || !square->open) {
            break;
        }
        run.push_back(square);
    }
    return run;
}

bool Crossword::IsCrossing(int col, int row) const
{
    const bool vertical = OpenAt(col, row - 1) || OpenAt(col, row + 1);
    const bool horizontal = OpenAt(col - 1, row) || OpenAt(col + 1, row);
    return vertical && horizontal;
}

bool Crossword::HasLetter(int col, int row) const
{
    const Square* square = SquareAt(col, row);
    return square != nullptr && square->open && square->solution != 0;
}

bool Crossword::HasLetterPairBeside(const Square& square) const
{
    const int c = square.col;
    const int r = square.row;
    return (HasLetter(c - 1, r) && HasLetter(c - 2, r)) ||
           (HasLetter(c + 1, r) && HasLetter(c + 2, r)) ||
           (HasLetter(c, r - 1) && HasLetter(c, r - 2)) ||
           (HasLetter(c, r + 1) && HasLetter(c, r + 2));
}

void Crossword::BuildAnswerList()
{
    answers.clear();
    // The group of the first open square comes first, breadth first from its first run, so
    // generated puzzles fill and save as they always have; every other group of open squares
    // follows, breadth first from its first square in reading order, its levels after the
    // levels before it. A square alone has no run and starts nothing.
    std::vector<bool> reached(squares.size(), false);
    int level = 0;
    for (Square& square : squares) {
        if (!square.open || reached[static_cast<std::size_t>(square.row * width + square.col)]) {
            continue;
        }
        int direction = 0;
        Square* start = FindRunStart(&square, kAutomatic, direction);
        if (start == nullptr) {
            continue;
        }
        const std::size_t groupStart = answers.size();
        answers.push_back(NewEntry(level, start, direction));
        level = ExpandLevels(level);
        for (std::size_t i = groupStart; i < answers.size(); ++i) {
            for (const Square* member : EntrySquares(answers[i])) {
                reached[static_cast<std::size_t>(member->row * width + member->col)] = true;
            }
        }
    }
}

int Crossword::ExpandLevels(int level)
{
    for (;; ++level) {
        bool levelHadEntries = false;
        // Entries appended while expanding belong to the next level and are passed over.
        const std::size_t count = answers.size();
        for (std::size_t i = 0; i < count; ++i) {
            if (answers[i].level == level) {
                levelHadEntries = true;
                AddCrossingRuns(i, level);
            }
        }
        if (!levelHadEntries) {
            return level;  // the first level nothing stands on
        }
    }
}

void Crossword::AddCrossingRuns(std::size_t entryIndex, int level)
{
    const int direction = answers[entryIndex].direction;
    const int across = Perpendicular(direction);
    Square* square = answers[entryIndex].start;
    for (int step = 0; step < kRunLimit && square != nullptr && square->open; ++step) {
        const int dCol = StepRow(direction);  // across the entry: the perpendicular neighbours
        const int dRow = StepCol(direction);
        for (Square* neighbour :
             {Neighbour(*square, -dCol, -dRow), Neighbour(*square, dCol, dRow)}) {
            if (neighbour == nullptr || !neighbour->open) {
                continue;
            }
            int unused = 0;
            Square* start = FindRunStart(neighbour, across, unused);
            if (!HasEntry(start, across)) {
                answers.push_back(NewEntry(level + 1, start, across));
            }
        }
        square = Neighbour(*square, StepCol(direction), StepRow(direction));
    }
}

AnswerEntry Crossword::NewEntry(int level, Square* start, int direction) const
{
    AnswerEntry entry;
    entry.level = level;
    entry.start = start;
    entry.direction = direction;
    entry.length = RunLength(start, direction);
    return entry;
}

void Crossword::NumberSquares()
{
    if (answers.empty()) {
        return;
    }
    int counter = 1;
    for (Square& square : squares) {
        square.number = 0;
        for (const AnswerEntry& entry : answers) {
            if (entry.start == &square) {
                square.number = counter++;
                break;
            }
        }
    }
}

void Crossword::SetAnswersFromGrid()
{
    for (AnswerEntry& entry : answers) {
        int length = 0;
        const std::vector<Square*> run =
            RunSquares(entry.start->col, entry.start->row, entry.direction, length);
        entry.length = length;
        std::string word;
        for (const Square* square : run) {
            if (square->solution == 0) {
                break;
            }
            word.push_back(square->solution);
        }
        entry.candidates.push_back(Candidate{std::move(word), 0});
        entry.answer = static_cast<int>(entry.candidates.size()) - 1;
    }
}

AnswerEntry* Crossword::EntryAt(int level, int index)
{
    int seen = 0;
    for (AnswerEntry& entry : answers) {
        if (entry.level == level && seen++ == index) {
            return &entry;
        }
    }
    return nullptr;
}

bool Crossword::HasEntry(const Square* start, int direction) const
{
    for (const AnswerEntry& entry : answers) {
        if (entry.start == start && entry.direction == direction) {
            return true;
        }
    }
    return false;
}

AnswerEntry* Crossword::FindEntryAt(int col, int row, int direction)
{
    int unused = 0;
    const Square* start = FindRunStart(SquareAt(col, row), direction, unused);
    if (start == nullptr) {
        return nullptr;
    }
    for (AnswerEntry& entry : answers) {
        if (entry.start == start && entry.direction == direction) {
            return &entry;
        }
    }
    return nullptr;
}

AnswerEntry* Crossword::FindEntryByItemId(std::uint32_t itemId)
{
    for (AnswerEntry& entry : answers) {
        if (entry.clueItemId == itemId) {
            return &entry;
        }
    }
    return nullptr;
}

bool Crossword::AllAnswered() const
{
    for (const AnswerEntry& entry : answers) {
        if (!entry.HasAnswer()) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Crossword::AnswerWords() const
{
    std::vector<std::string> words;
    for (const AnswerEntry& entry : answers) {
        words.emplace_back(entry.AnswerWord());
    }
    return words;
}

void Crossword::PlaceAnswer(AnswerEntry& entry, int candidateIndex)
{
    const std::string& word = entry.candidates[static_cast<std::size_t>(candidateIndex)].word;
    Square* square = entry.start;
    for (int i = 0; i < entry.length; ++i) {
        if (square == nullptr || !square->open) {
            return;
        }
        square->solution =
            i < static_cast<int>(word.size()) ? word[static_cast<std::size_t>(i)] : 0;
        square->useCount += 1;
        square = Neighbour(*square, StepCol(entry.direction), StepRow(entry.direction));
    }
    entry.answer = candidateIndex;
}

void Crossword::RemoveAnswer(Square* start, int length, int direction, bool counted)
{
    Square* square = start;
    for (int i = 0; i < length; ++i) {
        if (square == nullptr || !square->open) {
            return;
        }
        if (counted) {
            square->useCount -= 1;
            if (square->useCount <= 0) {
                square->useCount = 0;
                square->solution = 0;
                square->guess = 0;
            }
        } else {
            square->solution = 0;
            square->guess = 0;
        }
        square = Neighbour(*square, StepCol(direction), StepRow(direction));
    }
}

void Crossword::WriteAnswerLetters(AnswerEntry& entry, std::string_view letters)
{
    Square* square = entry.start;
    for (int i = 0; i < entry.length; ++i) {
        if (square == nullptr || !square->open) {
            return;
        }
        square->solution =
            i < static_cast<int>(letters.size()) ? letters[static_cast<std::size_t>(i)] : 0;
        square->guess = 0;
        square->useCount += 1;
        square = Neighbour(*square, StepCol(entry.direction), StepRow(entry.direction));
    }
    entry.answer = -1;
}

void Crossword::MoveCursor(bool forward)
{
    if (cursorSquare == nullptr) {
        return;
    }
    const int direction = cursorSquare->cursorDown ? kDown : kAcross;
    const int sign = forward ? 1 : -1;
    Square* target = Neighbour(*cursorSquare, sign * StepCol(direction), sign * StepRow(direction));
    if (target == nullptr || !target->open) {
        return;
    }
    cursorSquare->isCursor = false;
    target->isCursor = true;
    target->cursorDown = cursorSquare->cursorDown;
    cursorSquare = target;
}

void Crossword::ClearHighlights()
{
    for (Square& square : squares) {
        if (&square == cursorSquare) {
            continue;
        }
        square.highlighted = false;
        square.cursorDown = false;
        square.isCursor = false;
    }
}

}  // namespace quillby
