#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/cli.h"
#include "support/temp_app_folder.h"
#include "support/word_world.h"
#include "tools/cli_run.h"

namespace quillby {
namespace {

using testing::RunCli;
using testing::TempAppFolder;

TEST(CliArguments, AFlagWithoutItsValueIsRefusedByName)
{
    // A flag given no value took the next flag for its value: `clues --file --stats` read a
    // file named "--stats", and `generate --size 9 --out` went ahead without saving.
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"clues", "--file", "--stats"}, out, err), 2);
    EXPECT_EQ(err, "quillby-cli clues: --file needs a value (see --help)\n");
    EXPECT_EQ(RunCli({"generate", "--size", "9", "--out"}, out, err), 2);
    EXPECT_NE(err.find("--out needs a value"), std::string::npos) << err;
    EXPECT_EQ(RunCli({"generate", "--seed", "--size", "9"}, out, err), 2);
    EXPECT_NE(err.find("--seed needs a value"), std::string::npos) << err;
    EXPECT_EQ(RunCli({"words", "C*T", "--dawg"}, out, err), 2);
    EXPECT_NE(err.find("--dawg needs a value"), std::string::npos) << err;
    EXPECT_TRUE(out.empty());
}

TEST(CliArguments, EachUsageLineNamesTheFlagsThatTakeAValue)
{
    EXPECT_EQ(
        cli::ValueFlags("generate --size 9|11 [--seed N] [--out FILE.crs] [--max-attempts M]"),
        (std::vector<std::string>{"--size", "--seed", "--out", "--max-attempts"}));
    EXPECT_EQ(cli::ValueFlags("clues WORD [--file PATH] | clues --stats [--file PATH]"),
              (std::vector<std::string>{"--file"}));
    EXPECT_EQ(cli::ValueFlags("words PATTERN [--dawg PATH] [--all]"),
              (std::vector<std::string>{"--dawg"}));
    EXPECT_TRUE(cli::ValueFlags("check-data [DIR]").empty());
    // Every documented value flag of every subcommand is known.
    for (const cli::Command& command : cli::Commands()) {
        const std::string usage = command.usage;
        for (const std::string& flag : cli::ValueFlags(usage)) {
            EXPECT_NE(usage.find(flag + " "), std::string::npos) << usage;
        }
    }
    const std::vector<std::string> fine{"--file", "x.b", "--stats"};
    EXPECT_EQ(cli::FlagWithoutValue(fine, "clues WORD [--file PATH] | clues --stats [--file PATH]"),
              std::nullopt);
}

TEST(CliArguments, OutRefusesToReplaceAnythingButAFile)
{
    // `generate --out /dev/full` renamed the puzzle over the device node and exited 0.
    TempAppFolder folder;
    testing::WriteWorldFiles(folder.Path(), testing::LatticeWords(5, 400), 9,
                             {testing::LatticeInCorner(9)});
    const std::string pipe = folder.Path() + "/pipe.crs";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::string out;
    std::string err;
    EXPECT_EQ(RunCli({"generate", "--size", "9", "--seed", "1", "--data", folder.Path() + "/data",
                      "--out", pipe},
                     out, err),
              1);
    EXPECT_NE(err.find("not a regular file"), std::string::npos) << err;
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

TEST(CliArguments, ReadersRefuseAPipeOrADeviceWithoutWaiting)
{
    // `show` on a named pipe waited for ever; on a link to /dev/zero it ran out of memory.
    TempAppFolder folder;
    const std::string pipe = folder.Path() + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder.Path() + "/zero");
    std::string out;
    std::string err;
    for (const std::string& path : {pipe, folder.Path() + "/zero"}) {
        EXPECT_EQ(RunCli({"show", path}, out, err), 1);
        EXPECT_EQ(err, path + ": is not a regular file\n");
        EXPECT_EQ(RunCli({"clues", "--stats", "--file", path}, out, err), 1);
        EXPECT_EQ(RunCli({"words", "C*T", "--dawg", path}, out, err), 1);
    }
}

}  // namespace
}  // namespace quillby
