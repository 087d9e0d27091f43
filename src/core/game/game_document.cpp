#include <filesystem>
#include <utility>
#include <vector>

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
    return SamePath(path, paths.PlayAutosave()) || SamePath(path, paths.CreateAutosave()) ||
           SamePath(path, paths.OwnAutosave());
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
    // The format is the file name's: .puz and .ipuz keep a puzzle's own clues, .crs cannot.
    const PuzzleFormat format = FormatOfName(target);
    if (format != PuzzleFormat::Crs) {
        if (const std::optional<std::string> why = WhyNotWritable(crossword)) {
            host.ShowMessage(std::string("This puzzle cannot be saved as ") + ExtensionOf(format) +
                                 " yet: " + *why + ".",
                             "Save failed", Buttons::Ok);
            return false;
        }
    } else if (ownClues && !IsAutosavePath(target) && !IsDefaultPath(target) &&
               !ConfirmSaveWithoutClues(target)) {
        return false;
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
    // The format is the file name's: .puz and .ipuz keep a puzzle's own clues, .crs cannot.
    const PuzzleFormat format = FormatOfName(target);
    auto image =
        format == PuzzleFormat::Crs
            ? Result<std::vector<std::byte>>(SerializePuzzle(crossword, flag, clock, completed))
            : PuzzleImage(format, TitleForFile(target));
    Status written =
        image ? WriteFileAtomically(target, image.Value()) : Status::Failure(image.Error());
    if (written && IsModeAutosave(paths, target, createdPuzzle)) {
        Remember(createdPuzzle, std::move(image.Value()));
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
    Result<LoadedPuzzle> loaded = ReadAnyPuzzle(chosenPath);
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
        if (const auto bytes = ReadPuzzleBytes(chosenPath)) {
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

Status Game::AutosaveTo(const std::string& target, bool createdPuzzle)
{
    // An autosave never leaves a name behind, whether or not it was written.
    puzzlePath.clear();
    Status written = WritePuzzle(target, createdPuzzle);
    if (written) {
        modified = false;
        if (target == paths.PlayAutosave()) {
            DropOwnAutosave();  // an older own-clue puzzle must not come back over this one
        }
    }
    return written;
}

Status Game::AutosaveMode()
{
    return CreateMode() ? AutosaveTo(paths.CreateAutosave(), true)
                        : AutosaveTo(PlayAutosavePath(), false);
}

bool Game::AutosavePlay()
{
    return AutosaveTo(PlayAutosavePath(), false).Ok();
}

std::string Game::PlayAutosavePath() const
{
    // A puzzle with its own clues is kept as .ipuz, which holds them; volatile.crs keeps what
    // it held, and the own autosave, while it exists, is the one brought back.
    return ownClues ? paths.OwnAutosave() : paths.PlayAutosave();
}

void Game::DropOwnAutosave()
{
    // One kept as it is, unread and damaged, stays where it is.
    if (autosavesKept.contains(paths.OwnAutosave())) {
        return;
    }
    std::error_code error;
    std::filesystem::remove(paths.OwnAutosave(), error);
}

void Game::AutosaveCreate()
{
    (void)AutosaveTo(paths.CreateAutosave(), true);
}

void Game::RestorePlay(bool advanceClues)
{
    // A puzzle with its own clues, while its autosave is there, is the one that was on screen.
    std::vector<std::string> damaged;
    bool restored = false;
    for (const std::string& autosave : {paths.OwnAutosave(), paths.PlayAutosave()}) {
        if (OpenPuzzle(autosave, advanceClues)) {
            restored = true;
            break;
        }
        if (std::string text = SetAsideDamagedAutosave(autosave); !text.empty()) {
            damaged.push_back(std::move(text));
        }
    }
    if (!restored && OpenPuzzle(paths.DefaultPuzzle(), advanceClues)) {
        clock = Clock{};
    }
    // Said over the puzzle that stands in for it.
    for (const std::string& text : damaged) {
        host.ShowMessage(text, "Failed to load", Buttons::Ok);
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
    const Result<LoadedPuzzle> puzzle = ReadAnyPuzzle(path);
    if (puzzle) {
        return {};  // sound, and refused for its kind, which the refusal has said
    }
    // A folder, a pipe or a device in its place is not ours to move; saving over it is refused.
    const bool file =
        std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status);
    const Result<std::string> moved =
        file ? MoveAside(path, ".damaged") : Result<std::string>::Failure("");
    std::string text =
        "The autosaved puzzle could not be loaded.\n" + path + ": " + puzzle.Error() + "\n\n";
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
