#include <cstdio>
#include <limits>

#include "core/game/game.h"

namespace quillby {

namespace {

constexpr const char* kCreatePrompt = "Mouse: Pick Run. Space: Enter clue. Del: Delete clue";

}  // namespace

CommandState Game::StateOf(CommandId id) const
{
    CommandState state;
    if (const CommandInfo* info = FindCommand(id)) {
        state.text = info->text;
    }
    const bool playing = !CreateMode();
    switch (id) {
        case CommandId::ResetPuzzle:
            state.enabled = playing && !clockPaused;
            break;
        case CommandId::SolvePuzzle:
        case CommandId::CheckPuzzle:
        case CommandId::Hint:
        case CommandId::ShowClueWindow:
            state.enabled = playing;
            break;
        case CommandId::PauseClock:
            state.enabled = playing && !clockPaused;
            break;
        case CommandId::ResumeClock:
            state.enabled = playing && clockPaused;
            break;
        case CommandId::CrosswordCreator:
            state.checked = CreateMode();
            state.text = CreateMode() ? "Original Mode" : "Create Crossword Mode";
            break;
        default:
            StateOfOwnCommand(id, state);
            break;
    }
    return state;
}

void Game::StateOfOwnCommand(CommandId id, CommandState& state) const
{
    const bool solving = !CreateMode() && !clockPaused && !completed;
    const bool atSquare = crossword.cursorSquare != nullptr;
    switch (id) {
        case CommandId::Undo:
            state.enabled = CanUndo();
            break;
        case CommandId::Redo:
            state.enabled = CanRedo();
            break;
        case CommandId::CheckMenu:
        case CommandId::RevealMenu:
        case CommandId::CheckAll:
        case CommandId::RevealAll:
            state.enabled = solving;
            break;
        case CommandId::CheckLetter:
        case CommandId::CheckWord:
        case CommandId::RevealLetter:
        case CommandId::RevealWord:
            state.enabled = solving && atSquare;
            break;
        case CommandId::Pencil:
            state.enabled = !CreateMode();
            state.checked = pencil;
            break;
        case CommandId::ZoomIn:
            state.enabled = preferences.squarePitch < kMaxSquarePitch;
            break;
        case CommandId::ZoomOut:
            state.enabled = preferences.squarePitch > kMinSquarePitch;
            break;
        default:
            break;
    }
}

bool Game::RunOwnCommand(CommandId id)
{
    switch (id) {
        case CommandId::Undo:
            Undo();
            return true;
        case CommandId::Redo:
            Redo();
            return true;
        case CommandId::CheckLetter:
        case CommandId::CheckWord:
        case CommandId::CheckAll:
            CheckLetters(id == CommandId::CheckLetter ? CheckScope::Letter
                         : id == CommandId::CheckWord ? CheckScope::Word
                                                      : CheckScope::Puzzle);
            return true;
        case CommandId::RevealLetter:
        case CommandId::RevealWord:
        case CommandId::RevealAll:
            RevealLetters(id == CommandId::RevealLetter ? CheckScope::Letter
                          : id == CommandId::RevealWord ? CheckScope::Word
                                                        : CheckScope::Puzzle);
            return true;
        case CommandId::Pencil:
            TogglePencil();
            return true;
        case CommandId::ZoomIn:
        case CommandId::ZoomOut:
        case CommandId::ActualSize:
            Zoom(id == CommandId::ZoomIn ? 1 : id == CommandId::ZoomOut ? -1 : 0);
            return true;
        case CommandId::SchemeDesktop: {
            Preferences chosen = preferences;
            chosen.desktopColours = true;
            SetPreferences(chosen);
            return true;
        }
        case CommandId::CheckMenu:
        case CommandId::RevealMenu:
            return true;  // a submenu title runs nothing
        default:
            return false;
    }
}

bool Game::RunCommand(CommandId id)
{
    // The worker reads the clue stores until it has finished: no command may run meanwhile.
    if (!StateOf(id).enabled || Generating()) {
        return true;
    }
    switch (id) {
        case CommandId::NewPuzzle:
            NewPuzzleCommand();
            return true;
        case CommandId::ResetPuzzle:
            ResetPuzzle();
            return true;
        case CommandId::OpenPuzzle:
            (void)(CreateMode() ? OpenCreatedPuzzle(std::nullopt)
                                : OpenPuzzle(std::nullopt, false));
            return true;
        case CommandId::SavePuzzle:
        case CommandId::SavePuzzleAs: {
            const bool askName = id == CommandId::SavePuzzleAs;
            (void)(CreateMode() ? SaveCreatedPuzzle(askName) : SavePuzzle(askName));
            return true;
        }
        case CommandId::SolvePuzzle:
            SolveCommand();
            return true;
        case CommandId::CheckPuzzle:
            CheckPuzzle();
            return true;
        case CommandId::Hint:
            GiveHint();
            return true;
        case CommandId::ShowClueWindow:
            clueWindowShown = !clueWindowShown;
            host.PlaceClueWindow(clueWindowShown);
            return true;
        case CommandId::CrosswordCreator:
            ToggleMode();
            return true;
        case CommandId::ShowInstructions:
            ShowCreatorInstructions();
            return true;
        case CommandId::ExportPuzzle:
            (void)ExportPuzzle();
            return true;
        case CommandId::PuzzleInfo:
            ShowPuzzleInfo();
            return true;
        case CommandId::PauseClock:
        case CommandId::ResumeClock:
            clockPaused = id == CommandId::PauseClock;
            host.Repaint(false);
            return true;
        case CommandId::SchemeBlackAndWhite:
        case CommandId::SchemeShadesOfAutumn:
        case CommandId::SchemeOliveGreen:
        case CommandId::SchemeRose:
            settings.colourScheme =
                static_cast<int>(id) - static_cast<int>(CommandId::SchemeBlackAndWhite);
            if (preferences.desktopColours) {
                Preferences chosen = preferences;
                chosen.desktopColours = false;
                SetPreferences(chosen);
            }
            host.Repaint(true);
            return true;
        default:
            return RunOwnCommand(id);
    }
}

SaveChoice Game::PromptSaveBeforeNew()
{
    if (!modified) {
        return SaveChoice::Discarded;
    }
    return OfferSave("Would you like to save your progress before creating a new puzzle?",
                     "Attention", Buttons::YesNo, [this] {
                         if (CreateMode()) {
                             userMade = 1;
                             return SaveCreatedPuzzle(true);
                         }
                         return SavePuzzle(true);
                     });
}

void Game::ToggleMode()
{
    settings.createMode = !settings.createMode;
    if (CreateMode()) {
        puzzlePath.clear();
        host.SetStatusText(StatusPane::Prompt, "You are in Create a crossword mode");
        (void)AutosavePlay();
        EnterCreator(true, 11);
    } else {
        puzzlePath.clear();
        UpdateTitle();
        host.SetStatusText(StatusPane::Prompt, kClickASquare);
        AutosaveCreate();
        RestorePlay(false);
    }
    puzzlePath.clear();
    modified = true;
    host.Repaint(true);
}

std::string Game::ClockText(const Clock& clock)
{
    char text[64];  // "%.2d": at least two digits, as the status pane has always shown
    std::snprintf(text, sizeof text, "Time: %.2d:%.2d:%.2d", clock.hours, clock.minutes,
                  clock.seconds);
    return text;
}

void Game::ClockTick()
{
    if (CreateMode()) {
        host.SetStatusText(StatusPane::Time, "");
        host.SetStatusText(StatusPane::Prompt, kCreatePrompt);
        return;
    }
    // A completed puzzle keeps the time it was completed in, whatever stays open after it.
    if (clockPaused || completed) {
        return;
    }
    if (clock.hours >= kMaxClockHours) {
        return;  // the longest time a puzzle file holds: the fields never overflow
    }
    if (++clock.seconds >= 60) {
        clock.seconds = 0;
        ++clock.minutes;
    }
    if (clock.minutes >= 60) {
        clock.minutes = 0;
        ++clock.hours;
    }
    if (clock.ticks < std::numeric_limits<int>::max()) {
        ++clock.ticks;
    }
    host.SetStatusText(StatusPane::Time, ClockText(clock));
}

void Game::OnClockTimer(std::int64_t nowMillis)
{
    if (CreateMode() || clockPaused) {
        clockCountedUntil = nowMillis;  // time away from play is not counted later
        ClockTick();
        return;
    }
    const std::int64_t seconds = (nowMillis - clockCountedUntil) / 1000;
    if (seconds <= 0) {
        return;
    }
    clockCountedUntil += seconds * 1000;
    for (std::int64_t i = 0; i < seconds; ++i) {
        ClockTick();
    }
}

}  // namespace quillby
