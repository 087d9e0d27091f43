#include "core/storage/puz_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "core/common/clue_markup.h"
#include "core/common/html_tokens.h"
#include "core/common/text_encoding.h"
#include "core/model/numbering.h"
#include "core/storage/puz_checksums.h"

namespace quillby {

// The .puz layout (Across Lite), little-endian:
//
//   offset  size  field
//   0x00    2     file checksum
//   0x02    12    "ACROSS&DOWN\0"
//   0x0E    2     header checksum (CIB: the 8 bytes at 0x2C)
//   0x10    4     masked checksums, low bytes  ('I' 'C' 'H' 'E' xor CIB, solution, grid, text)
//   0x14    4     masked checksums, high bytes ('A' 'T' 'E' 'D' xor the same)
//   0x18    4     version "1.3\0"
//   0x1C    2     reserved
//   0x1E    2     checksum of the unscrambled solution (scrambled files only)
//   0x20    12    reserved
//   0x2C    1     width
//   0x2D    1     height
//   0x2E    2     number of clues
//   0x30    2     puzzle type: 0x0001 normal, 0x0401 diagramless
//   0x32    2     scrambled tag: 0 plain, else the solution is locked with a key
//   0x34    W*H   solution, row-major: 'A'..'Z', '.' a block
//           W*H   the player's grid: letters, '-' empty, '.' a block
//           then NUL-terminated Windows-1252 strings: title, author, copyright, the clues in
//           number order (Across before Down at one number), notes
//           then extra sections, each: 4-byte name, 2-byte length, 2-byte checksum of the
//           data, the data, a NUL. GEXT: one byte a square, 0x80 circled. LTIM:
//           "seconds,flag", flag 0 running, 1 stopped. GRBS/RTBL: rebus squares.

namespace {

constexpr std::size_t kHeaderSize = 0x34;
constexpr std::size_t kMagicOffset = 0x02;
constexpr std::string_view kMagic{"ACROSS&DOWN\0", 12};
constexpr std::size_t kCibOffset = 0x2C;
constexpr std::uint16_t kDiagramless = 0x0401;
constexpr std::uint8_t kGextCircled = 0x80;
constexpr char kBlock = '.';
constexpr char kEmpty = '-';

Result<OwnPuzzle> Refuse(std::string why)
{
    return Result<OwnPuzzle>::Failure(std::move(why));
}

std::string TextOf(std::span<const std::byte> bytes)
{
    return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// A byte from the file as the message shows it: 'x', or its value when it is not printable.
std::string Shown(char c)
{
    if (c > ' ' && c < 0x7F) {
        return std::string("'") + c + "'";
    }
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

// Version "1.3" and later count the notes in the checksums.
bool NotesCounted(std::span<const std::byte> version)
{
    const std::string text = TextOf(version);
    if (text.size() < 3 || text[1] != '.' || text[0] < '0' || text[0] > '9' || text[2] < '0' ||
        text[2] > '9') {
        return false;
    }
    return text[0] > '1' || (text[0] == '1' && text[2] >= '3');
}

// Walks the strings and extra sections after the two grids.
class PuzTail {
public:
    PuzTail(std::span<const std::byte> bytes, std::size_t at) : bytes(bytes), at(at) {}

    bool String(std::string& out)
    {
        for (std::size_t end = at; end < bytes.size(); ++end) {
            if (bytes[end] == std::byte{0}) {
                out = TextOf(bytes.subspan(at, end - at));
                at = end + 1;
                return true;
            }
        }
        return false;
    }
    std::size_t Remaining() const { return bytes.size() - at; }
    std::span<const std::byte> Take(std::size_t count)
    {
        const auto taken = bytes.subspan(at, count);
        at += count;
        return taken;
    }

private:
    std::span<const std::byte> bytes;
    std::size_t at;
};

// Reads the two grids into the crossword; the reason when a square cannot be played.
std::optional<std::string> ReadGrids(std::span<const std::byte> solution,
                                     std::span<const std::byte> state, Crossword& crossword)
{
    for (Square& square : crossword.squares) {
        const auto index = static_cast<std::size_t>(square.row * crossword.width + square.col);
        const auto letter = static_cast<char>(solution[index]);
        char guess = static_cast<char>(state[index]);
        const std::string where = " at " + SquareName(square.col, square.row);
        if (letter == kBlock) {
            if (guess != kBlock) {
                return "has a player's grid that disagrees with its solution" + where;
            }
            continue;
        }
        if (letter < 'A' || letter > 'Z') {
            return "has " + Shown(letter) + " in its solution" + where +
                   ": only the letters A to Z can be played";
        }
        if (guess >= 'a' && guess <= 'z') {
            guess = static_cast<char>(guess - 'a' + 'A');
        }
        if (guess != kEmpty && (guess < 'A' || guess > 'Z')) {
            return "has " + Shown(guess) + " in its player's grid" + where;
        }
        square.open = true;
        square.solution = letter;
        square.guess = guess == kEmpty ? 0 : guess;
    }
    return std::nullopt;
}

// The seconds of an LTIM section, "seconds,flag".
std::optional<std::int64_t> TimerSeconds(const std::string& text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || comma == 0 || comma > 10 || text.size() != comma + 2 ||
        (text[comma + 1] != '0' && text[comma + 1] != '1')) {
        return std::nullopt;
    }
    std::int64_t seconds = 0;
    for (std::size_t i = 0; i < comma; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        seconds = seconds * 10 + (text[i] - '0');
    }
    if (seconds > kMaxClockSeconds) {
        return std::nullopt;
    }
    return seconds;
}

// Reads the extra sections that follow the notes: circles and the timer; refuses rebus squares
// and anything damaged.
std::optional<std::string> ReadExtras(PuzTail& tail, OwnPuzzle& puzzle)
{
    const std::size_t squareCount = puzzle.crossword.squares.size();
    std::string seen;
    while (tail.Remaining() > 0) {
        if (tail.Remaining() < 8) {
            return std::string("ends inside the heading of an extra section");
        }
        const auto heading = tail.Take(8);
        std::string name = TextOf(heading.first(4));
        for (char& c : name) {
            c = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ? c
                                                                                           : '?';
        }
        const std::size_t length = PuzU16At(heading, 4);
        const std::uint16_t sum = PuzU16At(heading, 6);
        if (tail.Remaining() < length + 1) {
            return "ends inside its " + name + " section";
        }
        const auto data = tail.Take(length);
        if (tail.Take(1)[0] != std::byte{0} || PuzChecksum(data) != sum) {
            return "has a damaged " + name + " section (its checksum fails)";
        }
        if (seen.find(name + ";") != std::string::npos) {
            return "has two " + name + " sections";
        }
        seen += name + ";";
        if (name == "GRBS" || name == "GEXT") {
            if (length != squareCount) {
                return "has a " + name + " section of the wrong size";
            }
            for (std::size_t i = 0; i < squareCount; ++i) {
                const auto value = std::to_integer<std::uint8_t>(data[i]);
                if (name == "GRBS" && value != 0) {
                    return std::string(
                        "has rebus squares (several letters in one square), which "
                        "the game cannot play");
                }
                if (name == "GEXT" && (value & kGextCircled) != 0) {
                    puzzle.crossword.squares[i].style |= kStyleCircle;
                }
            }
        } else if (name == "LTIM") {
            const std::optional<std::int64_t> seconds = TimerSeconds(TextOf(data));
            if (!seconds) {
                return std::string("has a timer (LTIM) the game cannot read");
            }
            puzzle.clock = ClockFromSeconds(*seconds);
        }
    }
    return std::nullopt;
}

// Pairs the clue strings with the runs in their file order: by number, Across first.
void AssignClues(const std::vector<std::string>& clues, OwnPuzzle& puzzle)
{
    std::vector<OwnClue> across;
    std::vector<OwnClue> down;
    std::size_t next = 0;
    for (const NumberedStart& start : StandardNumbering(puzzle.crossword)) {
        for (const int direction : {kAcross, kDown}) {
            if (direction == kAcross ? start.across : start.down) {
                const std::string text = EscapeHtmlText(Windows1252ToUtf8(clues[next++]));
                (direction == kAcross ? across : down).push_back({start.number, direction, text});
            }
        }
    }
    puzzle.own.clues = std::move(across);
    puzzle.own.clues.insert(puzzle.own.clues.end(), down.begin(), down.end());
}

std::size_t EntryCount(const Crossword& crossword)
{
    std::size_t count = 0;
    for (const NumberedStart& start : StandardNumbering(crossword)) {
        count += (start.across ? 1 : 0) + (start.down ? 1 : 0);
    }
    return count;
}

// Refuses a header the game cannot use; sets the grid size otherwise.
std::optional<std::string> ReadHeader(std::span<const std::byte> bytes, Crossword& crossword)
{
    if (bytes.size() > kMaxPuzFileBytes) {
        return "is " + std::to_string(bytes.size()) + " bytes long, more than a .puz file can be";
    }
    if (bytes.size() < kMagicOffset + kMagic.size() ||
        TextOf(bytes.subspan(kMagicOffset, kMagic.size())) != kMagic) {
        return std::string("is not an Across Lite .puz file");
    }
    if (bytes.size() < kHeaderSize) {
        return std::string("ends inside its header");
    }
    const int width = std::to_integer<int>(bytes[0x2C]);
    const int height = std::to_integer<int>(bytes[0x2D]);
    if (width < 1 || height < 1 || width > kMaxPuzzleSide || height > kMaxPuzzleSide) {
        return "is " + std::to_string(width) + " x " + std::to_string(height) +
               ": the game plays grids from 1 x 1 to 25 x 25";
    }
    if (PuzU16At(bytes, 0x32) != 0) {
        return std::string("is scrambled: its solution is locked with a key");
    }
    if (PuzU16At(bytes, 0x30) == kDiagramless) {
        return std::string("is a diagramless puzzle, which the game cannot play");
    }
    crossword.SetGridSize(width, height);
    return std::nullopt;
}

}  // namespace

Result<OwnPuzzle> ParsePuz(std::span<const std::byte> bytes)
{
    OwnPuzzle puzzle;
    if (std::optional<std::string> why = ReadHeader(bytes, puzzle.crossword)) {
        return Refuse(std::move(*why));
    }
    const std::size_t area = puzzle.crossword.squares.size();
    if (bytes.size() < kHeaderSize + 2 * area) {
        return Refuse("ends inside its grid");
    }
    const auto solution = bytes.subspan(kHeaderSize, area);
    const auto state = bytes.subspan(kHeaderSize + area, area);
    if (std::optional<std::string> why = ReadGrids(solution, state, puzzle.crossword)) {
        return Refuse(std::move(*why));
    }
    const std::size_t clueCount = PuzU16At(bytes, 0x2E);
    const std::size_t entries = EntryCount(puzzle.crossword);
    if (clueCount != entries) {
        return Refuse("has " + std::to_string(clueCount) + " clues for the " +
                      std::to_string(entries) + " entries of its grid");
    }
    PuzTail tail(bytes, kHeaderSize + 2 * area);
    PuzStrings strings;
    strings.clues.resize(clueCount);
    bool complete =
        tail.String(strings.title) && tail.String(strings.author) && tail.String(strings.copyright);
    for (std::string& clue : strings.clues) {
        complete = complete && tail.String(clue);
    }
    if (!complete || !tail.String(strings.notes)) {
        return Refuse("ends inside its title, author, clues or notes");
    }
    const PuzGrids grids{bytes.subspan(kCibOffset, 8), solution, state};
    if (std::optional<std::string> why =
            CheckPuzChecksums(bytes, grids, strings, NotesCounted(bytes.subspan(0x18, 4)))) {
        return Refuse(std::move(*why));
    }
    if (std::optional<std::string> why = ReadExtras(tail, puzzle)) {
        return Refuse(std::move(*why));
    }
    AssignClues(strings.clues, puzzle);
    puzzle.own.info = {Windows1252ToUtf8(strings.title), Windows1252ToUtf8(strings.author),
                       Windows1252ToUtf8(strings.copyright), Windows1252ToUtf8(strings.notes)};
    ApplyStandardNumbering(puzzle.crossword);
    puzzle.completed = AllSolved(puzzle.crossword);
    if (Status checked = CheckOwnPuzzle(puzzle); !checked) {
        return Refuse(checked.Error());
    }
    return puzzle;
}

namespace {

void WriteU16Le(std::vector<std::byte>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::byte>(value & 0xFF));
    out.push_back(static_cast<std::byte>(value >> 8));
}

void WriteText(std::vector<std::byte>& out, std::string_view text)
{
    for (const char c : text) {
        out.push_back(static_cast<std::byte>(c));
    }
}

void WriteSection(std::vector<std::byte>& out, std::string_view name,
                  const std::vector<std::byte>& data)
{
    WriteText(out, name);
    WriteU16Le(out, static_cast<std::uint16_t>(data.size()));
    WriteU16Le(out, PuzChecksum(data));
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(std::byte{0});
}

// The strings in file order, Windows-1252, with the clues of the runs in standard order.
PuzStrings StringsOf(const OwnPuzzle& puzzle)
{
    PuzStrings strings;
    const PuzzleInfo& info = puzzle.own.info;
    strings.title = Utf8ToWindows1252(info.title);
    strings.author = Utf8ToWindows1252(info.author);
    strings.copyright = Utf8ToWindows1252(info.copyright);
    strings.notes = Utf8ToWindows1252(info.notes);
    for (const NumberedStart& start : StandardNumbering(puzzle.crossword)) {
        const int number = puzzle.crossword.SquareAt(start.col, start.row)->number;
        for (const int direction : {kAcross, kDown}) {
            if (direction == kAcross ? start.across : start.down) {
                const OwnClue* clue = puzzle.own.Find(number, direction);
                strings.clues.push_back(
                    clue != nullptr ? Utf8ToWindows1252(PlainTextOfMarkup(clue->text)) : "");
            }
        }
    }
    return strings;
}

}  // namespace

std::vector<std::byte> SerializePuz(const OwnPuzzle& puzzle)
{
    const Crossword& crossword = puzzle.crossword;
    std::vector<std::byte> solution;
    std::vector<std::byte> state;
    std::vector<std::byte> gext;
    bool circles = false;
    for (const Square& square : crossword.squares) {
        solution.push_back(static_cast<std::byte>(square.open ? square.solution : kBlock));
        state.push_back(static_cast<std::byte>(
            !square.open ? kBlock : (square.guess != 0 ? square.guess : kEmpty)));
        const bool circled = square.open && (square.style & kStyleCircle) != 0;
        gext.push_back(std::byte{circled ? kGextCircled : std::uint8_t{0}});
        circles = circles || circled;
    }
    const PuzStrings strings = StringsOf(puzzle);

    std::vector<std::byte> cib;
    cib.push_back(static_cast<std::byte>(crossword.width));
    cib.push_back(static_cast<std::byte>(crossword.height));
    WriteU16Le(cib, static_cast<std::uint16_t>(strings.clues.size()));
    WriteU16Le(cib, 0x0001);  // a normal puzzle
    WriteU16Le(cib, 0);       // not scrambled
    const PuzSums sums = ComputePuzSums({cib, solution, state}, strings, true, false);

    std::vector<std::byte> out;
    WriteU16Le(out, sums.file);
    WriteText(out, kMagic);
    WriteU16Le(out, sums.cib);
    out.insert(out.end(), sums.masked.begin(), sums.masked.end());
    WriteText(out, std::string_view("1.3\0", 4));
    out.resize(kCibOffset, std::byte{0});  // reserved and the scrambled checksum
    out.insert(out.end(), cib.begin(), cib.end());
    out.insert(out.end(), solution.begin(), solution.end());
    out.insert(out.end(), state.begin(), state.end());
    for (const std::string* text : {&strings.title, &strings.author, &strings.copyright}) {
        WriteText(out, *text);
        out.push_back(std::byte{0});
    }
    for (const std::string& clue : strings.clues) {
        WriteText(out, clue);
        out.push_back(std::byte{0});
    }
    WriteText(out, strings.notes);
    out.push_back(std::byte{0});
    if (circles) {
        WriteSection(out, "GEXT", gext);
    }
    std::vector<std::byte> timer;
    const std::int64_t seconds =
        std::clamp<std::int64_t>(SecondsOf(puzzle.clock), 0, kMaxClockSeconds);
    WriteText(timer, std::to_string(seconds) + (puzzle.completed ? ",1" : ",0"));
    WriteSection(out, "LTIM", timer);
    return out;
}

}  // namespace quillby
