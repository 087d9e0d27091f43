#include "ui/app/folder_lock.h"

#include "core/common/app_folder.h"

namespace quillby {

FolderLock::FolderLock(const std::string& folder)
    : folder(folder), lock(QString::fromStdString(AppPaths{folder}.Lock()))
{
    // A game may run for days: only a holder that is no longer running frees the lock, never
    // the lock file's age.
    lock.setStaleLockTime(0);
}

bool FolderLock::Acquire()
{
    return lock.tryLock(0) || lock.error() != QLockFile::LockFailedError;
}

QString FolderLock::RunningElsewhereText() const
{
    return QStringLiteral(
               "Quillby is already running in this folder:\n%1\n\nOnly one game at a "
               "time can use its puzzles and clues. This one will close; carry on in "
               "the game that is open.")
        .arg(QString::fromStdString(folder));
}

}  // namespace quillby
