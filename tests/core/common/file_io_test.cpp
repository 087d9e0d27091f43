#include "core/common/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "core/clues/clue_store.h"
#include "core/generator/grid_template.h"
#include "core/storage/puzzle_file.h"
#include "core/storage/settings.h"
#include "core/wordgraph/dawg.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::TempAppFolder;
using testing::WriteBytes;

namespace fs = std::filesystem;

const std::vector<std::byte> kThree{std::byte{1}, std::byte{2}, std::byte{3}};

TEST(FileIo, ReadRefusesPipesDevicesFoldersAndOverlongFilesWithoutOpeningThem)
{
    // A symbolic link to /dev/zero made every reader read until memory ran out (std::bad_alloc
    // ended the game and quillby-cli), and a named pipe froze the reader waiting for a writer.
    TempAppFolder folder;
    const std::string pipe = folder.Data("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder.Data("zero"));
    for (const std::string& path : {pipe, folder.Data("zero"), folder.Path()}) {
        const auto read = ReadWholeFile(path, 100);
        ASSERT_FALSE(read) << path;
        EXPECT_EQ(read.Error(), path + ": is not a regular file");
    }

    WriteBytes(folder.Data("three"), kThree);
    fs::create_symlink("three", folder.Data("link"));
    const auto linked = ReadWholeFile(folder.Data("link"), 3);
    ASSERT_TRUE(linked) << linked.Error();
    EXPECT_EQ(linked.Value(), kThree);
    const auto overlong = ReadWholeFile(folder.Data("three"), 2);
    ASSERT_FALSE(overlong);
    EXPECT_EQ(overlong.Error(), folder.Data("three") + ": is longer than 2 bytes");
    EXPECT_FALSE(ReadWholeFile(folder.Data("missing")));
}

TEST(FileIo, EveryReaderOfTheGameRefusesAPipeAndADevice)
{
    // Each reader went through one unbounded whole-file read: a data file, an autosave or an
    // opened puzzle that was a link to /dev/zero aborted the game, and a pipe froze it.
    TempAppFolder folder;
    const std::string pipe = folder.Data("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder.Data("zero"));
    for (const std::string& path : {pipe, folder.Data("zero")}) {
        EXPECT_FALSE(ReadPuzzleFile(path));
        ClueStore clues;
        EXPECT_FALSE(clues.Load(path));
        EXPECT_TRUE(clues.SaveBlocked());
        Dawg dawg;
        EXPECT_FALSE(dawg.Load(path));
        EXPECT_FALSE(ReadTemplateFile(path, 9, 9));
        EXPECT_EQ(LoadSettings(path), Settings{});
    }
    // A file far longer than its format allows is refused too.
    WriteBytes(folder.Data("long"),
               std::vector<std::byte>(kMaxTemplateFileBytes + 1, std::byte{1}));
    EXPECT_FALSE(ReadTemplateFile(folder.Data("long"), 9, 9));
    EXPECT_EQ(LoadSettings(folder.Data("long")), Settings{});
}

TEST(FileIo, AtomicWriteReplacesOnlyRegularFilesAndWritesThroughLinks)
{
    // `generate --out /dev/full` renamed a regular file over the device node and said it had
    // saved; a symbolic link was replaced by a file instead of updating what it names.
    TempAppFolder folder;
    const std::string pipe = folder.Data("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const Status onPipe = WriteFileAtomically(pipe, kThree);
    ASSERT_FALSE(onPipe);
    EXPECT_NE(onPipe.Error().find("not a regular file"), std::string::npos) << onPipe.Error();
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_FALSE(WriteFileAtomically(folder.Path(), kThree));
    EXPECT_TRUE(fs::is_directory(folder.Path()));

    WriteBytes(folder.Data("real.crs"), {std::byte{9}});
    ::chmod(folder.Data("real.crs").c_str(), 0600);
    fs::create_symlink("real.crs", folder.Data("link.crs"));
    ASSERT_TRUE(WriteFileAtomically(folder.Data("link.crs"), kThree));
    EXPECT_TRUE(fs::is_symlink(folder.Data("link.crs")));
    EXPECT_EQ(ReadBytes(folder.Data("real.crs")), kThree);
    // The replaced file keeps its permissions.
    EXPECT_EQ(fs::status(folder.Data("real.crs")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    // A link to nothing yet makes the file it names.
    fs::create_symlink(folder.Path() + "/res/new.crs", folder.Data("dangling.crs"));
    ASSERT_TRUE(WriteFileAtomically(folder.Data("dangling.crs"), kThree));
    EXPECT_EQ(ReadBytes(folder.Path() + "/res/new.crs"), kThree);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() + "/res"), {}), 1);
}

TEST(FileIo, OnlyTheWritersOwnTemporaryFilesCountAsStale)
{
    TempAppFolder folder;
    const std::vector<std::string> stale{"volatile.crs.tmpAb12Cd", "eng_clues.b.tmpZZZZZZ"};
    const std::vector<std::string> kept{"notes.tmp",         "x.tmpABCDE", "x.tmpABCDEFG",
                                        "x.tmpAB-DEF",       ".tmpABCDEF", "volatile.crs",
                                        "settings.dat.tmpX1"};
    for (const auto& name : stale) {
        WriteBytes(folder.Data(name), kThree);
    }
    for (const auto& name : kept) {
        WriteBytes(folder.Data(name), kThree);
    }
    fs::create_directory(folder.Data("folder.tmpABCDEF"));
    auto removed = RemoveStaleTemporaryFiles(folder.Path() + "/data");
    std::sort(removed.begin(), removed.end());
    EXPECT_EQ(removed,
              (std::vector<std::string>{"eng_clues.b.tmpZZZZZZ", "volatile.crs.tmpAb12Cd"}));
    for (const auto& name : kept) {
        EXPECT_TRUE(fs::exists(folder.Data(name))) << name;
    }
    EXPECT_TRUE(fs::exists(folder.Data("folder.tmpABCDEF")));
    EXPECT_TRUE(RemoveStaleTemporaryFiles(folder.Path() + "/none").empty());
}

TEST(FileIo, MoveAsideNeverReplacesAnEarlierCopy)
{
    TempAppFolder folder;
    const std::string path = folder.Data("volatile.crs");
    for (int round = 0; round < 3; ++round) {
        WriteBytes(path, {std::byte(round)});
        ASSERT_TRUE(MoveAside(path, ".damaged"));
    }
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ReadBytes(path + ".damaged"), std::vector<std::byte>{std::byte{0}});
    EXPECT_EQ(ReadBytes(path + ".2.damaged"), std::vector<std::byte>{std::byte{1}});
    EXPECT_EQ(ReadBytes(path + ".3.damaged"), std::vector<std::byte>{std::byte{2}});
    EXPECT_FALSE(MoveAside(path, ".damaged"));  // nothing left to move
}

}  // namespace
}  // namespace quillby
