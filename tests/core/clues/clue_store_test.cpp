#include <gtest/gtest.h>

#include <filesystem>

#include "core/clues/clue_store.h"
#include "core/common/byte_io.h"
#include "support/temp_app_folder.h"

namespace quillby {
namespace {

using testing::ReadBytes;
using testing::TempAppFolder;
using testing::WriteBytes;

struct RawRecord {
    std::string question;
    std::string answer;
    std::int32_t solved = 0;
    std::int32_t rotation = 0;
    std::int32_t extra = 0;
};

// A clue file image written field by field, independently of the store's writer.
std::vector<std::byte> FileImage(const std::vector<RawRecord>& records)
{
    ByteWriter writer;
    writer.WriteI32Le(static_cast<std::int32_t>(records.size()));
    for (const RawRecord& r : records) {
        writer.WriteI32Le(static_cast<std::int32_t>(r.question.size()));
        writer.WriteText(r.question);
        writer.WriteI32Le(static_cast<std::int32_t>(r.answer.size()));
        writer.WriteText(r.answer);
        writer.WriteI32Le(r.solved);
        writer.WriteI32Le(r.rotation);
        writer.WriteI32Le(r.extra);
    }
    return writer.Take();
}

ClueStore StoreOf(const std::vector<RawRecord>& records)
{
    ClueStore store;
    EXPECT_TRUE(store.Parse(FileImage(records)).Ok());
    return store;
}

std::vector<std::int32_t> Rotations(const ClueStore& store)
{
    std::vector<std::int32_t> rotations;
    for (const ClueRecord& record : store.Records()) {
        rotations.push_back(record.rotation);
    }
    return rotations;
}

TEST(ClueStore, SavesExactlyTheBytesItLoaded)
{
    TempAppFolder folder;
    const auto image = FileImage({
        {"Feline pet, one that purrs", "CAT", 1, 0, 7},
        {"Caf\xe9 drink", "TEA", 0, 2, -3},
        {"", "ODE", 0, 1, 0},  // an empty question is kept
        {"Farm animal", "COW", 5, -1, 0x12345678},
    });
    WriteBytes(folder.Data("eng_clues.b"), image);
    ClueStore store;
    ASSERT_TRUE(store.Load(folder.Data("eng_clues.b")).Ok());
    ASSERT_EQ(store.Size(), 4u);
    const ClueRecord& cow = store.Records().back();
    EXPECT_EQ(cow.question, "Farm animal");
    EXPECT_EQ(cow.solved, 5);
    EXPECT_EQ(cow.rotation, -1);
    EXPECT_EQ(cow.extra, 0x12345678);

    ASSERT_TRUE(store.Save(folder.Data("copy.b")).Ok());
    EXPECT_EQ(ReadBytes(folder.Data("copy.b")), image);
    EXPECT_EQ(store.Serialize(), image);
}

TEST(ClueStore, AnEmptyStoreIsAnEmptyFileAndAMissingFileAnEmptyStore)
{
    TempAppFolder folder;
    ClueStore store;
    ASSERT_TRUE(store.Save(folder.Data("output_user.b")).Ok());
    EXPECT_TRUE(std::filesystem::exists(folder.Data("output_user.b")));
    EXPECT_EQ(std::filesystem::file_size(folder.Data("output_user.b")), 0u);

    ClueStore loaded = StoreOf({{"Feline", "CAT"}});
    ASSERT_TRUE(loaded.Load(folder.Data("output_user.b")).Ok());
    EXPECT_TRUE(loaded.Empty());

    ClueStore missing = StoreOf({{"Feline", "CAT"}});
    ASSERT_TRUE(missing.Load(folder.Data("no_such_file.b")).Ok());
    EXPECT_TRUE(missing.Empty());
    EXPECT_FALSE(missing.SaveBlocked());
}

TEST(ClueStore, ARecordWithNoQuestionAndNoAnswerEndsTheList)
{
    ClueStore store = StoreOf({{"Feline", "CAT"}, {"", ""}, {"Farm animal", "COW"}});
    ASSERT_EQ(store.Size(), 1u);
    EXPECT_EQ(store.Find("COW"), nullptr);
}

TEST(ClueStore, FindTakesTheNewestRecordWithRotationZero)
{
    ClueStore store = StoreOf({
        {"Older clue", "CAT"},
        {"Newer clue", "CAT"},
        {"Waiting its turn", "CAT", 0, 1},
        {"Farm animal", "COW", 0, 3},
    });
    ASSERT_NE(store.Find("CAT"), nullptr);
    EXPECT_EQ(store.Find("CAT")->question, "Newer clue");
    EXPECT_EQ(store.Find("COW"), nullptr);  // no clue of the word is current
    EXPECT_EQ(store.Find("DOG"), nullptr);
    EXPECT_EQ(store.Find("CA"), nullptr);
    // Looking up changes nothing.
    EXPECT_EQ(store.Serialize(), FileImage({
                                     {"Older clue", "CAT"},
                                     {"Newer clue", "CAT"},
                                     {"Waiting its turn", "CAT", 0, 1},
                                     {"Farm animal", "COW", 0, 3},
                                 }));
}

TEST(ClueStore, RetireThenAdvanceRestoresTheTurnOrder)
{
    // Three puzzles in a row use CAT, each retiring the clue it showed; reopening them in
    // reverse (as a cancelled generation does) brings the clues back one by one.
    ClueStore store =
        StoreOf({{"A", "CAT", 0, 0}, {"Feline", "DOG"}, {"B", "CAT", 0, 1}, {"C", "CAT", 0, 2}});
    std::vector<std::string> shown;
    for (int puzzle = 0; puzzle < 3; ++puzzle) {
        ClueRecord* current = store.Find("CAT");
        ASSERT_NE(current, nullptr);
        shown.push_back(current->question);
        store.Retire(*current);
        if (puzzle == 0) {
            EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{2, 0, 0, 1}));
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(store.Find("CAT")->question, "A");  // the turn came round

    std::vector<std::string> restored;
    for (int puzzle = 0; puzzle < 3; ++puzzle) {
        store.Advance(*store.Find("CAT"));
        restored.push_back(store.Find("CAT")->question);
    }
    EXPECT_EQ(restored, (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{0, 0, 1, 2}));
    EXPECT_EQ(store.Find("DOG")->rotation, 0);  // other words keep their turns
}

TEST(ClueStore, RetiringAWordWhoseCluesAllHoldZeroLeavesItWithoutACurrentClue)
{
    ClueStore store = StoreOf({{"First", "CAT"}, {"Second", "CAT"}});
    store.Retire(*store.Find("CAT"));
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{-1, 1}));
    EXPECT_EQ(store.Find("CAT"), nullptr);
    // Advance on a tie takes the first in store order; with nothing above 0, the given one.
    ClueRecord& first = const_cast<ClueRecord&>(store.Records().front());
    store.Advance(first);
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{0, 0}));
    store.Advance(first);
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{0, 1}));
}

TEST(ClueStore, TurnCountersFromAFileWrapInsteadOfOverflowing)
{
    // Counters are whatever the file holds; stepping past the int32 range used to be undefined.
    ClueStore store = StoreOf(
        {{"High", "CAT", 0, 0x7fffffff}, {"Low", "CAT", 0, INT32_MIN}, {"Now", "CAT", 0, 0}});
    store.Retire(*store.Find("CAT"));
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{0x7ffffffe, 0x7fffffff, 2}));
    store.Advance(const_cast<ClueRecord&>(store.Records().back()));
    EXPECT_EQ(Rotations(store), (std::vector<std::int32_t>{0, INT32_MIN, 3}));
}

TEST(ClueStore, RecyclesALengthOnlyWhenMoreThanFiftyFivePercentAreSolved)
{
    auto storeWithSolved = [](int solved, int length) {
        ClueStore store;
        for (int i = 0; i < 9; ++i) {
            ClueRecord record{"Clue", std::string(static_cast<std::size_t>(length), 'A' + i)};
            record.solved = i < solved ? 1 : 0;
            EXPECT_TRUE(store.AddRecord(record));
        }
        return store;
    };
    ClueStore fiftyFive = storeWithSolved(5, 5);  // 55.5 percent
    fiftyFive.RecycleSolved();
    EXPECT_EQ(fiftyFive.CountByLength(5).unsolved, 4);

    ClueStore sixtySix = storeWithSolved(6, 5);
    EXPECT_EQ(sixtySix.CountByLength(5).total, 9);
    EXPECT_EQ(sixtySix.CountByLength(5).unsolved, 3);
    sixtySix.RecycleSolved();
    EXPECT_EQ(sixtySix.CountByLength(5).unsolved, 9);

    ClueStore allSolved = storeWithSolved(9, 5);  // nothing left unsolved: left alone
    allSolved.RecycleSolved();
    EXPECT_EQ(allSolved.CountByLength(5).unsolved, 0);

    ClueStore tooLong = storeWithSolved(8, 10);  // lengths past 9 are never recycled
    tooLong.RecycleSolved();
    EXPECT_EQ(tooLong.CountByLength(10).unsolved, 1);

    // The share is the whole-number part of the double product: 56 of 100 is just above.
    ClueStore hundred;
    for (int i = 0; i < 100; ++i) {
        ClueRecord record{"Clue", "ABC"};
        record.solved = i < 56 ? 1 : 0;
        ASSERT_TRUE(hundred.AddRecord(record));
    }
    hundred.RecycleSolved();
    EXPECT_EQ(hundred.CountByLength(3).unsolved, 100);
}

TEST(ClueStore, KeptCountsByLengthFollowEveryChange)
{
    // The recycling test after every key used to walk the whole store (140,757 records, about
    // 4 ms a key); the counts it reads are now kept as the store changes, so they must agree
    // with a walk of the records after every kind of change. (bench_clue_store times a key.)
    auto walked = [](const ClueStore& store, int length) {
        LengthCount count;
        for (const ClueRecord& record : store.Records()) {
            if (record.answer.size() == static_cast<std::size_t>(length)) {
                ++count.total;
                count.unsolved += record.solved == 0 ? 1 : 0;
            }
        }
        return count;
    };
    auto agree = [&](const ClueStore& store, const char* after) {
        for (int length = 0; length <= 12; ++length) {
            const LengthCount kept = store.CountByLength(length);
            const LengthCount counted = walked(store, length);
            EXPECT_EQ(kept.total, counted.total) << after << ", length " << length;
            EXPECT_EQ(kept.unsolved, counted.unsolved) << after << ", length " << length;
        }
    };
    ClueStore store = StoreOf({{"Feline", "CAT", 1},
                               {"Mouser", "CAT", 0, 1},
                               {"Bovine", "COW", 7},
                               {"Ocean", "SEA"},
                               {"Organ", "HEART", 1}});
    agree(store, "loading");
    EXPECT_EQ(store.CountByLength(3).total, 4);
    EXPECT_EQ(store.CountByLength(3).unsolved, 2);  // a mark of 7 counts as solved

    ASSERT_TRUE(store.AddClue("Wet", "DAMP"));
    ASSERT_TRUE(store.AddRecord({"Frozen", "ICE", 0, 1}));
    agree(store, "adding");
    store.MarkSolved(*store.Find("SEA"));
    store.MarkSolved(*store.Find("COW"));  // already marked: nothing changes
    agree(store, "marking solved");
    store.RemoveClue("ICE");   // a solved one
    store.RemoveClue("DAMP");  // an unsolved one
    store.RemoveClue("NONE");
    agree(store, "removing");
    store.RecycleSolved();  // 3 of 4 three-letter clues solved: all of them come back
    EXPECT_EQ(store.CountByLength(3).unsolved, 4);
    agree(store, "recycling");
    store.ClearSolved(5);
    agree(store, "clearing");
    ClueStore moved = std::move(store);
    agree(moved, "moving");
    EXPECT_EQ(moved.CountByLength(-1).total, 0);
    EXPECT_EQ(moved.CountByLength(1000).total, 0);
    ASSERT_TRUE(moved.Parse(FileImage({{"Feline", "CAT", 1}})).Ok());
    agree(moved, "parsing over it");
}

TEST(ClueStore, AddClueAddsOnlyANewQuestionAndRefusesTextPastTheLimit)
{
    ClueStore store;
    ASSERT_TRUE(store.AddClue("Feline", "CAT"));
    ASSERT_TRUE(store.AddClue("Feline", "CAT"));  // the same clue again: nothing added
    EXPECT_EQ(store.Size(), 1u);
    ASSERT_TRUE(store.AddClue("Mouser", "CAT"));
    EXPECT_EQ(store.Size(), 2u);
    EXPECT_EQ(store.Find("CAT")->question, "Mouser");
    EXPECT_EQ(store.Find("CAT")->solved, 0);

    // "CAT" + " " + 251 characters is exactly 255; one more is refused, not shortened.
    EXPECT_TRUE(store.AddClue(std::string(251, 'q'), "CAT"));
    EXPECT_FALSE(store.AddClue(std::string(252, 'q'), "CAT"));
    EXPECT_EQ(store.Size(), 3u);
    // Answers the file could not hold are refused too.
    EXPECT_FALSE(store.AddClue("Small", "cat"));
    EXPECT_FALSE(store.AddClue("Nothing", ""));
    EXPECT_FALSE(store.AddClue("Two words", "TOP HAT"));
    EXPECT_FALSE(store.AddRecord({"", ""}));
    EXPECT_EQ(store.Size(), 3u);

    store.RemoveClue("CAT");  // the newest goes first
    store.RemoveClue("DOG");
    EXPECT_EQ(store.Size(), 2u);
    EXPECT_EQ(store.Find("CAT")->question, "Mouser");
    store.RemoveClue("CAT");
    EXPECT_EQ(store.Find("CAT")->question, "Feline");
}

TEST(ClueStore, RefusesADamagedFileWholeAndKeepsWhatItHeld)
{
    std::vector<RawRecord> seventeen;
    for (int i = 0; i < 17; ++i) {
        seventeen.push_back({"Clue " + std::to_string(i), "WORD"});
    }
    auto cut = FileImage(seventeen);
    cut.resize(cut.size() - 2);

    auto withLength = [](std::int32_t length, bool question) {
        ByteWriter writer;
        writer.WriteI32Le(1);
        writer.WriteI32Le(question ? length : 2);
        writer.WriteText(question ? "" : "Hi");
        writer.WriteI32Le(question ? 3 : length);
        writer.WriteText("CATxxxxxxxxxxxxxxxxxxxxxx");
        return writer.Take();
    };
    ByteWriter negativeCount;
    negativeCount.WriteI32Le(-1);
    ByteWriter hugeCount;
    hugeCount.WriteI32Le(1000000);
    hugeCount.WriteText(std::string(100, 'x'));

    const std::vector<std::pair<std::vector<std::byte>, std::string>> damaged = {
        {cut, "ends inside record 17"},
        {negativeCount.Take(), "negative record count"},
        {hugeCount.Take(), "claims 1000000 records but has room for 5"},
        {withLength(-4, true), "record 1 has a negative question length"},
        {withLength(-4, false), "record 1 has a negative answer length"},
        {withLength(500, true), "more than is left of the file"},
        {withLength(0x7fffffff, false), "more than is left of the file"},
        {FileImage({{"Fine", "CAT"}, {"Small", "dog"}}), "record 2 has an answer"},
        {FileImage({{"Spaced", "TOP HAT"}}), "record 1 has an answer"},
        {std::vector<std::byte>(3), "ends inside the record count"},
    };
    for (const auto& [bytes, reason] : damaged) {
        ClueStore store = StoreOf({{"Feline", "CAT"}});
        const Status parsed = store.Parse(bytes);
        ASSERT_FALSE(parsed.Ok()) << reason;
        EXPECT_NE(parsed.Error().find(reason), std::string::npos) << parsed.Error();
        ASSERT_EQ(store.Size(), 1u) << reason;
        EXPECT_EQ(store.Find("CAT")->question, "Feline");
    }
}

TEST(ClueStore, NeverSavesOverAFileItRefused)
{
    // A damaged clue file used to be replaced by whatever the store held at shut-down, losing
    // every clue; now it stays as it was for the user to inspect.
    TempAppFolder folder;
    auto damaged = FileImage({{"Feline", "CAT"}, {"Farm animal", "COW"}});
    damaged.resize(damaged.size() - 5);
    WriteBytes(folder.Data("eng_clues.b"), damaged);

    ClueStore store;
    ASSERT_TRUE(store.AddClue("Kept", "DOG"));
    const Status loaded = store.Load(folder.Data("eng_clues.b"));
    ASSERT_FALSE(loaded.Ok());
    EXPECT_NE(loaded.Error().find("eng_clues.b: ends inside record 2"), std::string::npos)
        << loaded.Error();
    EXPECT_EQ(store.Find("DOG")->question, "Kept");
    EXPECT_TRUE(store.SaveBlocked());
    EXPECT_FALSE(store.Save(folder.Data("eng_clues.b")).Ok());
    EXPECT_EQ(ReadBytes(folder.Data("eng_clues.b")), damaged);

    // Once a sound file is loaded, saving works again.
    WriteBytes(folder.Data("eng_clues.b"), FileImage({{"Feline", "CAT"}}));
    ASSERT_TRUE(store.Load(folder.Data("eng_clues.b")).Ok());
    EXPECT_TRUE(store.Save(folder.Data("eng_clues.b")).Ok());
}

}  // namespace
}  // namespace quillby
