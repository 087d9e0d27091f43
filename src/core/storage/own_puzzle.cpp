#include "core/storage/own_puzzle.h"

#include <set>
#include <utility>

#include "core/model/numbering.h"

namespace quillby {

Clock ClockFromSeconds(std::int64_t seconds)
{
    Clock clock;
    clock.hours = static_cast<int>(seconds / 3600);
    clock.minutes = static_cast<int>(seconds / 60 % 60);
    clock.seconds = static_cast<int>(seconds % 60);
    clock.ticks = static_cast<int>(seconds);
    return clock;
}

std::int64_t SecondsOf(const Clock& clock)
{
    return std::int64_t{clock.hours} * 3600 + std::int64_t{clock.minutes} * 60 + clock.seconds;
}

bool AllSolved(const Crossword& crossword)
{
    bool anyOpen = false;
    for (const Square& square : crossword.squares) {
        if (square.open) {
            anyOpen = true;
            if (square.guess != square.solution) {
                return false;
            }
        }
    }
    return anyOpen;
}

std::string EntryName(int number, int direction)
{
    return std::to_string(number) + (direction == kAcross ? " Across" : " Down");
}

namespace {

Status Refuse(std::string why)
{
    return Status::Failure(std::move(why));
}

}  // namespace

std::string SquareName(int col, int row)
{
    return "row " + std::to_string(row + 1) + ", column " + std::to_string(col + 1);
}

Status CheckOwnPuzzle(const OwnPuzzle& puzzle)
{
    const Crossword& crossword = puzzle.crossword;
    std::set<int> numbers;
    for (const Square& square : crossword.squares) {
        if (square.open && (square.solution < 'A' || square.solution > 'Z')) {
            return Refuse("has no letter A to Z for the square at " +
                          SquareName(square.col, square.row));
        }
        if (square.number != 0 && !numbers.insert(square.number).second) {
            return Refuse("gives the number " + std::to_string(square.number) + " to two squares");
        }
    }
    // Every run has its clue, by the number of its first square.
    std::set<std::pair<int, int>> entries;
    for (const NumberedStart& start : StandardNumbering(crossword)) {
        const int number = crossword.SquareAt(start.col, start.row)->number;
        if (number <= 0) {
            return Refuse("has no number on the first square of a run, at " +
                          SquareName(start.col, start.row));
        }
        for (const int direction : {kAcross, kDown}) {
            if ((direction == kAcross ? start.across : start.down)) {
                entries.insert({number, direction});
                if (puzzle.own.Find(number, direction) == nullptr) {
                    return Refuse("has no clue for " + EntryName(number, direction));
                }
            }
        }
    }
    std::set<std::pair<int, int>> clued;
    for (const OwnClue& clue : puzzle.own.clues) {
        if (!clued.insert({clue.number, clue.direction}).second) {
            return Refuse("has two clues for " + EntryName(clue.number, clue.direction));
        }
        if (clue.text.size() > kMaxClueTextBytes) {
            return Refuse("has a clue for " + EntryName(clue.number, clue.direction) +
                          " longer than " + std::to_string(kMaxClueTextBytes) + " bytes");
        }
        if (entries.count({clue.number, clue.direction}) == 0) {
            return Refuse("has a clue for " + EntryName(clue.number, clue.direction) +
                          ", which is not in the grid");
        }
    }
    return Done{};
}

std::optional<std::string> WhyNotWritable(const Crossword& crossword)
{
    if (crossword.width < 1 || crossword.height < 1 || crossword.width > kMaxPuzzleSide ||
        crossword.height > kMaxPuzzleSide) {
        return "the grid is not between 1 x 1 and 25 x 25";
    }
    for (const Square& square : crossword.squares) {
        if (square.open && (square.solution < 'A' || square.solution > 'Z')) {
            return "the square at " + SquareName(square.col, square.row) + " has no letter yet";
        }
    }
    return std::nullopt;
}

Crossword CopySquares(const Crossword& crossword)
{
    Crossword copy;
    copy.SetGridSize(crossword.width, crossword.height);
    for (std::size_t i = 0; i < copy.squares.size() && i < crossword.squares.size(); ++i) {
        const Square& from = crossword.squares[i];
        Square& to = copy.squares[i];
        to.open = from.open;
        to.solution = from.open ? from.solution : 0;
        to.guess = from.open ? from.guess : 0;
        to.style = from.style;
        to.number = from.number;
    }
    return copy;
}

}  // namespace quillby
