#include <utility>

#include "core/common/file_io.h"
#include "core/game/game.h"

namespace quillby {

namespace {

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
    std::vector<std::byte> image = SerializePuzzle(crossword, flag, clock, completed);
    const Status written = WriteFileAtomically(target, image);
    if (!written) {
        // Autosaves fail quietly; a file the user named must not fail unnoticed.
        if (!IsSpecialPath(target)) {
            host.ShowMessage("Your puzzle could not be saved.\n" + written.Error(), "Save failed",
                             Buttons::Ok);
        }
        return false;
    }
    modified = false;
    if (target == (createdPuzzle ? paths.CreateAutosave() : paths.PlayAutosave())) {
        Remember(createdPuzzle, std::move(image));
    }
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
    const auto bytes = ReadWholeFile(chosenPath);
    Result<PuzzleFile> puzzle =
        bytes ? ParsePuzzle(bytes.Value()) : Result<PuzzleFile>::Failure(bytes.Error());
    if (!puzzle) {
        if (!chosenByUser) {
            puzzlePath = previousPath;  // fixed paths fail quietly so the fallbacks can run
            return false;
        }
        return refuse("This file is not a valid crossword: " + FileNameOf(chosenPath),
                      "Failed to load");
    }
    if (createdPuzzle && puzzle->userMade == 0) {
        return refuse("Crossword cannot be edited", "Failed to load");
    }
    InstallPuzzle(std::move(puzzle.Value()), createdPuzzle);
    // Only the mode's own autosave, read back within the session, is the same puzzle going on.
    if (chosenPath == (createdPuzzle ? paths.CreateAutosave() : paths.PlayAutosave())) {
        Recall(createdPuzzle, bytes.Value());
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

void Game::InstallPuzzle(PuzzleFile&& puzzle, bool createdPuzzle)
{
    if (!createdPuzzle) {
        userMade = puzzle.userMade;
    }
    crossword = std::move(puzzle.crossword);
    history.Clear();
    host.FitFrameToGrid(crossword.width, crossword.height);
    clock = puzzle.clock;
    completed = puzzle.completed;
    // Numbers come from the file; the answers are rebuilt from the letters.
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
}

void Game::UpdateTitle()
{
    const char* suffix = CreateMode() ? " - Create Crossword" : " - Quillby";
    const std::string name = puzzlePath.empty() ? "Untitled" : FileNameOf(puzzlePath);
    host.SetTitle(name + suffix);
}

bool Game::AutosavePlay()
{
    puzzlePath = paths.PlayAutosave();
    return SavePuzzle(false);
}

void Game::AutosaveCreate()
{
    puzzlePath = paths.CreateAutosave();
    (void)SaveCreatedPuzzle(false);
}

void Game::RestorePlay(bool advanceClues)
{
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
