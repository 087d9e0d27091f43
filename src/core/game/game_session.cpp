#include <filesystem>

#include "core/common/file_io.h"
#include "core/game/game.h"

namespace quillby {

namespace {

inline constexpr const char* kLogFile = "check.txt";

}  // namespace

void Game::LoadState()
{
    // A save killed half way leaves its temporary file; nothing else writes here while the
    // game runs.
    (void)RemoveStaleTemporaryFiles(paths.folder + "/data");
    const Status graph = LoadWordGraph();
    std::error_code error;
    // A missing graph is named with the other missing data files; a damaged one here.
    if (!graph && std::filesystem::is_regular_file(paths.Dawg(), error)) {
        const std::string text =
            "The word list could not be loaded, so new puzzles cannot be generated.\n";
        host.ShowMessage(text + graph.Error(), "Failed to load", Buttons::Ok);
    }
    LoadClueStores();
    settings = LoadSettings(paths.Settings());
    LoadPreferencesFile();
    (void)StartLog(kLogFile);
}

std::vector<std::string> Game::MissingDataFiles() const
{
    const std::vector<std::string> needed = {"data/eng_dawg", "data/eng_clues.b", "data/9x9",
                                             "data/11x11", "data/eng_default.crs"};
    std::vector<std::string> missing;
    for (const std::string& name : needed) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(paths.folder + "/" + name, error)) {
            missing.push_back(name);
        }
    }
    return missing;
}

std::string Game::MissingDataMessage() const
{
    const std::vector<std::string> missing = MissingDataFiles();
    if (missing.empty()) {
        return {};
    }
    std::string text = "Quillby cannot find these data files in " + paths.folder + ":\n\n";
    for (const std::string& name : missing) {
        text += "    " + name + "\n";
    }
    text +=
        "\nThey are made by the build: run \"cmake --build build\" in the source folder, then "
        "start the game from build/app. Until then new puzzles and clues are not available.";
    return text;
}

bool Game::SafetyAutosave()
{
    if (!modified || crossword.width == 0) {
        return false;
    }
    // The same images the mode's autosave writes, without touching puzzlePath or modified.
    const bool own = !CreateMode() && !UsesClueStores();
    auto image = PuzzleImage(own ? PuzzleFormat::Ipuz : PuzzleFormat::Crs);
    if (!image || image.Value() == lastSafetyImage) {
        return false;
    }
    const std::string target = CreateMode() ? paths.CreateAutosave() : PlayAutosavePath();
    if (autosavesKept.contains(target) || !WriteFileAtomically(target, image.Value())) {
        return false;  // like every autosave, a failure is not reported
    }
    if (!CreateMode() && !own) {
        DropOwnAutosave();
    }
    lastSafetyImage = std::move(image.Value());
    return true;
}

void Game::SaveOnExit()
{
    (void)AutosaveMode();
    SaveStoresAndSettings();
}

void Game::SaveStoresAndSettings()
{
    // A clue file that was never there and a store still empty are not written: an empty file
    // would stand where the build is to put the real one, and look to it like its own.
    for (auto [store, path] :
         {std::pair{&clues, paths.MainClues()}, std::pair{&userClues, paths.UserClues()}}) {
        std::error_code error;
        if (!store->Empty() || std::filesystem::exists(path, error)) {
            (void)store->Save(path);
        }
    }
    (void)SaveSettings(paths.Settings(), settings);
    (void)SavePreferencesFile();
}

}  // namespace quillby
