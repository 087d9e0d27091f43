#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/game/game.h"
#include "support/scripted_host.h"
#include "support/shipped_data.h"
#include "support/temp_app_folder.h"
#include "ui/generator/generating_dialog.h"
#include "ui/generator/puzzle_size_dialog.h"

namespace quillby {
namespace {

using testing::IsOneOfTemplates;
using testing::MakeGenerationsRunUntilCancelled;
using testing::ScriptedHost;
using testing::StartOnShippedData;
using testing::TempAppFolder;

// The scripted host, but with the real dialogs.
class DialogHost : public ScriptedHost {
public:
    std::optional<int> RunPuzzleSizeDialog(Game& game, int choice) override
    {
        sizeDialogsOpenedWith.push_back(choice);
        return quillby::RunPuzzleSizeDialog(game, choice, nullptr);
    }
};

// What a user does in modal dialogs, step by step: each step waits until its condition
// holds, then acts. Polled by single-shot timers, so nested exec() loops keep it going.
class Script : public QObject {
public:
    struct Step {
        std::function<bool()> when;
        std::function<void()> act;
    };
    explicit Script(std::vector<Step> steps) : steps(std::move(steps))
    {
        clock.start();
        Poll();
    }
    bool Done() const { return next == steps.size(); }

private:
    void Poll()
    {
        if (Done()) {
            return;
        }
        if (clock.elapsed() > 60000) {
            // Given up: close whatever waits, so the test fails instead of hanging.
            ADD_FAILURE() << "script step " << next << " never came";
            if (QWidget* modal = QApplication::activeModalWidget()) {
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
                QTimer::singleShot(5, this, [this] { Poll(); });
            }
            return;
        }
        QTimer::singleShot(5, this, [this] { Poll(); });
        if (steps[next].when()) {
            const auto act = steps[next++].act;
            act();  // may block in a nested dialog; the poll above is already queued
        }
    }
    std::vector<Step> steps;
    std::size_t next = 0;
    QElapsedTimer clock;
};

template <typename T>
T* Up()
{
    return qobject_cast<T*>(QApplication::activeModalWidget());
}
template <typename T>
bool IsUp()
{
    return Up<T>() != nullptr;
}

QRadioButton* Radio(QWidget* dialog, const char* text)
{
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
        if (radio->text() == QLatin1String(text)) {
            return radio;
        }
    }
    return nullptr;
}

QPushButton* Button(QWidget* dialog, const char* text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String(text)) {
            return button;
        }
    }
    return nullptr;
}

// Which radio button the open size dialog shows checked: 0, 1, or -1 for none.
int CheckedChoice()
{
    auto* dialog = Up<PuzzleSizeDialog>();
    return dialog ? dialog->Choice() : -2;
}

class NewPuzzleDialogs : public ::testing::Test {
protected:
    TempAppFolder folder;
    DialogHost host;
    Game game{host, folder.Path()};

    void SetUp() override
    {
        StartOnShippedData(game, 7);
        ASSERT_FALSE(HasFatalFailure());
    }

    // Picks a size and presses "Create...", which blocks until the generation ends.
    Script::Step PickAndCreate(const char* size)
    {
        return {IsUp<PuzzleSizeDialog>, [size] {
                    auto* dialog = Up<PuzzleSizeDialog>();
                    Radio(dialog, size)->click();
                    Button(dialog, "Create...")->click();
                }};
    }
    void ExpectAGeneratedPuzzle(int size)
    {
        ASSERT_EQ(game.crossword.width, size);
        EXPECT_TRUE(IsOneOfTemplates(game.crossword, game.paths.Template(size, size)));
        EXPECT_TRUE(game.crossword.AllAnswered());
        for (const AnswerEntry& entry : game.crossword.answers) {
            EXPECT_NE(game.clues.Find(entry.AnswerWord()), nullptr);
        }
    }
    std::vector<std::string> ShownClues() const
    {
        std::vector<std::string> shown;
        for (const AnswerEntry& entry : game.crossword.answers) {
            const ClueRecord* record = game.clues.Find(entry.AnswerWord());
            shown.push_back(record ? record->question : "");
        }
        return shown;
    }
};

TEST_F(NewPuzzleDialogs, GenerateEachSizeAndRememberTheConfirmedChoice)
{
    std::vector<int> shownChecked;
    auto record = [&] { shownChecked.push_back(CheckedChoice()); };
    Script quick({{IsUp<PuzzleSizeDialog>, record}, PickAndCreate("Quick 9 x 9")});
    game.NewPuzzle();
    EXPECT_TRUE(quick.Done());
    ExpectAGeneratedPuzzle(9);
    EXPECT_EQ(game.sizeChoice, 0);

    Script original({{IsUp<PuzzleSizeDialog>, record}, PickAndCreate("Original 11 x 11")});
    game.NewPuzzle();
    EXPECT_TRUE(original.Done());
    ExpectAGeneratedPuzzle(11);
    EXPECT_EQ(game.sizeChoice, 1);
    EXPECT_EQ(shownChecked, (std::vector<int>{1, 0}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(NewPuzzleDialogs, CancelledGenerationThenCancelKeepsThePuzzleAndTheChoice)
{
    MakeGenerationsRunUntilCancelled(game, 9);
    for (std::size_t i = 0; i < game.crossword.squares.size(); i += 4) {
        game.crossword.squares[i].guess = game.crossword.squares[i].open ? 'S' : 0;
    }
    game.clock = Clock{1, 2, 3, 3723};
    std::vector<char> letters;
    for (const Square& square : game.crossword.squares) {
        letters.push_back(square.guess);
    }
    const std::vector<std::string> clues = ShownClues();

    bool stayedOpen = false;
    Script script({PickAndCreate("Quick 9 x 9"),
                   {IsUp<GeneratingDialog>,
                    [] {
                        auto* generating = Up<GeneratingDialog>();
                        QTest::keyClick(generating, Qt::Key_Return);  // does not close it
                        Button(generating, "Cancel")->click();
                    }},
                   {IsUp<PuzzleSizeDialog>,
                    [&] {
                        stayedOpen = true;
                        Button(Up<PuzzleSizeDialog>(), "Cancel")->click();
                    }},
                   {IsUp<PuzzleSizeDialog>,
                    [] { QTest::keyClick(Up<PuzzleSizeDialog>(), Qt::Key_Return); }}});
    game.NewPuzzle();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(game.sizeChoice, 1);
    std::vector<char> after;
    for (const Square& square : game.crossword.squares) {
        after.push_back(square.guess);
    }
    EXPECT_EQ(after, letters);
    EXPECT_EQ(game.clock, (Clock{1, 2, 3, 3723}));
    EXPECT_EQ(ShownClues(), clues);

    // Opened again on the earlier choice; Enter ends it without a puzzle.
    game.NewPuzzle();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(host.sizeDialogsOpenedWith, (std::vector<int>{1, 1}));
    EXPECT_EQ(game.sizeChoice, 1);
    EXPECT_EQ(game.crossword.width, 11);
}

TEST_F(NewPuzzleDialogs, GeneratingTextCyclesAndEscapeOnlyAsksToStop)
{
    MakeGenerationsRunUntilCancelled(game, 11);
    GeneratingDialog dialog(game, 11);
    std::vector<QString> texts;
    QTimer watch;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (texts.empty() || texts.back() != dialog.StatusText()) {
            texts.push_back(dialog.StatusText());
        }
        if (waited.elapsed() > 60000) {
            watch.stop();
            ADD_FAILURE() << "the generating text stopped changing";
            game.CancelGeneration();
        }
        if (texts.size() == 12) {
            watch.stop();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            EXPECT_TRUE(dialog.isVisible());  // only the next tick after the worker ends closes it
        }
    });
    watch.start(5);
    EXPECT_EQ(dialog.exec(), GeneratingDialog::kNotCreated);
    EXPECT_FALSE(game.Generating());
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[0], "Generating Puzzle...");
    for (std::size_t i = 1; i < texts.size(); ++i) {
        const int dots = static_cast<int>(i % 9);
        EXPECT_EQ(texts[i], "Generating please wait " + QString(". ").repeated(dots)) << i;
    }
}

TEST_F(NewPuzzleDialogs, CreateModeCreatesAtOnceWithoutAGeneratingDialog)
{
    game.ToggleMode();
    const Rng untouched = game.rng;
    bool generatingSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { generatingSeen |= IsUp<GeneratingDialog>(); });
    watch.start(1);
    Script script({PickAndCreate("Quick 9 x 9")});
    game.NewPuzzle();
    EXPECT_TRUE(script.Done());
    EXPECT_FALSE(generatingSeen);
    EXPECT_EQ(game.crossword.width, 9);
    EXPECT_EQ(game.userMade, 1);
    EXPECT_EQ(game.sizeChoice, 0);
    Rng copy = untouched;
    EXPECT_EQ(game.rng.NextU32(), copy.NextU32());
}

// Renders both dialogs for a look; set QUILLBY_SHOT_DIR to keep the pictures.
TEST_F(NewPuzzleDialogs, BothDialogsRender)
{
    MakeGenerationsRunUntilCancelled(game, 11);
    const QString dir = qEnvironmentVariable("QUILLBY_SHOT_DIR");
    PuzzleSizeDialog size(game, 1);
    size.show();
    const QPixmap sizeShot = size.grab();
    EXPECT_FALSE(sizeShot.isNull());
    GeneratingDialog generating(game, 11);
    generating.show();
    QTest::qWait(200);
    const QPixmap generatingShot = generating.grab();
    EXPECT_FALSE(generatingShot.isNull());
    if (!dir.isEmpty()) {
        sizeShot.save(dir + "/puzzle_size_dialog.png");
        generatingShot.save(dir + "/generating_dialog.png");
    }
    game.CancelGeneration();
    EXPECT_EQ(generating.exec(), GeneratingDialog::kNotCreated);
}

}  // namespace
}  // namespace quillby
