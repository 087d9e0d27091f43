#include "core/common/folder_lock.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::TempAppFolder;

TEST(FolderLock, ASecondGameInTheSameFolderIsToldTheFirstIsRunning)
{
    // Two games in one application folder wrote over each other's autosave with no warning.
    TempAppFolder folder;
    auto first = std::make_unique<FolderLock>(folder.Path());
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->Held());
    EXPECT_TRUE(std::filesystem::exists(folder.Data("quillby.lock")));

    FolderLock second(folder.Path());
    EXPECT_FALSE(second.Acquire());
    EXPECT_FALSE(second.Held());
    const std::string text = second.RunningElsewhereText();
    EXPECT_TRUE(text.starts_with("Quillby is already running in this folder:\n" + folder.Path()))
        << text;

    // Another folder is another game's, and the folder is free once the first game ends.
    TempAppFolder elsewhere;
    EXPECT_TRUE(FolderLock(elsewhere.Path()).Acquire());
    first.reset();
    EXPECT_FALSE(std::filesystem::exists(folder.Data("quillby.lock")));
    EXPECT_TRUE(second.Acquire());
}

TEST(FolderLock, AKilledHoldersFolderIsFreeAtOnce)
{
    // A game that is killed cannot remove its lock file; the next game must still start,
    // however recent the file, and a game running for days must never be taken for stale.
    TempAppFolder folder;
    testing::WriteBytes(folder.Data("quillby.lock"), {std::byte{'1'}, std::byte{'\n'}});
    EXPECT_TRUE(FolderLock(folder.Path()).Acquire());

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        FolderLock lock(folder.Path());
        const char held = lock.Acquire() ? 'y' : 'n';
        (void)!::write(ready[1], &held, 1);
        ::pause();  // until killed
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(held, 'y');
    EXPECT_FALSE(FolderLock(folder.Path()).Acquire());

    ::kill(holder, SIGKILL);
    ASSERT_EQ(::waitpid(holder, nullptr, 0), holder);
    EXPECT_TRUE(std::filesystem::exists(folder.Data("quillby.lock")));
    EXPECT_TRUE(FolderLock(folder.Path()).Acquire());
}

TEST(FolderLock, AFolderWhereNoLockCanBeMadeStillPlays)
{
    // No data folder (the game started elsewhere): nothing to guard, and the game still runs.
    TempAppFolder folder;
    std::filesystem::remove_all(folder.Path() + "/data");
    FolderLock lock(folder.Path());
    EXPECT_TRUE(lock.Acquire());
}

}  // namespace
}  // namespace quillby
