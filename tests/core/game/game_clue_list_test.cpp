#include <gtest/gtest.h>

#include "core/common/file_io.h"
#include "core/game/game.h"
#include "support/game_fixture.h"
#include "support/puzzles.h"

namespace quillby {
namespace {

using testing::GameFixture;
using testing::SetFiveByFivePuzzle;

using testing::kAcrossHeader;
using testing::kDownHeader;

// 1 HEART, 4 OCEAN, 5 SATYR across; 1 HOOKS, 2 ALERT, 3 TENOR down. Square (0, 0) starts
// both 1 Across and 1 Down.
class GameClueList : public GameFixture {
protected:
    void SetUp() override
    {
        SetFiveByFivePuzzle(game, {{"HEART", "Organ that pumps blood"},
                                   {"OCEAN", "Big body of salt water"},
                                   {"SATYR", "Woodland deity"},
                                   {"HOOKS", "Fish catchers"},
                                   {"ALERT", "Warning signal"},
                                   {"TENOR", "Male singing voice"}});
    }
    AnswerEntry& Entry(std::string_view word)
    {
        for (AnswerEntry& entry : game.crossword.answers) {
            if (entry.AnswerWord() == word) {
                return entry;
            }
        }
        ADD_FAILURE() << "no entry " << word;
        return game.crossword.answers.front();
    }
    std::vector<std::string> Highlighted() const
    {
        std::vector<std::string> cells;
        for (const Square& square : game.crossword.squares) {
            if (square.highlighted) {
                cells.push_back(std::to_string(square.col) + "," + std::to_string(square.row));
            }
        }
        return cells;
    }
};

TEST_F(GameClueList, LinesFollowTheClueNumbersWithTheirLengths)
{
    game.RefreshClueList();
    EXPECT_EQ(game.clueList.Lines(),
              (std::vector<std::string>{kAcrossHeader, "1) Organ that pumps blood [5]",
                                        "4) Big body of salt water [5]", "5) Woodland deity [5]",
                                        kDownHeader, "1) Fish catchers [5]",
                                        "2) Warning signal [5]", "3) Male singing voice [5]"}));
    EXPECT_EQ(Entry("HEART").clueItemId, 1u);
    EXPECT_EQ(Entry("SATYR").clueItemId, 3u);
    EXPECT_EQ(Entry("HOOKS").clueItemId, 5u);
    EXPECT_EQ(Entry("TENOR").clueItemId, 7u);
    EXPECT_EQ(game.clueList.LastLine(), 7);
    EXPECT_EQ(game.clueList.GetLineText(2), "4) Big body of salt water [5]");
    EXPECT_EQ(game.clueList.GetLineText(8), "");
    EXPECT_EQ(game.clueList.GetLineText(-1), "");
    EXPECT_EQ(host.clueListChanges, 3);  // cleared, Across added, Down added

    // A refresh starts again from line 0.
    game.RefreshClueList();
    EXPECT_EQ(game.clueList.Lines().size(), 8u);
    EXPECT_EQ(Entry("HEART").clueItemId, 1u);
}

TEST_F(GameClueList, AnEntryWithoutAClueHasNoLineOrQuestionMarks)
{
    game.clues.RemoveClue("OCEAN");
    Entry("OCEAN").clueItemId = 42;
    game.RefreshClueList();
    ASSERT_EQ(game.clueList.Lines().size(), 7u);
    EXPECT_EQ(game.clueList.GetLineText(2), "5) Woodland deity [5]");
    EXPECT_EQ(Entry("OCEAN").clueItemId, 42u);  // keeps whatever it had

    // A user-made puzzle takes its clues from the user store, and shows every answer.
    game.userMade = 1;
    ASSERT_TRUE(game.userClues.AddClue("Rhythmic beat source", "HEART"));
    game.RefreshClueList();
    EXPECT_EQ(game.clueList.Lines(),
              (std::vector<std::string>{kAcrossHeader, "1) Rhythmic beat source [5]", "4) ??",
                                        "5) ??", kDownHeader, "1) ??", "2) ??", "3) ??"}));
    EXPECT_EQ(Entry("OCEAN").clueItemId, 2u);

    // Create mode lists the user store too.
    game.userMade = 0;
    game.settings.createMode = true;
    game.RefreshClueList();
    EXPECT_EQ(game.clueList.GetLineText(1), "1) Rhythmic beat source [5]");
}

TEST_F(GameClueList, AnEmptyAnswerListGivesNoLinesAtAll)
{
    game.RefreshClueList();
    game.crossword.answers.clear();
    game.RefreshClueList();
    EXPECT_TRUE(game.clueList.Lines().empty());
    EXPECT_EQ(game.clueList.LastLine(), -1);
}

TEST_F(GameClueList, MarkupCharactersInAClueAreEscaped)
{
    // A clue typed with '<', '>' or '&' was put into its line as it stood, so the list read
    // it as markup: words vanished, or the rest of the list turned bold or green.
    game.clues.RemoveClue("HEART");
    ASSERT_TRUE(game.clues.AddClue("Core <b>not bold</b> & <font color=#00ff00>", "HEART"));
    game.RefreshClueList();
    EXPECT_EQ(game.clueList.GetLineText(1),
              "1) Core &lt;b&gt;not bold&lt;/b&gt; &amp; &lt;font color=#00ff00&gt; [5]");
}

TEST_F(GameClueList, ClickingADownLineSelectsTheDownRunEvenWhereAnAcrossStarts)
{
    game.RefreshClueList();
    const int hooksLine = 5;  // "1) Fish catchers": its start also begins 1 Across
    ASSERT_TRUE(game.OnListSelect(hooksLine));
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
    EXPECT_TRUE(game.crossword.cursorSquare->cursorDown);
    EXPECT_EQ(Highlighted(), (std::vector<std::string>{"0,0", "0,1", "0,2", "0,3", "0,4"}));
    EXPECT_EQ(host.promptText, "Clue: Fish catchers");
    EXPECT_EQ(host.selectedClueLine, -1);  // the list highlighted the line itself
    EXPECT_EQ(host.repaints.back(), false);

    ASSERT_TRUE(game.OnListSelect(1));  // 1 Across, same square
    EXPECT_FALSE(game.crossword.cursorSquare->cursorDown);
    EXPECT_EQ(Highlighted(), (std::vector<std::string>{"0,0", "1,0", "2,0", "3,0", "4,0"}));
    EXPECT_EQ(host.promptText, "Clue: Organ that pumps blood");

    // Below the lines, on a header, past the end: the grid is left alone.
    const std::size_t repaints = host.repaints.size();
    EXPECT_FALSE(game.OnListSelect(-1));
    EXPECT_FALSE(game.OnListSelect(0));
    EXPECT_FALSE(game.OnListSelect(4));
    EXPECT_FALSE(game.OnListSelect(99));
    EXPECT_EQ(host.repaints.size(), repaints);
    EXPECT_EQ(Highlighted().size(), 5u);
}

TEST_F(GameClueList, TheAcrossHeaderSelectsNothingWhenAnAnswerHasNoLine)
{
    // An answer without a clue line kept the item id 0 it was made with, which is also the
    // Across header's line: clicking the header selected that answer's run, and selecting
    // the run highlighted the header.
    game.clues.RemoveClue("OCEAN");
    game.RefreshClueList();
    ASSERT_EQ(game.clueList.GetLineText(0), kAcrossHeader);
    EXPECT_EQ(Entry("OCEAN").clueItemId, kNotListed);
    EXPECT_FALSE(game.OnListSelect(0));
    EXPECT_EQ(game.crossword.cursorSquare, nullptr);
    EXPECT_TRUE(Highlighted().empty());

    game.LeftClick(kGridMargin + 5, kGridMargin + 5);  // 1 Across
    EXPECT_EQ(host.selectedClueLine, 1);
    game.LeftClick(kGridMargin + kSquarePitch + 5, kGridMargin + 2 * kSquarePitch + 5);  // OCEAN
    EXPECT_EQ(host.selectedClueLine, -1);  // no line is this run's
}

TEST_F(GameClueList, AClueLineSelectsItsRunFromColumnAndRowWhateverTheFileStored)
{
    // A puzzle file stores each square's pixel position; the game used to trust it, so a
    // file whose positions disagree with the columns and rows drew squares out of place and
    // a clue line selected another run. Here OCEAN's first square claims to lie at (4, 4).
    std::vector<std::byte> bytes = SerializePuzzle(game.crossword, 0, {}, false);
    const std::size_t oceanStart = 12 + 27 * (2 * 5 + 0);
    const std::int32_t claimed = kGridMargin + 4 * kSquarePitch;
    for (std::size_t i = 0; i < 8; ++i) {
        bytes[oceanStart + i] = std::byte{static_cast<std::uint8_t>(claimed >> (8 * (i % 4)))};
    }
    const std::string path = folder.Path() + "/stored_positions.crs";
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    ASSERT_TRUE(game.OpenPuzzle(path, false));
    EXPECT_EQ(game.crossword.SquareAt(0, 2)->left, kGridMargin);  // placed from its column

    ASSERT_EQ(game.clueList.GetLineText(2), "4) Big body of salt water [5]");
    ASSERT_TRUE(game.OnListSelect(2));
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 2));
    EXPECT_EQ(Highlighted(), (std::vector<std::string>{"0,2", "1,2", "2,2", "3,2", "4,2"}));
    EXPECT_EQ(host.promptText, "Clue: Big body of salt water");
}

TEST_F(GameClueList, SelectingARunInTheGridHighlightsItsLine)
{
    game.RefreshClueList();
    const Square* crossing = game.crossword.SquareAt(2, 2);  // OCEAN meets ALERT
    game.SelectAt(crossing->left + 5, crossing->top + 5, -1, true);
    EXPECT_EQ(host.selectedClueLine, 2);
    game.SelectAt(crossing->left + 5, crossing->top + 5, -1, true);  // again: switches to Down
    EXPECT_EQ(host.selectedClueLine, 6);
    EXPECT_TRUE(game.crossword.cursorSquare->cursorDown);
    game.SelectAt(0, 0, -1, true);  // the margin belongs to the first square
    EXPECT_EQ(game.crossword.cursorSquare, game.crossword.SquareAt(0, 0));
    EXPECT_EQ(host.selectedClueLine, 1);
}

}  // namespace
}  // namespace quillby
