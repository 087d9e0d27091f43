#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <thread>

#include "core/common/file_io.h"
#include "core/game/game.h"
#include "support/scripted_host.h"
#include "support/shipped_data.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::CopyShippedData;
using testing::IsOneOfTemplates;
using testing::MakeGenerationsRunUntilCancelled;
using testing::ScriptedHost;
using testing::StartOnShippedData;
using testing::TempAppFolder;
using testing::WriteBytes;
using testing::WriteUnfillableTemplate;

// What the player sees of a puzzle: letters, clock, the clue of every answer and the title.
struct Shown {
    std::vector<char> guesses;
    std::vector<char> solutions;
    Clock clock;
    std::vector<std::string> clues;
    std::vector<std::string> clueLines;
    std::string title;
    bool operator==(const Shown&) const = default;
};

// A game over a copy of the shipped data with the default puzzle in play, the word graph
// loaded and rng fixed.
class GameNewPuzzle : public ::testing::Test {
protected:
    TempAppFolder folder;
    ScriptedHost host;
    Game game{host, folder.Path()};

    void SetUp() override
    {
        StartOnShippedData(game, 2026);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_FALSE(game.crossword.answers.empty());
        host.messages.clear();
    }

    // Some letters typed and some time played in a puzzle saved under a name of its own.
    void PlaySome()
    {
        for (std::size_t i = 0; i < game.crossword.squares.size(); i += 3) {
            if (game.crossword.squares[i].open) {
                game.crossword.squares[i].guess = 'E';
            }
        }
        game.clock = Clock{0, 3, 25, 205};
        game.puzzlePath = folder.Path() + "/mine.crs";
        game.UpdateTitle();
        game.modified = true;
        host.replies.push_back(Reply::No);  // the save prompt before a new puzzle
    }

    Shown Now() const
    {
        Shown shown{{}, {}, game.clock, {}, game.clueList.Lines(), host.Title()};
        for (const Square& square : game.crossword.squares) {
            shown.guesses.push_back(square.guess);
            shown.solutions.push_back(square.solution);
        }
        for (const AnswerEntry& entry : game.crossword.answers) {
            const ClueRecord* record = game.clues.Find(entry.AnswerWord());
            shown.clues.push_back(record ? record->question : "(none)");
        }
        return shown;
    }
};

TEST_F(GameNewPuzzle, GeneratesEachSizeFromItsTemplatesWithEveryAnswerClued)
{
    for (const int choice : {0, 1}) {
        const int size = Game::SizeOfChoice(choice);
        host.sizePresses = {choice};
        host.repaints.clear();
        EXPECT_TRUE(game.RunCommand(CommandId::NewPuzzle));

        const Crossword& made = game.crossword;
        ASSERT_EQ(made.width, size);
        ASSERT_EQ(made.height, size);
        EXPECT_TRUE(IsOneOfTemplates(made, game.paths.Template(size, size)));
        EXPECT_TRUE(made.AllAnswered());
        ASSERT_FALSE(made.answers.empty());
        for (const AnswerEntry& entry : made.answers) {
            EXPECT_NE(game.clues.Find(entry.AnswerWord()), nullptr) << entry.AnswerWord();
        }
        int numbered = 0;
        for (const Square& square : made.squares) {
            EXPECT_EQ(square.guess, 0);
            numbered += square.number > 0 ? 1 : 0;
        }
        EXPECT_GT(numbered, 0);
        // The clue window lists every answer under its two headers.
        EXPECT_EQ(game.clueList.Lines().size(), made.answers.size() + 2);
        EXPECT_EQ(game.sizeChoice, choice);
        EXPECT_EQ(game.clock, Clock{});
        EXPECT_FALSE(game.completed);
        EXPECT_FALSE(game.solvedByCommand);
        EXPECT_EQ(game.userMade, 0);
        EXPECT_EQ(host.promptText, kClickASquare);
        EXPECT_EQ(host.Title(), "Untitled - Quillby");
        // The end of a generation erases; the command's own repaint does not.
        ASSERT_GE(host.repaints.size(), 2u);
        EXPECT_TRUE(host.repaints[host.repaints.size() - 2]);
        EXPECT_FALSE(host.repaints.back());
    }
    EXPECT_EQ(host.sizeDialogsOpenedWith, (std::vector<int>{1, 0}));
    EXPECT_EQ(host.generations, 2);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(GameNewPuzzle, AmericanSizesAreFullyCheckedAndSayWhenTheirWordsAreMissing)
{
    for (const int choice : {2, 3}) {
        const int size = Game::SizeOfChoice(choice);
        ASSERT_TRUE(game.OffersSize(size));
        host.sizePresses = {choice};
        EXPECT_TRUE(game.RunCommand(CommandId::NewPuzzle));

        const Crossword& made = game.crossword;
        ASSERT_EQ(made.width, size);
        EXPECT_TRUE(IsOneOfTemplates(made, game.paths.Template(size, size)));
        EXPECT_TRUE(made.AllAnswered());
        // Every open square is in an Across and a Down answer, and every answer has a clue.
        std::vector<int> entriesOf(made.squares.size());
        for (const AnswerEntry& entry : made.answers) {
            EXPECT_NE(game.clues.Find(entry.AnswerWord()), nullptr) << entry.AnswerWord();
            for (int i = 0; i < entry.length; ++i) {
                const int col = entry.start->col + (entry.direction == kAcross ? i : 0);
                const int row = entry.start->row + (entry.direction == kAcross ? 0 : i);
                ++entriesOf[static_cast<std::size_t>(row * size + col)];
            }
        }
        for (std::size_t i = 0; i < made.squares.size(); ++i) {
            EXPECT_EQ(entriesOf[i], made.squares[i].open ? 2 : 0) << "square " << i;
        }
        EXPECT_EQ(game.sizeChoice, choice);
    }
    EXPECT_TRUE(host.messages.empty());

    // A game whose fill words turn out damaged says so, and the puzzle in play stays; a
    // folder without them does not offer the American sizes at all.
    ScriptedHost otherHost;
    Game other{otherHost, folder.Path()};
    StartOnShippedData(other, 7);
    ASSERT_FALSE(HasFatalFailure());
    WriteBytes(other.paths.FillWords(), {std::byte{'Q'}, std::byte{'F'}, std::byte{'W'}});
    otherHost.messages.clear();
    const std::vector<AnswerEntry>::size_type answersBefore = other.crossword.answers.size();
    otherHost.sizePresses = {3, std::nullopt};  // American 15 x 15, then Cancel
    EXPECT_TRUE(other.RunCommand(CommandId::NewPuzzle));
    EXPECT_EQ(other.crossword.answers.size(), answersBefore);
    ASSERT_EQ(otherHost.messages.size(), 1u);
    EXPECT_NE(otherHost.messages[0].text.find("eng_fill_words"), std::string::npos)
        << otherHost.messages[0].text;
    std::filesystem::remove(other.paths.FillWords());
    EXPECT_FALSE(other.OffersSize(15));
    EXPECT_TRUE(other.OffersSize(11));
}

std::set<std::string> AnswersOf(const Crossword& crossword)
{
    std::set<std::string> answers;
    for (const AnswerEntry& entry : crossword.answers) {
        answers.emplace(entry.AnswerWord());
    }
    return answers;
}

bool Disjoint(const std::set<std::string>& a, const std::set<std::string>& b)
{
    return std::none_of(a.begin(), a.end(), [&](const std::string& w) { return b.contains(w); });
}

RecentAnswers KeptAnswers(const std::string& path)
{
    const auto file = ReadWholeFile(path);
    EXPECT_TRUE(file.Ok());
    const auto kept =
        file ? ParseRecentAnswers({reinterpret_cast<const char*>(file->data()), file->size()})
             : Result<RecentAnswers>::Failure(file.Error());
    EXPECT_TRUE(kept.Ok()) << kept.Error();
    return kept ? kept.Value() : RecentAnswers{};
}

// A later session in the same folder, asked for one more puzzle of the size choice.
void StartAndGenerate(Game& game, ScriptedHost& host, std::uint32_t seed, int choice)
{
    StartOnShippedData(game, seed);
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    host.messages.clear();
    host.sizePresses = {choice};
    ASSERT_TRUE(game.RunCommand(CommandId::NewPuzzle));
}

// Each American puzzle leaves out the last one's answers, across sessions too; a damaged list
// of them is said and started again.
TEST_F(GameNewPuzzle, AmericanPuzzlesInARowNeverRepeatTheLastOnesAnswers)
{
    host.sizePresses = {2};
    ASSERT_TRUE(game.RunCommand(CommandId::NewPuzzle));
    const std::set<std::string> first = AnswersOf(game.crossword);
    host.sizePresses = {3};
    ASSERT_TRUE(game.RunCommand(CommandId::NewPuzzle));
    const std::set<std::string> second = AnswersOf(game.crossword);
    EXPECT_TRUE(Disjoint(first, second));
    const RecentAnswers kept = KeptAnswers(game.paths.RecentAnswers());
    ASSERT_EQ(kept.Size(), 2u);
    EXPECT_EQ(std::set<std::string>(kept.Puzzle(0).begin(), kept.Puzzle(0).end()), second);

    ScriptedHost laterHost;
    Game later{laterHost, folder.Path()};
    StartAndGenerate(later, laterHost, 2026, 3);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Disjoint(second, AnswersOf(later.crossword)));
    EXPECT_TRUE(laterHost.messages.empty());

    WriteBytes(later.paths.RecentAnswers(), {std::byte{'x'}});
    ScriptedHost thirdHost;
    Game third{thirdHost, folder.Path()};
    StartAndGenerate(third, thirdHost, 5, 2);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(third.crossword.width, 13);
    ASSERT_EQ(thirdHost.messages.size(), 1u);
    EXPECT_NE(thirdHost.messages[0].text.find("line 1 does not end with a line break"),
              std::string::npos)
        << thirdHost.messages[0].text;
    EXPECT_EQ(KeptAnswers(third.paths.RecentAnswers()).Size(), 1u);
}

TEST_F(GameNewPuzzle, CancelBringsBackThePreviousPuzzleExactly)
{
    MakeGenerationsRunUntilCancelled(game, 9);
    PlaySome();
    const Shown before = Now();
    ASSERT_FALSE(before.clueLines.empty());
    host.cancelGenerations = true;
    host.sizePresses = {0, std::nullopt};  // Create... with 9 x 9, then Cancel

    EXPECT_TRUE(game.RunCommand(CommandId::NewPuzzle));

    EXPECT_EQ(host.generations, 1);
    EXPECT_FALSE(game.Generating());
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(game.puzzlePath, folder.Path() + "/mine.crs");
    EXPECT_TRUE(game.modified);
    EXPECT_EQ(game.sizeChoice, 1);
    // Only the save prompt: a cancel is not a failure.
    EXPECT_EQ(host.messages.size(), 1u);
    // The dialog opens on the earlier choice next time.
    host.sizePresses = {std::nullopt};
    game.NewPuzzle();
    EXPECT_EQ(host.sizeDialogsOpenedWith, (std::vector<int>{1, 1}));
}

TEST_F(GameNewPuzzle, CancelWithAnUnwritableAutosaveKeepsThePuzzleInMemory)
{
    // Reading the autosave back after a failed write brought the default puzzle (or an older
    // autosave) over the unsaved letters.
    std::filesystem::create_directory(game.paths.PlayAutosave());
    MakeGenerationsRunUntilCancelled(game, 11);
    PlaySome();
    const Shown before = Now();
    host.cancelGenerations = true;
    host.sizePresses = {1, std::nullopt};

    EXPECT_TRUE(game.RunCommand(CommandId::NewPuzzle));

    EXPECT_EQ(host.generations, 1);
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(game.modified);
}

TEST_F(GameNewPuzzle, AGenerationThatCannotSucceedSaysWhichDataIsMissing)
{
    struct Case {
        const char* missing;
        std::function<void(Game&)> breakData;
    };
    const std::vector<Case> cases{
        {"eng_dawg", [](Game& g) { g.dawg.Clear(); }},
        {"eng_clues.b", [](Game& g) { g.clues = ClueStore{}; }},
        {"11x11", [](Game& g) { std::filesystem::remove(g.paths.Template(11, 11)); }},
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.missing);
        broken.breakData(game);
        host.messages.clear();
        const std::vector<char> before = Now().solutions;
        host.sizePresses = {1, std::nullopt};

        game.NewPuzzle();

        EXPECT_FALSE(game.Generating());
        EXPECT_EQ(Now().solutions, before);
        EXPECT_EQ(game.sizeChoice, 1);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].caption, "Attention");
        EXPECT_NE(host.messages[0].text.find(broken.missing), std::string::npos)
            << host.messages[0].text;
        CopyShippedData(folder.Path());
        game.LoadClueStores();
        ASSERT_TRUE(game.LoadWordGraph().Ok());
    }
}

TEST_F(GameNewPuzzle, CreateModeMakesAnEmptyGridOfTheChosenSizeWithoutGenerating)
{
    game.ToggleMode();
    ASSERT_TRUE(game.CreateMode());
    Rng untouched = game.rng;
    host.replies.push_back(Reply::No);  // the save prompt: the mode switch left it modified
    host.sizePresses = {0};
    host.repaints.clear();

    EXPECT_TRUE(game.RunCommand(CommandId::NewPuzzle));

    EXPECT_EQ(host.generations, 0);
    EXPECT_EQ(game.crossword.width, 9);
    EXPECT_EQ(game.crossword.height, 9);
    EXPECT_EQ(game.userMade, 1);
    EXPECT_EQ(game.sizeChoice, 0);
    EXPECT_EQ(game.rng.NextU32(), untouched.NextU32());
    for (const Square& square : game.crossword.squares) {
        EXPECT_EQ(square.solution, 0);
    }
    ASSERT_FALSE(host.repaints.empty());
    for (const bool erase : host.repaints) {
        EXPECT_FALSE(erase);
    }
}

TEST_F(GameNewPuzzle, NothingElseRunsWhileTheWorkerDoesAndTheGameStopsItWhenDestroyed)
{
    WriteUnfillableTemplate(game.paths.Template(11, 11), 11);
    auto other = std::make_unique<Game>(host, folder.Path());
    other->maxGenerationAttempts = 0;
    other->LoadClueStores();
    ASSERT_TRUE(other->LoadWordGraph().Ok());
    other->RestorePlay(false);
    host.messages.clear();

    other->BeginGeneration(11);
    EXPECT_TRUE(other->Generating());
    EXPECT_TRUE(other->RunCommand(CommandId::SolvePuzzle));  // would ask to confirm
    EXPECT_TRUE(other->RunCommand(CommandId::CheckPuzzle));  // would show a count
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(other->EndGeneration());  // not finished: nothing happens
    EXPECT_TRUE(other->Generating());
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_FALSE(other->GenerationFinished());
    other.reset();  // cancels and joins the worker
}

TEST_F(GameNewPuzzle, DamagedTemplatesEndNewPuzzleWithAMessageInsteadOfRunningForEver)
{
    // Templates of random bytes made New Puzzle try for ever: the game neither checked the
    // templates it loaded nor limited its attempts.
    const std::vector<char> before = Now().solutions;
    std::vector<std::byte> lone(81, std::byte{0});
    lone[40] = std::byte{0xC3};
    testing::WriteBytes(game.paths.Template(9, 9), lone);
    host.sizePresses = {0, std::nullopt};
    game.NewPuzzle();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].caption, "Attention");
    EXPECT_NE(host.messages[0].text.find("9x9: template 1 has a square in no entry"),
              std::string::npos)
        << host.messages[0].text;

    // A crossword that never fills stops at the limit, as quillby-cli's generate does.
    WriteUnfillableTemplate(game.paths.Template(9, 9), 9);
    host.sizePresses = {0, std::nullopt};
    game.NewPuzzle();
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_NE(host.messages[1].text.find("no template filled in 500 attempts"), std::string::npos)
        << host.messages[1].text;
    EXPECT_EQ(Now().solutions, before);
    EXPECT_FALSE(game.Generating());
}

TEST(Game, GeneratingTextCyclesThroughEightDotsAndBack)
{
    int dotCount = 0;
    std::vector<std::string> texts;
    for (int tick = 0; tick < 10; ++tick) {
        texts.push_back(Game::NextGeneratingText(dotCount));
    }
    const std::string base = "Generating please wait ";
    EXPECT_EQ(texts[0], base + ". ");
    EXPECT_EQ(texts[7], base + ". . . . . . . . ");
    EXPECT_EQ(texts[8], base);
    EXPECT_EQ(texts[9], base + ". ");
    EXPECT_EQ(dotCount, 1);
}

}  // namespace
}  // namespace quillby
