#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// The shipped folder's stamp: it changes whenever any shipped file does. An application folder
// holds the stamp of the shipped data it was last brought up to date with.
inline constexpr std::string_view kDataStamp = "data/stamp";

// What UpdateAppFolder did. Paths are relative to the application folder.
struct DataUpdate {
    std::vector<std::string> added;      // shipped files the folder lacked
    std::vector<std::string> replaced;   // older copies of shipped files, now the shipped ones
    std::vector<std::string> kept;       // the player's own files, left exactly as they were
    std::vector<std::string> keptAside;  // damaged player files, renamed to end in ".damaged"
    std::size_t cluesCarried = 0;        // main clue records that kept the player's marks
    // What the player should be told, in sentences; empty after an ordinary update.
    std::vector<std::string> notices;
};

// True for the files that hold the player's own work or choices: their clues, autosaves,
// settings and preferences, damaged files kept aside, the log. An update never writes over one.
bool IsPlayerFile(std::string_view relativePath);

// Brings an application folder (created if missing) up to date with a shipped one:
// - every shipped file the folder lacks is copied;
// - shipped data files (word graph, templates, default puzzle, sound, cursor and any file
//   added later) replace older copies;
// - the player's own files are never written over, and copied only when missing;
// - the main clue file is merged (MergeClueStores), so solved marks and clue turns survive;
//   a player's clue file that cannot be read as one is renamed aside, never overwritten, and a
//   notice says so;
// - the stamp is written last, so an update cut short is done again at the next start.
// Every file is written atomically. Refused, with nothing changed, when the shipped folder has
// no stamp or its clue file is damaged; a failure part way names the file, and what was done
// before it stays done.
Result<DataUpdate> UpdateAppFolder(const std::string& shippedFolder, const std::string& folder);

// The notices, or for a failed update what happened, as one text for a message box; empty
// when there is nothing to tell.
std::string DataUpdateMessage(const Result<DataUpdate>& update);

}  // namespace quillby
