#include <gtest/gtest.h>

#include "core/game/game.h"
#include "support/grids.h"
#include "support/scripted_host.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ScriptedHost;
using testing::SetGrid;
using testing::TempAppFolder;

class GameLook : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};

    void SetUp() override
    {
        SetGrid(game.crossword, {"CAT", "O#A", "WET"});
        game.crossword.BuildAnswerList();
        game.crossword.NumberSquares();
    }
    Square& At(int col, int row) { return *game.crossword.SquareAt(col, row); }
};

TEST(SchemeColours, GiveTheFourSchemesWithTheModeOnlyChangingBlackAndWhiteBlocks)
{
    const ColourScheme plain = SchemeColours(0, false);
    EXPECT_EQ(plain.square, (Rgb{255, 255, 255}));
    EXPECT_EQ(plain.block, (Rgb{0, 0, 0}));
    EXPECT_EQ(plain.highlight, (Rgb{217, 227, 240}));
    EXPECT_EQ(SchemeColours(0, true).block, (Rgb{50, 50, 50}));

    const ColourScheme autumn = SchemeColours(1, false);
    EXPECT_EQ(autumn.square, (Rgb{221, 179, 141}));
    EXPECT_EQ(autumn.block, (Rgb{134, 100, 73}));
    EXPECT_EQ(autumn.number, (Rgb{0, 0, 0}));
    EXPECT_EQ(autumn.highlight, (Rgb{208, 152, 105}));
    EXPECT_EQ(autumn.letter, (Rgb{84, 67, 50}));
    EXPECT_EQ(SchemeColours(1, true), autumn);

    const ColourScheme olive = SchemeColours(2, false);
    EXPECT_EQ(olive.square, (Rgb{236, 233, 216}));
    EXPECT_EQ(olive.block, (Rgb{167, 181, 128}));
    EXPECT_EQ(olive.number, (Rgb{70, 78, 44}));
    EXPECT_EQ(olive.highlight, (Rgb{227, 224, 198}));
    EXPECT_EQ(olive.letter, (Rgb{70, 78, 44}));

    const ColourScheme rose = SchemeColours(3, false);
    EXPECT_EQ(rose.square, (Rgb{207, 175, 183}));
    EXPECT_EQ(rose.block, (Rgb{162, 102, 117}));
    EXPECT_EQ(rose.number, (Rgb{89, 45, 57}));
    EXPECT_EQ(rose.highlight, (Rgb{198, 159, 169}));
    EXPECT_EQ(rose.letter, (Rgb{109, 65, 77}));

    // A damaged settings file can hold any number; it draws as the first scheme.
    EXPECT_EQ(SchemeColours(-7, false), plain);
    EXPECT_EQ(SchemeColours(4, true), SchemeColours(0, true));
}

TEST_F(GameLook, OriginalModeShowsGuessesHighlightAndCursorMark)
{
    At(0, 0).guess = 'C';
    At(1, 0).highlighted = true;
    At(1, 0).isCursor = true;
    game.settings.colourScheme = 2;

    const SquareLook first = game.LookOf(At(0, 0));
    EXPECT_TRUE(first.open);
    EXPECT_EQ(first.letter, 'C');
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.fill, SchemeColours(2, false).square);
    EXPECT_EQ(first.letterColour, (Rgb{70, 78, 44}));
    EXPECT_FALSE(first.cursorMark);

    const SquareLook cursor = game.LookOf(At(1, 0));
    EXPECT_EQ(cursor.letter, 0);  // no guess yet: the solution stays hidden
    EXPECT_EQ(cursor.fill, SchemeColours(2, false).highlight);
    EXPECT_TRUE(cursor.cursorMark);

    const SquareLook block = game.LookOf(At(1, 1));
    EXPECT_FALSE(block.open);
    EXPECT_EQ(block.fill, SchemeColours(2, false).block);
    EXPECT_EQ(block.letter, 0);
}

TEST_F(GameLook, PausedClockHidesEveryLetterInPlayButNotInCreateMode)
{
    At(0, 0).guess = 'C';
    game.clockPaused = true;
    EXPECT_EQ(game.LookOf(At(0, 0)).letter, '?');
    EXPECT_EQ(game.LookOf(At(2, 2)).letter, '?');  // empty squares too
    EXPECT_EQ(game.LookOf(At(1, 1)).letter, 0);    // blocks show nothing

    game.settings.createMode = true;
    At(0, 0).isCursor = true;
    const SquareLook created = game.LookOf(At(0, 0));
    EXPECT_EQ(created.letter, 'C');  // the creator's answer letters
    EXPECT_FALSE(created.cursorMark);
    EXPECT_EQ(game.LookOf(At(1, 1)).fill, (Rgb{50, 50, 50}));
}

TEST_F(GameLook, PaperShowsNoHighlightOrCursorAndLettersOnlyWhereAsked)
{
    At(0, 0).guess = 'X';
    At(0, 0).highlighted = true;
    At(0, 0).isCursor = true;
    game.clockPaused = true;

    const SquareLook blank = game.LookOf(At(0, 0), Surface::PrintedPuzzle);
    EXPECT_EQ(blank.letter, 0);
    EXPECT_EQ(blank.fill, SchemeColours(0, false).square);
    EXPECT_FALSE(blank.cursorMark);
    EXPECT_EQ(blank.number, 1);

    game.settings.printUserSquares = true;
    EXPECT_EQ(game.LookOf(At(0, 0), Surface::PrintedPuzzle).letter, 'X');
    EXPECT_EQ(game.LookOf(At(0, 0), Surface::PrintedSolution).letter, 'C');
}

TEST_F(GameLook, APuzzlesCirclesAndShadingShowOnScreenAndPaper)
{
    At(0, 0).style = kStyleCircle;
    At(2, 2).style = kStyleCircle | kStyleShaded;
    const SquareLook circled = game.LookOf(At(0, 0));
    EXPECT_TRUE(circled.circled);
    EXPECT_FALSE(circled.shaded);
    EXPECT_EQ(circled.fill, (Rgb{255, 255, 255}));
    // Shading goes a quarter of the way to the block colour, highlighted or not, on paper too.
    EXPECT_EQ(game.LookOf(At(2, 2), Surface::PrintedPuzzle).fill, (Rgb{191, 191, 191}));
    At(2, 2).highlighted = true;
    const SquareLook both = game.LookOf(At(2, 2));
    EXPECT_TRUE(both.circled && both.shaded);
    EXPECT_EQ(both.fill, Shaded({217, 227, 240}, {0, 0, 0}));
    EXPECT_EQ(Shaded({217, 227, 240}, {0, 0, 0}), (Rgb{163, 170, 180}));
    EXPECT_FALSE(game.LookOf(At(1, 0)).circled);
}

}  // namespace
}  // namespace quillby
