#include "ui/app/folder_lock.h"

#include <gtest/gtest.h>

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
    const QString text = second.RunningElsewhereText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quillby is already running in this folder:")));
    EXPECT_TRUE(text.contains(QString::fromStdString(folder.Path())));

    // Another folder is another game's, and the folder is free once the first game ends.
    TempAppFolder elsewhere;
    EXPECT_TRUE(FolderLock(elsewhere.Path()).Acquire());
    first.reset();
    EXPECT_FALSE(std::filesystem::exists(folder.Data("quillby.lock")));
    EXPECT_TRUE(second.Acquire());
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
