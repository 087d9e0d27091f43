#include "core/common/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "core/common/app_folder.h"

namespace quillby {

namespace {

// The lock taken is on the file the name still stands for: the holder before may have
// removed it between our open and our lock, and a lock on a removed file guards nothing.
bool StillNamed(int fd, const std::string& path)
{
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 &&
           held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

// For people who look: which process holds the folder.
void WriteProcessId(int fd)
{
    const std::string text = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd, 0) == 0) {
        (void)!::write(fd, text.data(), text.size());
    }
}

}  // namespace

FolderLock::FolderLock(std::string folder) : folder(std::move(folder))
{
}

FolderLock::~FolderLock()
{
    if (Held()) {
        // Removed while still held, so no one else's lock file is ever removed.
        ::unlink(AppPaths{folder}.Lock().c_str());
        ::close(fd);
    }
}

bool FolderLock::Acquire()
{
    if (Held()) {
        return true;
    }
    const std::string path = AppPaths{folder}.Lock();
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int opened =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0644);
        if (opened < 0) {
            return true;  // nowhere to put a lock: unguarded
        }
        if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
            const bool heldElsewhere = errno == EWOULDBLOCK;
            ::close(opened);
            return !heldElsewhere;
        }
        if (StillNamed(opened, path)) {
            fd = opened;
            WriteProcessId(fd);
            return true;
        }
        ::close(opened);
    }
    // The lock file keeps being replaced under us: someone else is at work there.
    return false;
}

std::string FolderLock::RunningElsewhereText() const
{
    return "Quillby is already running in this folder:\n" + folder +
           "\n\nOnly one game at a time can use its puzzles and clues. This one will close; "
           "carry on in the game that is open.";
}

}  // namespace quillby
