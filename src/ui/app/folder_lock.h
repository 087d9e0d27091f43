#pragma once

#include <QLockFile>
#include <QString>
#include <string>

namespace quillby {

// One game at a time in an application folder: a second one would write its autosaves, clue
// files and settings over the first one's. The lock file lives in the data folder and goes
// when the game ends; one left by a game that was killed is taken over.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder);
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when another running game holds the folder. Where no lock can be made (no
    // data folder, a read-only folder) the game runs as it always has: true.
    bool Acquire();
    bool Held() const { return lock.isLocked(); }

    // What a second game says before it stops.
    QString RunningElsewhereText() const;

private:
    std::string folder;
    QLockFile lock;
};

}  // namespace quillby
