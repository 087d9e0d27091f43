#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"

namespace quillby {
namespace {

std::vector<std::byte> Bytes(const std::string& text)
{
    const auto* begin = reinterpret_cast<const std::byte*>(text.data());
    return {begin, begin + text.size()};
}

std::string ErrorOf(const std::string& text)
{
    const Result<OwnPuzzle> puzzle = ParseIpuz(Bytes(text));
    return puzzle ? "" : puzzle.Error();
}

// A 4 x 2 crossword written the way other programs write them: numbers as strings and
// integers, a circle given by a named style, a shaded square, markup and entities in the
// clues, accents, a "saved" grid, and the empty squares of saved as "".
const std::string kFourByTwo = R"({
  "version": "http://ipuz.org/v2",
  "kind": ["http://ipuz.org/crossword#1"],
  "title": "Petit caf&eacute;",
  "author": "Zo\u00eb & co",
  "copyright": "&copy; 2024",
  "notes": "First line<br>Second line",
  "dimensions": {"width": 4, "height": 2},
  "styles": {"ringed": {"shapebg": "circle"}},
  "puzzle": [[{"cell": 1, "style": "ringed"}, "2", 3, "4"],
             [{"cell": "5", "style": {"highlight": true}}, 0, {"cell": 0, "style": {"shapebg": "circle"}}, "0"]],
  "solution": [["C", "A", "F", "E"], ["O", "R", "E", {"value": "S"}]],
  "saved": [["C", "", "f", null], ["", "", "", ""]],
  "clues": {
    "Across": [[1, "<i>Caf&eacute;</i> &amp; bar"], {"number": "5", "clue": "Mineral rocks"}],
    "Down:Down": [[1, "Cola, for one"], [2, "Fine <b>art</b>?"], [3, "&#8220;Fe&#8221;"], [4, "<span>Es</span>"]]
  }
})";

TEST(IpuzFile, ReadsMarkupAccentsStylesAndANonSquareGrid)
{
    const Result<OwnPuzzle> puzzle = ParseIpuz(Bytes(kFourByTwo));
    ASSERT_TRUE(puzzle) << puzzle.Error();
    const Crossword& grid = puzzle->crossword;
    ASSERT_EQ(grid.width, 4);
    ASSERT_EQ(grid.height, 2);
    EXPECT_EQ(grid.SquareAt(3, 1)->solution, 'S');
    EXPECT_EQ(grid.SquareAt(0, 0)->guess, 'C');
    EXPECT_EQ(grid.SquareAt(2, 0)->guess, 'F');  // lower case is taken as upper
    EXPECT_EQ(grid.SquareAt(1, 0)->guess, 0);
    EXPECT_EQ(grid.SquareAt(3, 0)->number, 4);
    EXPECT_EQ(grid.SquareAt(0, 1)->number, 5);
    EXPECT_EQ(grid.SquareAt(1, 1)->number, 0);
    EXPECT_EQ(grid.SquareAt(0, 0)->style, kStyleCircle);
    EXPECT_EQ(grid.SquareAt(2, 1)->style, kStyleCircle);
    EXPECT_EQ(grid.SquareAt(0, 1)->style, kStyleShaded);
    EXPECT_EQ(grid.SquareAt(1, 0)->style, 0);

    const std::vector<OwnClue> expected = {{1, kAcross, "<i>Café</i> &amp; bar"},
                                           {5, kAcross, "Mineral rocks"},
                                           {1, kDown, "Cola, for one"},
                                           {2, kDown, "Fine <b>art</b>?"},
                                           {3, kDown, "“Fe”"},
                                           {4, kDown, "Es"}};
    EXPECT_EQ(puzzle->own.clues, expected);
    EXPECT_EQ(puzzle->own.info,
              (PuzzleInfo{"Petit café", "Zoë & co", "© 2024", "First line\nSecond line"}));
    EXPECT_EQ(puzzle->clock, Clock{});
    EXPECT_FALSE(puzzle->completed);
}

TEST(IpuzFile, RoundTripsThroughItsWriterWithClockAndCompletion)
{
    Result<OwnPuzzle> puzzle = ParseIpuz(Bytes(kFourByTwo));
    ASSERT_TRUE(puzzle);
    puzzle->clock = {.hours = 1, .minutes = 2, .seconds = 3, .ticks = 3723};
    puzzle->completed = true;
    puzzle->own.info.notes = "a < b & c\n\nend";
    const std::vector<std::byte> written = SerializeIpuz(puzzle.Value());
    const std::string text(reinterpret_cast<const char*>(written.data()), written.size());
    EXPECT_NE(text.find("\"kind\": [\"http://ipuz.org/crossword#1\"]"), std::string::npos);
    EXPECT_NE(text.find("[{\"cell\": 1, \"style\": {\"shapebg\": \"circle\"}}, 2, 3, 4]"),
              std::string::npos)
        << text;

    const Result<OwnPuzzle> back = ParseIpuz(written);
    ASSERT_TRUE(back) << back.Error();
    EXPECT_EQ(back->own, puzzle->own);
    EXPECT_EQ(back->clock, puzzle->clock);
    EXPECT_TRUE(back->completed);
    for (std::size_t i = 0; i < back->crossword.squares.size(); ++i) {
        const Square& a = back->crossword.squares[i];
        const Square& b = puzzle->crossword.squares[i];
        EXPECT_EQ(std::tie(a.open, a.solution, a.guess, a.number, a.style),
                  std::tie(b.open, b.solution, b.guess, b.number, b.style))
            << i;
    }
    // Written again, the same bytes.
    EXPECT_EQ(SerializeIpuz(back.Value()), written);
    // And through .puz: circles survive, shading has no place there.
    const Result<OwnPuzzle> viaPuz = ParsePuz(SerializePuz(back.Value()));
    ASSERT_TRUE(viaPuz) << viaPuz.Error();
    EXPECT_EQ(viaPuz->crossword.SquareAt(0, 0)->style, kStyleCircle);
    EXPECT_EQ(viaPuz->crossword.SquareAt(0, 1)->style, 0);
    EXPECT_EQ(viaPuz->own.Find(1, kAcross)->text, "Café &amp; bar");
    EXPECT_EQ(viaPuz->clock, puzzle->clock);
}

TEST(IpuzFile, AcceptsTheFormsWritersDifferOn)
{
    // The old JSONP wrapping, a byte-order mark, a block written otherwise, no numbers at all
    // (standard numbering is used), null for omitted squares, https in the kind.
    const std::string text =
        "\xEF\xBB\xBFipuz({\"kind\": [\"https://ipuz.org/crossword#2\"],"
        "\"dimensions\": {\"width\": 3, \"height\": 2}, \"block\": \"*\","
        "\"puzzle\": [[0, 0, null], [\"*\", 0, 0]],"
        "\"solution\": [[\"A\", \"B\", null], [\"*\", \"C\", \"D\"]],"
        "\"clues\": {\"Across\": [[1, \"ab\"], [3, \"cd\"]],"
        "\"Down\": [[2, \"bc\"]]}});\n";
    const Result<OwnPuzzle> puzzle = ParseIpuz(Bytes(text));
    ASSERT_TRUE(puzzle) << puzzle.Error();
    EXPECT_FALSE(puzzle->crossword.SquareAt(2, 0)->open);
    EXPECT_EQ(puzzle->crossword.SquareAt(1, 0)->number, 2);
    EXPECT_EQ(puzzle->crossword.SquareAt(1, 1)->number, 3);
}

TEST(IpuzFile, RefusesTheWrongShapeOrKindSayingWhy)
{
    auto replaced = [](std::string from, std::string to) {
        std::string text = kFourByTwo;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    EXPECT_EQ(ErrorOf("[1, 2]"), "is not an .ipuz puzzle: its JSON is not an object");
    EXPECT_EQ(ErrorOf("{\"kind\": 1"),
              "is not valid JSON: expected ',' or '}' in an object at line 1, column 11");
    EXPECT_EQ(ErrorOf(replaced("crossword#1", "sudoku#1")),
              "is an .ipuz puzzle but not a crossword");
    EXPECT_EQ(ErrorOf(replaced("\"width\": 4", "\"width\": 26")),
              "is 26 x 2: the game plays grids from 1 x 1 to 25 x 25");
    EXPECT_EQ(ErrorOf(replaced("\"width\": 4", "\"width\": \"4\"")),
              "has no dimensions (a whole width and height)");
    EXPECT_EQ(ErrorOf(replaced("\"height\": 2", "\"height\": 3")),
              "has a \"puzzle\" grid whose shape disagrees with its dimensions");
    EXPECT_EQ(ErrorOf(replaced("[\"O\", \"R\"", "[\"O\", \"RE\"")),
              "has rebus squares (several letters in one square), which the game cannot play");
    EXPECT_EQ(
        ErrorOf(replaced("[\"O\", \"R\"", "[\"O\", \"É\"")),
        "has \"É\" in its solution at row 2, column 2: only the letters A to Z can be played");
    EXPECT_EQ(ErrorOf(replaced("[\"O\", \"R\"", "[\"O\", \"#\"")),
              "has a solution that disagrees with its puzzle at row 2, column 2");
    EXPECT_EQ(ErrorOf(replaced("[\"O\", \"R\"", "[\"O\", \"\"")),
              "has no solution letter at row 2, column 2");
    EXPECT_EQ(ErrorOf(replaced("\"solution\"", "\"answers\"")),
              "has no solution, so it cannot be played");
    EXPECT_EQ(ErrorOf(replaced("\"Down:Down\"", "\"Diagonal\"")),
              "has Diagonal clues, which the game cannot play");
    EXPECT_EQ(ErrorOf(replaced("[4, \"<span>Es</span>\"]", "[4, 5]")),
              "has a clue that is not a number and a text");
    EXPECT_EQ(ErrorOf(replaced(", [4, \"<span>Es</span>\"]", "")), "has no clue for 4 Down");
    EXPECT_EQ(ErrorOf(replaced("[4, \"<span>Es</span>\"]", "[4, \"x\"], [6, \"y\"]")),
              "has a clue for 6 Down, which is not in the grid");
    EXPECT_EQ(ErrorOf(replaced("\"2\", 3", "\"2\", 2")), "gives the number 2 to two squares");
    EXPECT_EQ(ErrorOf(replaced("\"2\", 3", "\"2\", \"A\"")),
              "has the label \"A\" at row 1, column 3: only numbers can label squares");
    EXPECT_EQ(ErrorOf(replaced("\"title\": \"Petit caf&eacute;\"", "\"title\": 7")),
              "has a \"title\" that is not a string");
    EXPECT_EQ(ErrorOf(replaced("\"dimensions\"",
                               "\"x-quillby:play\": {\"clock\": -1, "
                               "\"completed\": false}, \"dimensions\"")),
              "has a damaged \"x-quillby:play\" (clock and completion)");
    EXPECT_EQ(ErrorOf(replaced("[\"C\", \"\", \"f\", null]", "[\"C\", \"\", \"f\", \"#\"]")),
              "has a \"saved\" grid that disagrees with its puzzle at row 1, column 4");
    EXPECT_NE(ErrorOf(std::string(100000, '[')), "");
}

}  // namespace
}  // namespace quillby
