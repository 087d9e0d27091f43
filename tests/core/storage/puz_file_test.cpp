#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/storage/puz_file.h"

namespace quillby {
namespace {

// A .puz file put together byte by byte from the format's description, with its own copy of
// the checksum, so the reader is tested against the description rather than against the
// writer.
struct PuzImage {
    int width = 3;
    int height = 3;
    std::string solution = "CATO.AWET";
    std::string state = "C-T-.----";
    std::string title = "Tiny \x93quoted\x94";
    std::string author = "A. Setter";
    std::string copyright = "\xA9 2024";
    std::vector<std::string> clues = {"Feline pet", "Dairy animal", "Tattoo, informally", "Soaked"};
    std::string notes;
    std::uint16_t scrambledTag = 0;
    std::uint16_t puzzleType = 1;
    int clueCount = -1;  // -1: the number of clues
    bool emptyCountsNul = false;
    struct Section {
        std::string name;
        std::string data;
    };
    std::vector<Section> sections = {{"LTIM", "65,0"}};

    static std::uint16_t Sum(const std::string& bytes, std::uint16_t sum)
    {
        for (const char c : bytes) {
            sum = static_cast<std::uint16_t>(((sum & 1) != 0 ? (sum >> 1) | 0x8000 : sum >> 1) +
                                             static_cast<std::uint8_t>(c));
        }
        return sum;
    }
    std::uint16_t TextSum(std::uint16_t sum) const
    {
        for (const std::string* text : {&title, &author, &copyright}) {
            if (!text->empty() || emptyCountsNul) {
                sum = Sum(*text + '\0', sum);
            }
        }
        for (const std::string& clue : clues) {
            sum = Sum(clue, sum);
        }
        if (!notes.empty() || emptyCountsNul) {
            sum = Sum(notes + '\0', sum);
        }
        return sum;
    }
    static void U16(std::string& out, std::uint16_t value)
    {
        out += static_cast<char>(value & 0xFF);
        out += static_cast<char>(value >> 8);
    }

    std::string Text() const
    {
        std::string cib;
        cib += static_cast<char>(width);
        cib += static_cast<char>(height);
        U16(cib, static_cast<std::uint16_t>(clueCount < 0 ? clues.size() : clueCount));
        U16(cib, puzzleType);
        U16(cib, scrambledTag);
        const std::uint16_t cibSum = Sum(cib, 0);
        const std::uint16_t parts[4] = {cibSum, Sum(solution, 0), Sum(state, 0), TextSum(0)};
        std::string out;
        U16(out, TextSum(Sum(state, Sum(solution, cibSum))));
        out += std::string("ACROSS&DOWN\0", 12);
        U16(out, cibSum);
        for (int i = 0; i < 4; ++i) {
            out += static_cast<char>("ICHE"[i] ^ (parts[i] & 0xFF));
        }
        for (int i = 0; i < 4; ++i) {
            out += static_cast<char>("ATED"[i] ^ (parts[i] >> 8));
        }
        out += std::string("1.3\0", 4);
        out += std::string(0x2C - out.size(), '\0');
        out += cib + solution + state;
        for (const std::string& text : {title, author, copyright}) {
            out += text + '\0';
        }
        for (const std::string& clue : clues) {
            out += clue + '\0';
        }
        out += notes + '\0';
        for (const Section& section : sections) {
            out += section.name;
            U16(out, static_cast<std::uint16_t>(section.data.size()));
            U16(out, Sum(section.data, 0));
            out += section.data + '\0';
        }
        return out;
    }
    std::vector<std::byte> Bytes() const
    {
        const std::string text = Text();
        const auto* begin = reinterpret_cast<const std::byte*>(text.data());
        return {begin, begin + text.size()};
    }
};

std::string ErrorOf(const std::vector<std::byte>& bytes)
{
    const Result<OwnPuzzle> puzzle = ParsePuz(bytes);
    return puzzle ? "" : puzzle.Error();
}

TEST(PuzFile, ReadsAHandBuiltThreeByThreeFieldByField)
{
    const Result<OwnPuzzle> puzzle = ParsePuz(PuzImage{}.Bytes());
    ASSERT_TRUE(puzzle) << puzzle.Error();
    const Crossword& grid = puzzle->crossword;
    ASSERT_EQ(grid.width, 3);
    ASSERT_EQ(grid.height, 3);
    EXPECT_EQ(grid.SquareAt(0, 0)->solution, 'C');
    EXPECT_EQ(grid.SquareAt(0, 0)->guess, 'C');
    EXPECT_EQ(grid.SquareAt(1, 0)->guess, 0);
    EXPECT_FALSE(grid.SquareAt(1, 1)->open);
    EXPECT_EQ(grid.SquareAt(2, 2)->solution, 'T');
    // Numbers are not stored: standard numbering gives them.
    EXPECT_EQ(grid.SquareAt(0, 0)->number, 1);
    EXPECT_EQ(grid.SquareAt(2, 0)->number, 2);
    EXPECT_EQ(grid.SquareAt(0, 2)->number, 3);
    EXPECT_EQ(grid.SquareAt(1, 0)->number, 0);
    // The clues in the file go 1 Across, 1 Down, 2 Down, 3 Across; they are kept Across first.
    const std::vector<OwnClue> expected = {{1, kAcross, "Feline pet"},
                                           {3, kAcross, "Soaked"},
                                           {1, kDown, "Dairy animal"},
                                           {2, kDown, "Tattoo, informally"}};
    EXPECT_EQ(puzzle->own.clues, expected);
    // Windows-1252 becomes UTF-8: typographic quotes, the copyright sign.
    EXPECT_EQ(puzzle->own.info.title, "Tiny “quoted”");
    EXPECT_EQ(puzzle->own.info.author, "A. Setter");
    EXPECT_EQ(puzzle->own.info.copyright, "© 2024");
    EXPECT_EQ(puzzle->own.info.notes, "");
    EXPECT_EQ(puzzle->clock, (Clock{.hours = 0, .minutes = 1, .seconds = 5, .ticks = 65}));
    EXPECT_FALSE(puzzle->completed);
    EXPECT_EQ(grid.SquareAt(0, 0)->style, 0);
}

TEST(PuzFile, ReadsCirclesMarkupCharactersAndASolvedGrid)
{
    PuzImage image;
    std::string gext(9, '\0');
    gext[0] = '\x80';
    gext[8] = '\xC0';  // circled and revealed
    image.sections.insert(image.sections.begin(), {"GEXT", gext});
    image.clues[0] = "Cat & <mouse>";
    image.notes = "Caf\xE9 notes";
    image.state = image.solution;
    const Result<OwnPuzzle> puzzle = ParsePuz(image.Bytes());
    ASSERT_TRUE(puzzle) << puzzle.Error();
    EXPECT_EQ(puzzle->crossword.SquareAt(0, 0)->style, kStyleCircle);
    EXPECT_EQ(puzzle->crossword.SquareAt(2, 2)->style, kStyleCircle);
    EXPECT_EQ(puzzle->crossword.SquareAt(1, 0)->style, 0);
    // Clue text is plain in a .puz file: it becomes markup that shows it as it was.
    EXPECT_EQ(puzzle->own.Find(1, kAcross)->text, "Cat &amp; &lt;mouse&gt;");
    EXPECT_EQ(puzzle->own.info.notes, "Café notes");
    EXPECT_TRUE(puzzle->completed);
}

TEST(PuzFile, RefusesRebusScrambledAndDamagedFilesSayingWhy)
{
    PuzImage rebus;
    rebus.sections.push_back({"GRBS", std::string("\0\0\x02\0\0\0\0\0\0", 9)});
    rebus.sections.push_back({"RTBL", " 1:TEA;"});
    EXPECT_EQ(ErrorOf(rebus.Bytes()),
              "has rebus squares (several letters in one square), which the game cannot play");

    PuzImage scrambled;
    scrambled.scrambledTag = 4;
    EXPECT_EQ(ErrorOf(scrambled.Bytes()), "is scrambled: its solution is locked with a key");

    auto wrongSum = PuzImage{}.Bytes();
    wrongSum[0] ^= std::byte{1};
    EXPECT_EQ(ErrorOf(wrongSum), "fails its checksums: the file is damaged");
    auto wrongHeader = PuzImage{}.Bytes();
    wrongHeader[0x0E] ^= std::byte{1};
    EXPECT_EQ(ErrorOf(wrongHeader), "fails its header checksum: the file is damaged");
    auto wrongClue = PuzImage{}.Bytes();
    wrongClue[wrongClue.size() - 20] ^= std::byte{1};  // a byte of the last clue
    EXPECT_EQ(ErrorOf(wrongClue), "fails its checksums: the file is damaged");

    // Some writers count a lone NUL for each empty string; their files are not damaged.
    PuzImage nulForEmpty;
    nulForEmpty.copyright.clear();
    nulForEmpty.emptyCountsNul = true;
    EXPECT_EQ(ErrorOf(nulForEmpty.Bytes()), "");
}

TEST(PuzFile, RefusesInconsistentAndHostileFiles)
{
    PuzImage count;
    count.clueCount = 5;
    count.clues.push_back("One too many");
    EXPECT_EQ(ErrorOf(count.Bytes()), "has 5 clues for the 4 entries of its grid");

    PuzImage digit;
    digit.solution[4] = '3';
    digit.state[4] = '-';
    EXPECT_EQ(ErrorOf(digit.Bytes()),
              "has '3' in its solution at row 2, column 2: only the letters A to Z can be played");

    PuzImage big;
    big.width = 26;
    big.height = 1;
    big.solution = std::string(26, 'A');
    big.state = std::string(26, '-');
    big.clues = {"Long"};
    EXPECT_EQ(ErrorOf(big.Bytes()), "is 26 x 1: the game plays grids from 1 x 1 to 25 x 25");

    PuzImage diagramless;
    diagramless.puzzleType = 0x0401;
    EXPECT_EQ(ErrorOf(diagramless.Bytes()), "is a diagramless puzzle, which the game cannot play");

    PuzImage timer;
    timer.sections = {{"LTIM", "abc,0"}};
    EXPECT_EQ(ErrorOf(timer.Bytes()), "has a timer (LTIM) the game cannot read");

    // An extra section whose length runs past the end of the file.
    auto pastEnd = PuzImage{}.Bytes();
    pastEnd[pastEnd.size() - 8] = std::byte{0x40};
    EXPECT_EQ(ErrorOf(pastEnd), "ends inside its LTIM section");

    EXPECT_EQ(ErrorOf(std::vector<std::byte>(200, std::byte{0})),
              "is not an Across Lite .puz file");
    // Every shorter piece of a good file is refused, never read past its end; only the piece
    // that stops before the timer section is a whole file.
    const auto whole = PuzImage{}.Bytes();
    const std::size_t withoutTimer = whole.size() - 13;
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::byte> piece(whole.begin(), whole.begin() + size);
        EXPECT_EQ(ErrorOf(piece).empty(), size == withoutTimer) << size;
    }
    EXPECT_EQ(ErrorOf(whole), "");
}

TEST(PuzFile, WritesTheSameBytesItReads)
{
    // The writer's output for what the reader took from a hand-built file is that file:
    // version 1.3, every checksum in its published form, circles and the timer.
    PuzImage image;
    std::string gext(9, '\0');
    gext[3] = '\x80';
    image.sections.insert(image.sections.begin(), {"GEXT", gext});
    image.notes = "Notes \x96 with a dash";
    Result<OwnPuzzle> puzzle = ParsePuz(image.Bytes());
    ASSERT_TRUE(puzzle) << puzzle.Error();
    EXPECT_EQ(SerializePuz(puzzle.Value()), image.Bytes());

    // A completed puzzle's timer is written stopped.
    OwnPuzzle solved = std::move(puzzle.Value());
    solved.completed = true;
    const std::vector<std::byte> bytes = SerializePuz(solved);
    const std::string tail(reinterpret_cast<const char*>(bytes.data()) + bytes.size() - 5, 4);
    EXPECT_EQ(tail, "65,1");
}

TEST(PuzFile, WritesCharactersOutsideWindows1252AsQuestionMarks)
{
    Result<OwnPuzzle> puzzle = ParsePuz(PuzImage{}.Bytes());
    ASSERT_TRUE(puzzle);
    puzzle->own.info.title = "Ωmega “ok”";
    puzzle->own.clues[0].text = "<i>Gato</i> &amp; 猫";
    const Result<OwnPuzzle> back = ParsePuz(SerializePuz(puzzle.Value()));
    ASSERT_TRUE(back) << back.Error();
    EXPECT_EQ(back->own.info.title, "?mega “ok”");
    EXPECT_EQ(back->own.Find(1, kAcross)->text, "Gato &amp; ?");
}

}  // namespace
}  // namespace quillby
