#include <filesystem>
#include <utility>

#include "core/common/file_io.h"
#include "core/game/game.h"

namespace quillby {

namespace {

bool SamePath(const std::string& a, const std::string& b)
{
    return std::filesystem::path(a).lexically_normal() ==
           std::filesystem::path(b).lexically_normal();
}

}  // namespace

// The autosaves and the default puzzle are known by their exact paths in the application
// folder: a user's file that merely has "default" or "volatile" in its path is a user's file.
bool Game::IsAutosavePath(const std::string& path) const
{
    return SamePath(path, paths.PlayAutosave()) || SamePath(path, paths.CreateAutosave());
}

bool Game::IsDefaultPath(const std::string& path) const
{
    return SamePath(path, paths.DefaultPuzzle());
}

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
    const Status written = WritePuzzle(target, createdPuzzle);
    if (!written) {
        // A save the player asked for must not fail unnoticed (autosaves, which fail quietly,
        // go through AutosaveTo). The puzzle keeps its old name and title: it was not saved
        // under the new one.
        host.ShowMessage("Your puzzle could not be saved.\n" + written.Error(), "Save failed",
                         Buttons::Ok);
        return false;
    }
    puzzlePath = target;
    if (IsAutosavePath(puzzlePath)) {
        puzzlePath.clear();
    } else {
        UpdateTitle();
        if (IsDefaultPath(puzzlePath)) {
            puzzlePath.clear();
        }
    }
    modified = false;
    return true;
}

Status Game::WritePuzzle(const std::string& target, bool createdPuzzle)
{
    if (createdPuzzle) {
        // A designed puzzle always opens as user-made, with a fresh clock.
        clock = Clock{};
        completed = false;
    }
    if (autosavesKept.contains(target)) {
        return Status::Failure(target +
                               ": not written, because it could not be read and is kept as it is");
    }
    const std::uint8_t flag = createdPuzzle ? 1 : userMade;
    std::vector<std::byte> image = SerializePuzzle(crossword, flag, clock, completed);
    Status written = WriteFileAtomically(target, image);
    if (written && target == (createdPuzzle ? paths.CreateAutosave() : paths.PlayAutosave())) {
        Remember(createdPuzzle, std::move(image));
    }
    return written;
}

SaveChoice Game::OfferSave(const std::string& text, const std::string& caption, Buttons buttons,
                           const std::function<bool()>& save)
{
    const Reply reply = host.ShowMessage(text, caption, buttons);
    if (reply == Reply::Cancel) {
        return SaveChoice::Aborted;
    }
    if (reply != Reply::Yes) {
        return SaveChoice::Discarded;
    }
    return save() ? SaveChoice::Saved : SaveChoice::Aborted;
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
        if (modified && OfferSave("Do you want to save your puzzle before loading?",
                                  "Save your puzzle?", Buttons::YesNoCancel, [&] {
                                      return SaveTo(false, createdPuzzle);
                                  }) == SaveChoice::Aborted) {
            return false;
        }
        std::optional<std::string> chosen = host.ChooseOpenPath();
        if (!chosen) {
            return false;
        }
        puzzlePath = std::move(*chosen);
        UpdateTitle();
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
    const auto bytes = ReadWholeFile(chosenPath, kMaxPuzzleFileBytes);
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

Status Game::AutosaveTo(const std::string& target, bool createdPuzzle)
{
    // An autosave never leaves a name behind, whether or not it was written.
    puzzlePath.clear();
    Status written = WritePuzzle(target, createdPuzzle);
    if (written) {
        modified = false;
    }
    return written;
}

Status Game::AutosaveMode()
{
    return CreateMode() ? AutosaveTo(paths.CreateAutosave(), true)
                        : AutosaveTo(paths.PlayAutosave(), false);
}

bool Game::AutosavePlay()
{
    return AutosaveTo(paths.PlayAutosave(), false).Ok();
}

void Game::AutosaveCreate()
{
    (void)AutosaveTo(paths.CreateAutosave(), true);
}

void Game::RestorePlay(bool advanceClues)
{
    if (OpenPuzzle(paths.PlayAutosave(), advanceClues)) {
        return;
    }
    const std::string damaged = SetAsideDamagedAutosave(paths.PlayAutosave());
    if (OpenPuzzle(paths.DefaultPuzzle(), advanceClues)) {
        clock = Clock{};
    }
    // Said over the puzzle that stands in for it.
    if (!damaged.empty()) {
        host.ShowMessage(damaged, "Failed to load", Buttons::Ok);
    }
}

void Game::RestoreCreate()
{
    if (OpenCreatedPuzzle(paths.CreateAutosave())) {
        return;
    }
    if (const std::string damaged = SetAsideDamagedAutosave(paths.CreateAutosave());
        !damaged.empty()) {
        host.ShowMessage(damaged, "Failed to load", Buttons::Ok);
    }
}

std::string Game::SetAsideDamagedAutosave(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::exists(status) || autosavesKept.contains(path)) {
        return {};  // no autosave yet, or already said
    }
    const Result<PuzzleFile> puzzle = ReadPuzzleFile(path);
    if (puzzle) {
        return {};  // sound, and refused for its kind, which the refusal has said
    }
    // A folder, a pipe or a device in its place is not ours to move; saving over it is refused.
    const bool file =
        std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status);
    const Result<std::string> moved =
        file ? MoveAside(path, ".damaged") : Result<std::string>::Failure("");
    std::string text = "The autosaved puzzle could not be loaded.\n" + puzzle.Error() + "\n\n";
    if (moved) {
        text += "It has been kept as " + moved.Value() + ".";
    } else {
        // Said once: it stays where it is, and every restore would find it again.
        autosavesKept.insert(path);
        text += "It is left as it is, and the game will not save over it.";
    }
    return text;
}

bool Game::QueryQuit()
{
    if (!modified || completed) {
        return true;
    }
    return OfferSave("Do you want to save your puzzle before quitting?", "Save your puzzle?",
                     Buttons::YesNoCancel,
                     [&] { return SaveTo(false, CreateMode()); }) != SaveChoice::Aborted;
}

bool Game::CloseRequested()
{
    if (!QueryQuit()) {
        return false;
    }
    const bool unsaved = modified;
    const Status autosaved = AutosaveMode();
    SaveStoresAndSettings();
    if (autosaved || !unsaved) {
        return true;
    }
    const Reply reply = host.ShowMessage(
        "Your puzzle could not be autosaved, so its progress would be lost on quitting.\n" +
            autosaved.Error() + "\n\nDo you want to save it under another name before quitting?",
        "Autosave failed", Buttons::YesNoCancel);
    if (reply == Reply::Yes) {
        return SaveTo(true, CreateMode());
    }
    return reply == Reply::No;
}

}  // namespace quillby
