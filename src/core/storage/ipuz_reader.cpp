#include <algorithm>
#include <string>
#include <string_view>

#include "core/common/clue_markup.h"
#include "core/common/json.h"
#include "core/model/numbering.h"
#include "core/storage/ipuz_file.h"

namespace quillby {

// An .ipuz crossword is one JSON object. The members read here:
//
//   kind          ["http://ipuz.org/crossword#1", ...]
//   dimensions    {"width": W, "height": H}
//   block, empty  what a block and an empty square are written as ("#" and 0 by default)
//   puzzle        H rows of W squares: a number, block, empty, null (omitted) or
//                 {"cell": ..., "style": {...} or a name in "styles"}
//   solution      H rows of W: a letter, block, null, or {"value": ...}
//   saved         the player's letters, the same shape as solution
//   clues         {"Across": [...], "Down": [...]}: [number, text] or {"number", "clue"}
//   title, author, copyright, notes
//   x-quillby:play {"clock": seconds, "completed": bool}, our own

namespace {

constexpr std::string_view kCrosswordKind = "ipuz.org/crossword";
constexpr int kMaxJsonDepth = 16;

Result<OwnPuzzle> Refuse(std::string why)
{
    return Result<OwnPuzzle>::Failure(std::move(why));
}

// A square's plain value as text: a whole number, a string, or nullopt for null. Error when
// it is of another kind.
struct CellText {
    bool omitted = false;
    std::string text;
};
std::optional<CellText> CellTextOf(const JsonValue& value)
{
    if (value.IsNull()) {
        return CellText{true, ""};
    }
    if (value.IsString()) {
        return CellText{false, value.AsString()};
    }
    if (const std::optional<std::int64_t> number = value.AsInteger()) {
        return CellText{false, std::to_string(*number)};
    }
    return std::nullopt;
}

// A positive number written in decimal, as a square's number or a clue's.
std::optional<int> NumberOf(const std::string& text)
{
    if (text.empty() || text.size() > 4 || text[0] == '0') {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

class IpuzReader {
public:
    explicit IpuzReader(const JsonValue& root) : root(root) {}

    bool numbered = false;  // some square of the puzzle grid carries a number

    std::optional<std::string> Read(OwnPuzzle& puzzle)
    {
        std::optional<std::string> why = ReadKind();
        why = why ? why : ReadDimensions(puzzle.crossword);
        why = why ? why : ReadConventions();
        why = why ? why : ReadPuzzleGrid(puzzle.crossword);
        why = why ? why : ReadSolution(puzzle.crossword);
        why = why ? why : ReadSaved(puzzle.crossword);
        why = why ? why : ReadClues(puzzle.own);
        why = why ? why : ReadInfo(puzzle.own.info);
        why = why ? why : ReadPlay(puzzle);
        return why;
    }

private:
    std::optional<std::string> ReadKind() const
    {
        const JsonValue* kind = root.Find("kind");
        if (kind == nullptr || !kind->IsArray()) {
            return std::string("is not an .ipuz puzzle: it has no list of kinds");
        }
        for (const JsonValue& entry : kind->Items()) {
            const std::string& text = entry.AsString();
            const std::size_t at = text.find(kCrosswordKind);
            if (entry.IsString() && (at == 7 || at == 8) &&
                (text.rfind("http://", 0) == 0 || text.rfind("https://", 0) == 0)) {
                return std::nullopt;
            }
        }
        return std::string("is an .ipuz puzzle but not a crossword");
    }

    std::optional<std::string> ReadDimensions(Crossword& crossword)
    {
        const JsonValue* dimensions = root.Find("dimensions");
        const JsonValue* width = dimensions != nullptr ? dimensions->Find("width") : nullptr;
        const JsonValue* height = dimensions != nullptr ? dimensions->Find("height") : nullptr;
        if (width == nullptr || height == nullptr || !width->AsInteger() || !height->AsInteger()) {
            return std::string("has no dimensions (a whole width and height)");
        }
        const std::int64_t w = *width->AsInteger();
        const std::int64_t h = *height->AsInteger();
        if (w < 1 || h < 1 || w > kMaxPuzzleSide || h > kMaxPuzzleSide) {
            return "is " + std::to_string(w) + " x " + std::to_string(h) +
                   ": the game plays grids from 1 x 1 to 25 x 25";
        }
        crossword.SetGridSize(static_cast<int>(w), static_cast<int>(h));
        return std::nullopt;
    }

    std::optional<std::string> ReadConventions()
    {
        for (auto [key, target] : {std::pair{"block", &block}, std::pair{"empty", &empty}}) {
            if (const JsonValue* value = root.Find(key)) {
                const std::optional<CellText> text = CellTextOf(*value);
                if (!text || text->omitted) {
                    return std::string("has a \"") + key + "\" that is not a string or number";
                }
                *target = text->text;
            }
        }
        styles = root.Find("styles");
        return std::nullopt;
    }

    // The rows of a grid member, checked against the dimensions; null with why set otherwise.
    const JsonValue::Array* Rows(const char* key, const Crossword& crossword,
                                 std::optional<std::string>& why) const
    {
        const JsonValue* grid = root.Find(key);
        bool fits = grid != nullptr && grid->IsArray() &&
                    grid->Items().size() == static_cast<std::size_t>(crossword.height);
        for (std::size_t row = 0; fits && row < grid->Items().size(); ++row) {
            const JsonValue& cells = grid->Items()[row];
            fits = cells.IsArray() &&
                   cells.Items().size() == static_cast<std::size_t>(crossword.width);
        }
        if (!fits) {
            why = std::string(grid == nullptr ? "has no \"" : "has a \"") + key + "\" grid" +
                  (grid == nullptr ? "" : " whose shape disagrees with its dimensions");
            return nullptr;
        }
        return &grid->Items();
    }

    std::uint8_t StyleOf(const JsonValue* style) const
    {
        if (style != nullptr && style->IsString() && styles != nullptr) {
            style = styles->Find(style->AsString());
        }
        if (style == nullptr || !style->IsObject()) {
            return 0;
        }
        std::uint8_t bits = 0;
        if (const JsonValue* shape = style->Find("shapebg");
            shape != nullptr && shape->AsString() == "circle") {
            bits |= kStyleCircle;
        }
        const JsonValue* highlight = style->Find("highlight");
        if ((highlight != nullptr && highlight->AsBool()) || style->Find("color") != nullptr) {
            bits |= kStyleShaded;
        }
        return bits;
    }

    std::optional<std::string> ReadPuzzleGrid(Crossword& crossword)
    {
        std::optional<std::string> why;
        const JsonValue::Array* rows = Rows("puzzle", crossword, why);
        for (int row = 0; rows != nullptr && row < crossword.height; ++row) {
            for (int col = 0; col < crossword.width; ++col) {
                const JsonValue& cell = (*rows)[row].Items()[col];
                Square& square = *crossword.SquareAt(col, row);
                const JsonValue* value = &cell;
                if (cell.IsObject()) {
                    square.style = StyleOf(cell.Find("style"));
                    value = cell.Find("cell");
                }
                const std::optional<CellText> text =
                    value != nullptr ? CellTextOf(*value) : CellText{false, empty};
                if (!text) {
                    return "has a square of the wrong kind in its puzzle at " +
                           SquareName(col, row);
                }
                square.open = !text->omitted && text->text != block;
                if (!square.open || text->text == empty || text->text.empty() ||
                    text->text == "0") {
                    continue;
                }
                const std::optional<int> number = NumberOf(text->text);
                if (!number) {
                    return "has the label \"" + text->text + "\" at " + SquareName(col, row) +
                           ": only numbers can label squares";
                }
                square.number = *number;
                numbered = true;
            }
        }
        return why;
    }

    // The letter of a solution or saved square: nullopt for a block or an omitted square;
    // 0 for none.
    struct Letter {
        bool block = false;
        char letter = 0;
    };
    std::optional<std::string> LetterAt(const JsonValue& cell, int col, int row, bool solution,
                                        Letter& out) const
    {
        const JsonValue* value = cell.IsObject() ? cell.Find("value") : &cell;
        const std::optional<CellText> text = value != nullptr ? CellTextOf(*value) : CellText{};
        const std::string what = solution ? "solution" : "saved letters";
        if (!text) {
            return "has a square of the wrong kind in its " + what + " at " + SquareName(col, row);
        }
        // An omitted square is a block in the solution; in saved it is merely not filled in.
        out.block = (solution && text->omitted) || text->text == block;
        if (out.block || text->omitted || text->text.empty() || text->text == empty ||
            text->text == "0") {
            return std::nullopt;
        }
        const bool letters = std::all_of(text->text.begin(), text->text.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        });
        if (text->text.size() > 1 && letters) {
            return std::string(
                "has rebus squares (several letters in one square), which the game "
                "cannot play");
        }
        char letter = text->text[0];
        if (letter >= 'a' && letter <= 'z') {
            letter = static_cast<char>(letter - 'a' + 'A');
        }
        if (letter < 'A' || letter > 'Z') {
            return "has \"" + text->text + "\" in its " + what + " at " + SquareName(col, row) +
                   ": only the letters A to Z can be played";
        }
        out.letter = letter;
        return std::nullopt;
    }

    std::optional<std::string> ReadLetters(Crossword& crossword, const char* key, bool solution)
    {
        std::optional<std::string> why;
        const JsonValue::Array* rows = Rows(key, crossword, why);
        for (int row = 0; rows != nullptr && row < crossword.height; ++row) {
            for (int col = 0; col < crossword.width; ++col) {
                Letter letter;
                if ((why = LetterAt((*rows)[row].Items()[col], col, row, solution, letter))) {
                    return why;
                }
                Square& square = *crossword.SquareAt(col, row);
                const bool disagree = solution ? letter.block == square.open
                                               : (square.open ? letter.block : letter.letter != 0);
                if (disagree) {
                    return std::string("has a ") + (solution ? "solution" : "\"saved\" grid") +
                           " that disagrees with its puzzle at " + SquareName(col, row);
                }
                if (solution && square.open && letter.letter == 0) {
                    return "has no solution letter at " + SquareName(col, row);
                }
                (solution ? square.solution : square.guess) = letter.letter;
            }
        }
        return why;
    }

    std::optional<std::string> ReadSolution(Crossword& crossword)
    {
        if (root.Find("solution") == nullptr) {
            return std::string("has no solution, so it cannot be played");
        }
        return ReadLetters(crossword, "solution", true);
    }

    std::optional<std::string> ReadSaved(Crossword& crossword)
    {
        if (root.Find("saved") == nullptr) {
            return std::nullopt;
        }
        return ReadLetters(crossword, "saved", false);
    }

    // One clue: [number, text], {"number": n, "clue": text}.
    static std::optional<std::string> ReadClue(const JsonValue& item, int direction, OwnClues& own)
    {
        const JsonValue* number = nullptr;
        const JsonValue* text = nullptr;
        if (item.IsArray() && item.Items().size() >= 2) {
            number = &item.Items()[0];
            text = &item.Items()[1];
        } else if (item.IsObject()) {
            number = item.Find("number");
            text = item.Find("clue");
        }
        const std::optional<CellText> label =
            number != nullptr ? CellTextOf(*number) : std::nullopt;
        const std::optional<int> value = label ? NumberOf(label->text) : std::nullopt;
        if (!value || text == nullptr || !text->IsString()) {
            return std::string("has a clue that is not a number and a text");
        }
        own.clues.push_back({*value, direction, ClueMarkupFromHtml(text->AsString())});
        return std::nullopt;
    }

    std::optional<std::string> ReadClues(OwnClues& own) const
    {
        const JsonValue* clues = root.Find("clues");
        if (clues == nullptr || !clues->IsObject()) {
            return std::string("has no clues");
        }
        for (const int direction : {kAcross, kDown}) {
            for (const auto& [key, list] : clues->Members()) {
                const std::string name = key.substr(0, key.find(':'));
                if (name != "Across" && name != "Down") {
                    return "has " + name + " clues, which the game cannot play";
                }
                if ((name == "Across") != (direction == kAcross)) {
                    continue;
                }
                if (!list.IsArray()) {
                    return "has " + name + " clues that are not a list";
                }
                for (const JsonValue& item : list.Items()) {
                    if (std::optional<std::string> why = ReadClue(item, direction, own)) {
                        return why;
                    }
                }
            }
        }
        // Across then Down, each in number order, whatever order the file lists them in.
        std::stable_sort(
            own.clues.begin(), own.clues.end(), [](const OwnClue& a, const OwnClue& b) {
                return std::pair(a.direction, a.number) < std::pair(b.direction, b.number);
            });
        return std::nullopt;
    }

    std::optional<std::string> ReadInfo(PuzzleInfo& info) const
    {
        const std::pair<const char*, std::string*> fields[] = {{"title", &info.title},
                                                               {"author", &info.author},
                                                               {"copyright", &info.copyright},
                                                               {"notes", &info.notes}};
        for (const auto& [key, target] : fields) {
            if (const JsonValue* value = root.Find(key); value != nullptr && !value->IsNull()) {
                if (!value->IsString()) {
                    return std::string("has a \"") + key + "\" that is not a string";
                }
                *target = PlainTextFromHtml(value->AsString());
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> ReadPlay(OwnPuzzle& puzzle) const
    {
        const JsonValue* play = root.Find(kIpuzPlayKey);
        puzzle.completed = AllSolved(puzzle.crossword);
        if (play == nullptr) {
            return std::nullopt;
        }
        const JsonValue* clock = play->Find("clock");
        const JsonValue* completed = play->Find("completed");
        const std::optional<std::int64_t> seconds =
            clock != nullptr ? clock->AsInteger() : std::nullopt;
        if (!seconds || *seconds < 0 || *seconds > kMaxClockSeconds || completed == nullptr ||
            !completed->IsBool()) {
            return std::string("has a damaged \"") + kIpuzPlayKey + "\" (clock and completion)";
        }
        puzzle.clock = ClockFromSeconds(*seconds);
        puzzle.completed = completed->AsBool();
        return std::nullopt;
    }

    const JsonValue& root;
    std::string block = "#";
    std::string empty = "0";
    const JsonValue* styles = nullptr;
};

// The JSON text inside the bytes: a byte-order mark and an old "ipuz(...)" wrapping removed.
std::string_view JsonTextOf(std::span<const std::byte> bytes)
{
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text.substr(first, 5) != "ipuz(") {
        return text;
    }
    std::size_t last = text.find_last_not_of(" \t\r\n;");
    if (last == std::string_view::npos || text[last] != ')' || last < first + 5) {
        return text;
    }
    return text.substr(first + 5, last - first - 5);
}

}  // namespace

Result<OwnPuzzle> ParseIpuz(std::span<const std::byte> bytes)
{
    if (bytes.size() > kMaxIpuzFileBytes) {
        return Refuse("is " + std::to_string(bytes.size()) +
                      " bytes long, more than an .ipuz file can be");
    }
    const Result<JsonValue> json =
        ParseJson(JsonTextOf(bytes), {.maxBytes = kMaxIpuzFileBytes, .maxDepth = kMaxJsonDepth});
    if (!json) {
        return Refuse("is not valid JSON: " + json.Error());
    }
    if (!json->IsObject()) {
        return Refuse("is not an .ipuz puzzle: its JSON is not an object");
    }
    OwnPuzzle puzzle;
    IpuzReader reader(json.Value());
    if (std::optional<std::string> why = reader.Read(puzzle)) {
        return Refuse(std::move(*why));
    }
    if (!reader.numbered) {
        ApplyStandardNumbering(puzzle.crossword);
    }
    if (Status checked = CheckOwnPuzzle(puzzle); !checked) {
        return Refuse(checked.Error());
    }
    return puzzle;
}

}  // namespace quillby
