#include "core/storage/puzzle_formats.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"
#include "support/puzzles.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

TEST(PuzzleFormats, EveryFormatIsReadOnlyFromARegularFileOfItsLength)
{
    // Opening a .puz or .ipuz that was a named pipe waited for a writer for ever, and one
    // that was a link to /dev/zero read until memory ran out.
    testing::TempAppFolder folder;
    const std::string pipe = folder.Data("pipe.puz");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.Data("zero.ipuz"));
    std::filesystem::create_symlink("/dev/zero", folder.Data("zero"));
    for (const std::string& path : {pipe, folder.Data("zero.ipuz"), folder.Data("zero")}) {
        EXPECT_EQ(ReadPuzzleBytes(path).Error(), path + ": is not a regular file");
        const Result<LoadedPuzzle> loaded = ReadAnyPuzzle(path);
        ASSERT_FALSE(loaded);
        EXPECT_EQ(loaded.Error(), "is not a regular file");
    }
    EXPECT_EQ(ReadAnyPuzzle(folder.Data("none.puz")).Error(), "cannot be found");

    // Each name is held to its own format's length; a name of no known kind to the longest.
    testing::WriteBytes(folder.Data("long.puz"),
                        std::vector<std::byte>(kMaxPuzFileBytes + 1, std::byte{' '}));
    EXPECT_EQ(ReadAnyPuzzle(folder.Data("long.puz")).Error(),
              "is longer than " + std::to_string(kMaxPuzFileBytes) + " bytes");
    testing::WriteBytes(folder.Data("long.crs"),
                        std::vector<std::byte>(kMaxPuzzleFileBytes + 1, std::byte{' '}));
    EXPECT_EQ(ReadAnyPuzzle(folder.Data("long.crs")).Error(),
              "is longer than " + std::to_string(kMaxPuzzleFileBytes) + " bytes");

    // Sound files of each kind still open, an .ipuz under a name of no known kind too.
    const OwnPuzzle puzzle =
        testing::MakeOwnPuzzle({"CAT", "O#A", "WET"}, {"Pet", "Milker", "Ink", "Damp"});
    testing::WriteBytes(folder.Data("tiny.puz"), SerializePuz(puzzle));
    testing::WriteBytes(folder.Data("tiny.download"), SerializeIpuz(puzzle));
    for (const char* name : {"tiny.puz", "tiny.download"}) {
        const Result<LoadedPuzzle> loaded = ReadAnyPuzzle(folder.Data(name));
        ASSERT_TRUE(loaded) << name << ": " << loaded.Error();
        EXPECT_TRUE(loaded->own.has_value());
        EXPECT_EQ(loaded->puzzle.crossword.width, 3);
    }
}

}  // namespace
}  // namespace quillby
