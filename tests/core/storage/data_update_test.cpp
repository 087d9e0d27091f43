#include <gtest/gtest.h>

#include <filesystem>

#include "core/clues/clue_store.h"
#include "core/storage/data_update.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::TempAppFolder;
using testing::WriteBytes;

std::vector<std::byte> Bytes(const std::string& text)
{
    const auto bytes = std::as_bytes(std::span(text));
    return {bytes.begin(), bytes.end()};
}

void SaveClues(const std::string& path, const std::vector<ClueRecord>& records)
{
    ClueStore store;
    for (const ClueRecord& record : records) {
        ASSERT_TRUE(store.AddRecord(record));
    }
    ASSERT_TRUE(store.Save(path).Ok());
}

// A shipped folder of the given stamp: a word graph, a template file, the main clues, an
// empty user clue file and a cursor.
void Ship(const TempAppFolder& shipped, const std::string& stamp)
{
    WriteBytes(shipped.Data("stamp"), Bytes(stamp));
    WriteBytes(shipped.Data("eng_dawg"), Bytes("graph " + stamp));
    WriteBytes(shipped.Data("9x9"), Bytes("templates " + stamp));
    WriteBytes(shipped.Data("output_user.b"), {});
    WriteBytes(shipped.Path() + "/res/cursor.cur", Bytes("cursor"));
    SaveClues(shipped.Data("eng_clues.b"),
              {{"Feline", "CAT", 0, 0, 0}, {"Pet", "CAT", 0, 0, 1}, {"Hound", "DOG", 0, 0, 0}});
}

std::string Text(const std::string& path)
{
    const auto bytes = ReadBytes(path);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(DataUpdate, AFreshFolderGetsEveryShippedFile)
{
    TempAppFolder shipped;
    TempAppFolder home;
    Ship(shipped, "one");
    const std::string folder = home.Path() + "/share/quillby";
    const auto update = UpdateAppFolder(shipped.Path(), folder);
    ASSERT_TRUE(update.Ok()) << update.Error();
    EXPECT_EQ(update->added,
              (std::vector<std::string>{"data/9x9", "data/eng_clues.b", "data/eng_dawg",
                                        "data/output_user.b", "res/cursor.cur", "data/stamp"}));
    EXPECT_TRUE(update->replaced.empty());
    EXPECT_EQ(ReadBytes(folder + "/data/eng_clues.b"), ReadBytes(shipped.Data("eng_clues.b")));
    EXPECT_EQ(Text(folder + "/data/stamp"), "one");
    EXPECT_EQ(DataUpdateMessage(update), "");
}

TEST(DataUpdate, ANewerShippedFolderKeepsEverythingOfThePlayers)
{
    // A player who has played the first data: answered DOG, moved CAT on to its second clue,
    // written clues of their own, saved games and settings. The second data changes the word
    // graph and templates, drops a clue, and adds a clue and a template file.
    TempAppFolder shipped;
    TempAppFolder player;
    Ship(shipped, "one");
    ASSERT_TRUE(UpdateAppFolder(shipped.Path(), player.Path()).Ok());
    ClueStore played;
    ASSERT_TRUE(played.Load(player.Data("eng_clues.b")).Ok());
    played.MarkSolved(*played.Find("DOG"));
    played.Retire(*played.Find("CAT"));
    ASSERT_TRUE(played.Save(player.Data("eng_clues.b")).Ok());
    SaveClues(player.Data("output_user.b"), {{"My own clue", "OWL", 0, 0, 0}});
    const std::vector<std::string> own = {"volatile.crs", "volatile_cre.crs", "settings.dat",
                                          "preferences.ini", "volatile.crs.damaged"};
    for (const std::string& name : own) {
        WriteBytes(player.Data(name), Bytes("mine: " + name));
    }
    const auto userClues = ReadBytes(player.Data("output_user.b"));

    Ship(shipped, "two");
    SaveClues(shipped.Data("eng_clues.b"), {{"Pet", "CAT", 0, 0, 0},
                                            {"Mouser", "CAT", 0, 0, 1},
                                            {"Hound", "DOG", 0, 0, 0},
                                            {"Bird of prey", "OWL", 0, 0, 0}});
    WriteBytes(shipped.Data("13x13"), Bytes("new templates"));
    const auto update = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_TRUE(update.Ok()) << update.Error();

    EXPECT_EQ(update->added, (std::vector<std::string>{"data/13x13"}));
    EXPECT_EQ(update->replaced, (std::vector<std::string>{"data/9x9", "data/eng_clues.b",
                                                          "data/eng_dawg", "data/stamp"}));
    EXPECT_EQ(update->kept, (std::vector<std::string>{"data/output_user.b"}));
    EXPECT_EQ(update->cluesCarried, 2u);
    EXPECT_TRUE(update->notices.empty());
    EXPECT_EQ(Text(player.Data("eng_dawg")), "graph two");
    EXPECT_EQ(Text(player.Data("stamp")), "two");
    EXPECT_EQ(ReadBytes(player.Data("output_user.b")), userClues);
    for (const std::string& name : own) {
        EXPECT_EQ(Text(player.Data(name)), "mine: " + name);
    }
    ClueStore merged;
    ASSERT_TRUE(merged.Load(player.Data("eng_clues.b")).Ok());
    EXPECT_EQ(merged.Size(), 4u);
    EXPECT_EQ(merged.Find("DOG")->solved, 1);
    EXPECT_EQ(merged.Find("CAT")->question, "Pet");
    EXPECT_EQ(merged.Find("OWL")->question, "Bird of prey");

    // Nothing changed since: a second run writes nothing.
    const auto again = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_TRUE(again.Ok());
    EXPECT_TRUE(again->added.empty());
    EXPECT_TRUE(again->replaced.empty());
}

TEST(DataUpdate, ADamagedClueFileIsKeptAsideNeverOverwritten)
{
    TempAppFolder shipped;
    TempAppFolder player;
    Ship(shipped, "one");
    const std::string damaged("\x05\x00\x00\x00garbage", 11);
    WriteBytes(player.Data("eng_clues.b"), Bytes(damaged));
    const auto update = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_TRUE(update.Ok()) << update.Error();
    EXPECT_EQ(update->keptAside, (std::vector<std::string>{"data/eng_clues.b.damaged"}));
    EXPECT_EQ(Text(player.Data("eng_clues.b.damaged")), damaged);
    EXPECT_EQ(ReadBytes(player.Data("eng_clues.b")), ReadBytes(shipped.Data("eng_clues.b")));
    const std::string message = DataUpdateMessage(update);
    EXPECT_NE(message.find("data/eng_clues.b could not be read"), std::string::npos) << message;
    EXPECT_NE(message.find("kept as data/eng_clues.b.damaged"), std::string::npos) << message;

    // A second damaged file does not replace the first one kept aside.
    WriteBytes(player.Data("eng_clues.b"), Bytes("also bad"));
    const auto second = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_TRUE(second.Ok());
    EXPECT_EQ(second->keptAside, (std::vector<std::string>{"data/eng_clues.b.2.damaged"}));
    EXPECT_EQ(Text(player.Data("eng_clues.b.2.damaged")), "also bad");
    EXPECT_EQ(Text(player.Data("eng_clues.b.damaged")), damaged);
}

TEST(DataUpdate, RefusesABadShippedFolderAndStampsOnlyAFinishedUpdate)
{
    TempAppFolder shipped;
    TempAppFolder player;
    WriteBytes(player.Data("eng_dawg"), Bytes("old graph"));
    // No stamp: not a shipped folder (a mistyped path must not be copied in).
    WriteBytes(shipped.Data("eng_dawg"), Bytes("graph"));
    auto update = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_FALSE(update.Ok());
    EXPECT_NE(update.Error().find("no data/stamp"), std::string::npos);
    EXPECT_EQ(Text(player.Data("eng_dawg")), "old graph");

    // A damaged shipped clue file changes nothing.
    Ship(shipped, "one");
    WriteBytes(shipped.Data("eng_clues.b"), Bytes("bad"));
    update = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_FALSE(update.Ok());
    EXPECT_EQ(Text(player.Data("eng_dawg")), "old graph");
    EXPECT_FALSE(std::filesystem::exists(player.Data("stamp")));

    // A file that cannot be written stops the update before the stamp, so the next start
    // tries again; the message says nothing of the player's was lost.
    Ship(shipped, "one");
    std::filesystem::remove(player.Data("eng_dawg"));
    std::filesystem::create_directories(player.Data("eng_dawg") + "/in-the-way");
    update = UpdateAppFolder(shipped.Path(), player.Path());
    ASSERT_FALSE(update.Ok());
    EXPECT_NE(update.Error().find("eng_dawg"), std::string::npos) << update.Error();
    EXPECT_FALSE(std::filesystem::exists(player.Data("stamp")));
    EXPECT_NE(DataUpdateMessage(update).find("tried again"), std::string::npos);

    // And the shipped folder is never updated from itself.
    update = UpdateAppFolder(shipped.Path(), shipped.Path() + "/.");
    EXPECT_FALSE(update.Ok());
}

TEST(DataUpdate, KnowsThePlayersFiles)
{
    for (const char* name : {"data/output_user.b", "data/settings.dat", "data/preferences.ini",
                             "data/volatile.crs", "data/volatile_cre.crs", "data/volatile_own.ipuz",
                             "data/eng_clues.b.damaged", "check.txt"}) {
        EXPECT_TRUE(IsPlayerFile(name)) << name;
    }
    for (const char* name : {"data/eng_dawg", "data/eng_clues.b", "data/9x9", "data/13x13",
                             "data/eng_default.crs", "data/click.wav", "res/cursor.cur"}) {
        EXPECT_FALSE(IsPlayerFile(name)) << name;
    }
}

}  // namespace
}  // namespace quillby
