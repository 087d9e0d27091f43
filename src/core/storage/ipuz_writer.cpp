#include <algorithm>
#include <string>

#include "core/common/clue_markup.h"
#include "core/common/json.h"
#include "core/storage/ipuz_file.h"

namespace quillby {

namespace {

constexpr const char* kBlock = "#";

JsonValue StyleOf(std::uint8_t style)
{
    JsonValue object = JsonValue::MakeObject();
    if ((style & kStyleCircle) != 0) {
        object.Set("shapebg", "circle");
    }
    if ((style & kStyleShaded) != 0) {
        object.Set("highlight", true);
    }
    return object;
}

JsonValue PuzzleCell(const Square& square)
{
    if (!square.open) {
        return kBlock;
    }
    if (square.style == 0) {
        return square.number;
    }
    JsonValue cell = JsonValue::MakeObject();
    cell.Set("cell", square.number);
    cell.Set("style", StyleOf(square.style));
    return cell;
}

JsonValue Letter(const Square& square, char letter)
{
    if (!square.open) {
        return kBlock;
    }
    return letter != 0 ? std::string(1, letter) : std::string();
}

// The puzzle, solution and saved grids, row by row.
void AddGrids(JsonValue& root, const Crossword& crossword)
{
    JsonValue puzzle = JsonValue::MakeArray();
    JsonValue solution = JsonValue::MakeArray();
    JsonValue saved = JsonValue::MakeArray();
    for (int row = 0; row < crossword.height; ++row) {
        JsonValue puzzleRow = JsonValue::MakeArray();
        JsonValue solutionRow = JsonValue::MakeArray();
        JsonValue savedRow = JsonValue::MakeArray();
        for (int col = 0; col < crossword.width; ++col) {
            const Square& square = *crossword.SquareAt(col, row);
            puzzleRow.Add(PuzzleCell(square));
            solutionRow.Add(Letter(square, square.solution));
            savedRow.Add(Letter(square, square.guess));
        }
        puzzle.Add(std::move(puzzleRow));
        solution.Add(std::move(solutionRow));
        saved.Add(std::move(savedRow));
    }
    root.Set("puzzle", std::move(puzzle));
    root.Set("solution", std::move(solution));
    root.Set("saved", std::move(saved));
}

// Across and Down, each in number order, as [number, text].
JsonValue CluesOf(const OwnClues& own)
{
    JsonValue clues = JsonValue::MakeObject();
    for (const int direction : {kAcross, kDown}) {
        std::vector<const OwnClue*> list;
        for (const OwnClue& clue : own.clues) {
            if (clue.direction == direction) {
                list.push_back(&clue);
            }
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const OwnClue* a, const OwnClue* b) { return a->number < b->number; });
        JsonValue items = JsonValue::MakeArray();
        for (const OwnClue* clue : list) {
            JsonValue pair = JsonValue::MakeArray();
            pair.Add(clue->number);
            pair.Add(clue->text);
            items.Add(std::move(pair));
        }
        clues.Set(direction == kAcross ? "Across" : "Down", std::move(items));
    }
    return clues;
}

}  // namespace

std::vector<std::byte> SerializeIpuz(const OwnPuzzle& puzzle)
{
    JsonValue root = JsonValue::MakeObject();
    root.Set("version", "http://ipuz.org/v2");
    JsonValue kind = JsonValue::MakeArray();
    kind.Add("http://ipuz.org/crossword#1");
    root.Set("kind", std::move(kind));
    const PuzzleInfo& info = puzzle.own.info;
    root.Set("title", HtmlFromPlainText(info.title));
    root.Set("author", HtmlFromPlainText(info.author));
    root.Set("copyright", HtmlFromPlainText(info.copyright));
    root.Set("notes", HtmlFromPlainText(info.notes));
    JsonValue dimensions = JsonValue::MakeObject();
    dimensions.Set("width", puzzle.crossword.width);
    dimensions.Set("height", puzzle.crossword.height);
    root.Set("dimensions", std::move(dimensions));
    root.Set("block", kBlock);
    root.Set("empty", 0);
    AddGrids(root, puzzle.crossword);
    root.Set("clues", CluesOf(puzzle.own));
    JsonValue play = JsonValue::MakeObject();
    play.Set("clock", std::clamp<std::int64_t>(SecondsOf(puzzle.clock), 0, kMaxClockSeconds));
    play.Set("completed", puzzle.completed);
    root.Set(kIpuzPlayKey, std::move(play));
    const std::string text = WriteJson(root);
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return {begin, begin + text.size()};
}

}  // namespace quillby
