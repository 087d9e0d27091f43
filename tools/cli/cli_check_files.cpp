#include <cstdint>
#include <string>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/common/byte_io.h"
#include "core/common/file_io.h"
#include "core/storage/cursor_file.h"
#include "core/storage/puzzle_file.h"
#include "core/storage/sound_file.h"

namespace quillby::cli {

namespace {

using Problems = std::vector<std::string>;

std::uint32_t U16At(const std::vector<std::byte>& bytes, std::size_t at)
{
    if (at + 2 > bytes.size()) {
        return 0xFFFFFFFFu;
    }
    return std::to_integer<std::uint32_t>(bytes[at]) | std::to_integer<std::uint32_t>(bytes[at + 1])
                                                           << 8;
}

void CheckDefaultPuzzle(const std::string& path, const ClueStore& clues, Problems& problems)
{
    auto puzzle = ReadPuzzleFile(path);
    if (!puzzle) {
        problems.push_back("eng_default.crs: " + puzzle.Error());
        return;
    }
    Crossword& crossword = puzzle->crossword;
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    if (puzzle->userMade != 0 || crossword.answers.empty() || !crossword.AllAnswered()) {
        problems.push_back("eng_default.crs: not a whole generated puzzle");
    }
    for (const AnswerEntry& entry : crossword.answers) {
        if (entry.HasAnswer() && clues.Find(entry.AnswerWord()) == nullptr) {
            problems.push_back("eng_default.crs: " + std::string(entry.AnswerWord()) +
                               " has no clue");
        }
    }
}

void CheckSound(const std::string& path, Problems& problems)
{
    // The game's own check: a sound it refuses stays silent.
    auto bytes = ReadWholeFile(path, kMaxSoundFileBytes);
    auto format =
        bytes ? ReadWaveFormat(bytes.Value()) : Result<WaveFormat>::Failure(bytes.Error());
    if (!format) {
        problems.push_back("click.wav: " + format.Error());
    }
}

void CheckCursor(const std::string& path, Problems& problems)
{
    auto bytes = ReadWholeFile(path, kMaxCursorFileBytes);
    const bool cursor = bytes && U16At(bytes.Value(), 0) == 0 && U16At(bytes.Value(), 2) == 2 &&
                        U16At(bytes.Value(), 4) >= 1 && bytes->size() > 22 + 40;
    if (!cursor) {
        problems.push_back("cursor.cur: not a Windows cursor file");
        return;
    }
    const int width = std::to_integer<int>(bytes.Value()[6]);
    const int height = std::to_integer<int>(bytes.Value()[7]);
    const std::uint32_t hotX = U16At(bytes.Value(), 10);
    const std::uint32_t hotY = U16At(bytes.Value(), 12);
    if (width == 0 || height == 0 || hotX >= static_cast<std::uint32_t>(width) ||
        hotY >= static_cast<std::uint32_t>(height)) {
        problems.push_back("cursor.cur: the hot spot lies outside the image");
    }
}

}  // namespace

void CheckOtherFiles(const std::string& dataFolder, const std::string& resFolder,
                     const ClueStore& clues, Problems& problems)
{
    ClueStore user;
    if (!ReadWholeFile(dataFolder + "/output_user.b", ClueStore::kMaxFileBytes)) {
        problems.push_back("output_user.b is missing");
    } else if (Status loaded = user.Load(dataFolder + "/output_user.b"); !loaded) {
        problems.push_back(loaded.Error());
    }
    CheckDefaultPuzzle(dataFolder + "/eng_default.crs", clues, problems);
    CheckSound(dataFolder + "/click.wav", problems);
    CheckCursor(resFolder + "/cursor.cur", problems);
}

}  // namespace quillby::cli
