#include <filesystem>
#include <utility>

#include "core/common/file_io.h"
#include "core/game/game.h"

namespace quillby {

namespace {

// The autosave a mode reads back within the session: its marks and history come back with it.
bool IsModeAutosave(const AppPaths& paths, const std::string& path, bool createdPuzzle)
{
    return createdPuzzle ? path == paths.CreateAutosave()
                         : path == paths.PlayAutosave() || path == paths.OwnAutosave();
}

bool Contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

// Autosaves and the default puzzle are recognised by name anywhere in the path.
bool IsSpecialPath(const std::string& path)
{
    return Contains(path, "volatile") || Contains(path, "default");
}

}  // namespace

bool Game::SavePuzzle(bool askName)
{
    return SaveTo(askName, false);
}

bool Game::SaveCreatedPuzzle(bool askName)
{
    return SaveTo(askName, true);
}

bool Game::SaveTo(bool askName, bool createdPuzzle)
{
    std::string target = puzzlePath;
    if (target.empty() || askName) {
        std::optional<std::string> chosen = host.ChooseSavePath();
        if (!chosen) {
            return false;
        }
        target = std::move(*chosen);
    }
    // The format is the file name's: .puz and .ipuz keep a puzzle's own clues, .crs cannot.
    const PuzzleFormat format = FormatOfName(target);
    if (format != PuzzleFormat::Crs) {
        if (const std::optional<std::string> why = WhyNotWritable(crossword)) {
            host.ShowMessage(std::string("This puzzle cannot be saved as ") + ExtensionOf(format) +
                                 " yet: " + *why + ".",
                             "Save failed", Buttons::Ok);
            return false;
        }
    } else if (ownClues && !IsSpecialPath(target) && !ConfirmSaveWithoutClues(target)) {
        return false;
    }
    puzzlePath = target;
    if (Contains(puzzlePath, "volatile")) {
        puzzlePath.clear();
    } else {
        UpdateTitle();
        if (Contains(puzzlePath, "default")) {
            puzzlePath.clear();
        }
    }
    if (createdPuzzle) {
        // A designed puzzle always opens as user-made, with a fresh clock.
        clock = Clock{};
        completed = false;
    }
    const std::uint8_t flag = createdPuzzle ? 1 : userMade;
    auto image =
        format == PuzzleFormat::Crs
            ? Result<std::vector<std::byte>>(SerializePuzzle(crossword, flag, clock, completed))
            : PuzzleImage(format, TitleForFile(target));
    const Status written =
        image ? WriteFileAtomically(target, image.Value()) : Status::Failure(image.Error());
    if (!written) {
        // Autosaves fail quietly; a file the user named must not fail unnoticed.
        if (!IsSpecialPath(target)) {
            host.ShowMessage("Your puzzle could not be saved.\n" + written.Error(), "Save failed",
                             Buttons::Ok);
        }
        return false;
    }
    modified = false;
    if (IsModeAutosave(paths, target, createdPuzzle)) {
        Remember(createdPuzzle, std::move(image.Value()));
    }
    return true;
}

bool Game::ConfirmSaveWithoutClues(const std::string& target)
{
    if (cluesDroppedFor == target) {
        return true;
    }
    const Reply reply = host.ShowMessage(
        "A .crs file cannot hold this puzzle's own clues. Saved as .crs, it keeps its grid, your "
        "letters and the clock, but opened again it will not show these clues.\n\nSave it as "
        ".crs anyway? (Choose No, then save as .puz or .ipuz to keep the clues.)",
        "Save your puzzle?", Buttons::YesNo);
    if (reply != Reply::Yes) {
        return false;
    }
    cluesDroppedFor = target;
    return true;
}

bool Game::OpenPuzzle(std::optional<std::string> path, bool advanceClues)
{
    return OpenFrom(std::move(path), false, advanceClues);
}

bool Game::OpenCreatedPuzzle(std::optional<std::string> path)
{
    return OpenFrom(std::move(path), true, false);
}

bool Game::OpenFrom(std::optional<std::string> path, bool createdPuzzle, bool advanceClues)
{
    const std::string previousPath = puzzlePath;
    const bool chosenByUser = !path.has_value();
    if (path) {
        puzzlePath = std::move(*path);
    } else {
        if (modified) {
            const Reply reply = host.ShowMessage("Do you want to save your puzzle before loading?",
                                                 "Save your puzzle?", Buttons::YesNoCancel);
            if (reply == Reply::Cancel) {
                return false;
            }
            if (reply == Reply::Yes) {
                (void)SaveTo(false, createdPuzzle);
            }
        }
        std::optional<std::string> chosen = host.ChooseOpenPath();
        if (!chosen) {
            return false;
        }
        puzzlePath = std::move(*chosen);
        if (!(Contains(puzzlePath, "volatile") && Contains(puzzlePath, "default"))) {
            UpdateTitle();
        }
    }
    return LoadPuzzlePath(previousPath, createdPuzzle, advanceClues, chosenByUser);
}

bool Game::OpenNamedPuzzle(const std::string& path)
{
    if (CreateMode()) {
        ToggleMode();
    }
    const std::string previousPath = puzzlePath;
    puzzlePath = path;
    UpdateTitle();
    return LoadPuzzlePath(previousPath, false, false, true);
}

bool Game::LoadPuzzlePath(const std::string& previousPath, bool createdPuzzle, bool advanceClues,
                          bool report)
{
    // Read and check the whole file before anything of the current puzzle changes. On any
    // refusal the path and title go back too, so a later Save cannot write the current puzzle
    // over the file that was refused.
    const std::string chosenPath = puzzlePath;
    auto refuse = [&](const std::string& text, const std::string& caption) {
        puzzlePath = previousPath;
        UpdateTitle();
        host.ShowMessage(text, caption, Buttons::Ok);
        return false;
    };
    Result<LoadedPuzzle> loaded = ReadPuzzleFile(chosenPath);
    if (!loaded) {
        if (!report) {
            puzzlePath = previousPath;  // fixed paths fail quietly so the fallbacks can run
            return false;
        }
        return refuse(RefusedPuzzleMessage(FileNameOf(chosenPath), loaded.Error()),
                      "Failed to load");
    }
    // Only a puzzle made in Create mode can be edited there; one with its own clues never.
    if (createdPuzzle && (loaded->own || loaded->puzzle.userMade == 0)) {
        return refuse("Crossword cannot be edited", "Failed to load");
    }
    InstallPuzzle(std::move(loaded.Value()), createdPuzzle);
    // Only the mode's own autosave, read back within the session, is the same puzzle going on.
    if (IsModeAutosave(paths, chosenPath, createdPuzzle)) {
        if (const auto bytes = ReadWholeFile(chosenPath)) {
            Recall(createdPuzzle, bytes.Value());
        }
    }
    if (advanceClues) {
        AdvanceCluesOfAnswers();
    }
    RefreshClueList();
    host.Repaint(!createdPuzzle);
    errorPromptPending = false;
    solvedByCommand = false;
    return true;
}

void Game::AdoptLoadedPuzzle(LoadedPuzzle&& loaded)
{
    InstallPuzzle(std::move(loaded), false);
    RefreshClueList();
    errorPromptPending = false;
    solvedByCommand = false;
}

void Game::InstallPuzzle(LoadedPuzzle&& loaded, bool createdPuzzle)
{
    if (!createdPuzzle) {
        userMade = loaded.puzzle.userMade;
    }
    crossword = std::move(loaded.puzzle.crossword);
    ownClues = std::move(loaded.own);  // before the fit: the frame asks what kind it is
    history.Clear();
    host.FitFrameToGrid(crossword.width, crossword.height);
    clock = loaded.puzzle.clock;
    completed = loaded.puzzle.completed;
    cluesDroppedFor.clear();
    // Numbers come from the file; the answers are rebuilt from the letters.
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    if (ownClues) {
        // As a fill would have left them: .puz and .ipuz do not store them.
        for (const AnswerEntry& entry : crossword.answers) {
            for (Square* square : crossword.EntrySquares(entry)) {
                ++square->useCount;
            }
        }
    }
}

void Game::UpdateTitle()
{
    const char* suffix = CreateMode() ? " - Create Crossword" : " - Quillby";
    const std::string name = puzzlePath.empty() ? "Untitled" : FileNameOf(puzzlePath);
    host.SetTitle(name + suffix);
}

bool Game::AutosavePlay()
{
    puzzlePath = PlayAutosavePath();
    const bool saved = SavePuzzle(false);
    if (saved && !ownClues) {
        DropOwnAutosave();
    }
    return saved;
}

std::string Game::PlayAutosavePath() const
{
    // A puzzle with its own clues is kept as .ipuz, which holds them; volatile.crs keeps what
    // it held, and the own autosave, while it exists, is the one brought back.
    return ownClues ? paths.OwnAutosave() : paths.PlayAutosave();
}

void Game::DropOwnAutosave()
{
    std::error_code error;
    std::filesystem::remove(paths.OwnAutosave(), error);
}

void Game::AutosaveCreate()
{
    puzzlePath = paths.CreateAutosave();
    (void)SaveCreatedPuzzle(false);
}

void Game::RestorePlay(bool advanceClues)
{
    if (OpenPuzzle(paths.OwnAutosave(), advanceClues)) {
        return;
    }
    if (OpenPuzzle(paths.PlayAutosave(), advanceClues)) {
        return;
    }
    if (OpenPuzzle(paths.DefaultPuzzle(), advanceClues)) {
        clock = Clock{};
    }
}

void Game::RestoreCreate()
{
    (void)OpenCreatedPuzzle(paths.CreateAutosave());
}

bool Game::QueryQuit()
{
    if (!modified || completed) {
        return true;
    }
    const Reply reply = host.ShowMessage("Do you want to save your puzzle before quitting?",
                                         "Save your puzzle?", Buttons::YesNoCancel);
    if (reply == Reply::Cancel) {
        return false;
    }
    if (reply == Reply::Yes) {
        (void)SaveTo(false, CreateMode());
    }
    return true;
}

}  // namespace quillby
