#pragma once

#include <string>

namespace quillby {

// One program at a time in an application folder: a second game, or a data update while a
// game runs, would write autosaves, clue files and settings over the first one's. The game
// and quillby-cli's update-data both take it before they read or write anything there.
//
// The lock is an advisory lock (flock) on data/quillby.lock, so the system frees it when its
// holder ends, however it ends: a killed game never leaves the folder locked, and a game that
// runs for days is never taken for a stale one.
class FolderLock {
public:
    explicit FolderLock(std::string folder);
    // Releases the lock and removes the lock file.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another running program holds the folder. Where no lock can be made (no
    // data folder, a read-only folder, a file system without locks) true: the game runs as it
    // always has, unguarded.
    bool Acquire();
    bool Held() const { return fd >= 0; }

    // What a second game says before it stops.
    std::string RunningElsewhereText() const;

private:
    std::string folder;
    int fd = -1;
};

}  // namespace quillby
