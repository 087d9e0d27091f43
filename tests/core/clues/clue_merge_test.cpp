#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/clues/clue_merge.h"
#include "core/common/byte_io.h"

namespace quillby {
namespace {

ClueStore StoreOf(const std::vector<ClueRecord>& records)
{
    ClueStore store;
    for (const ClueRecord& record : records) {
        EXPECT_TRUE(store.AddRecord(record));
    }
    return store;
}

// question -> (solved, rotation) for one word.
std::map<std::string, std::pair<int, int>> Turns(const ClueStore& store, const std::string& word)
{
    std::map<std::string, std::pair<int, int>> turns;
    for (const ClueRecord& record : store.Records()) {
        if (record.answer == word) {
            turns[record.question] = {record.solved, record.rotation};
        }
    }
    return turns;
}

// Every word's rotations hold 0..n-1 exactly once.
bool TurnsAreRotations(const ClueStore& store)
{
    std::map<std::string, std::vector<int>> byWord;
    for (const ClueRecord& record : store.Records()) {
        byWord[record.answer].push_back(record.rotation);
    }
    for (auto& [word, rotations] : byWord) {
        std::sort(rotations.begin(), rotations.end());
        for (std::size_t i = 0; i < rotations.size(); ++i) {
            if (rotations[i] != static_cast<int>(i)) {
                return false;
            }
        }
    }
    return true;
}

TEST(ClueMerge, KeepsThePlayersMarksAndTurnsForCluesStillShipped)
{
    // The player has retired "Feline" (now last) and answered "Pet" (now current). The new
    // data drops "Feline", keeps the others and adds "Mouser" and a new word.
    const ClueStore player = StoreOf({
        {"Feline", "CAT", 0, 0, 2},
        {"Pet", "CAT", 0, 1, 0},
        {"Tom, say", "CAT", 0, 0, 1},
        {"Hound", "DOG", 0, 1, 0},
    });
    const ClueStore shipped = StoreOf({
        {"Hound", "DOG", 7, 0, 0},
        {"Mouser", "CAT", 0, 0, 0},
        {"Pet", "CAT", 0, 0, 1},
        {"Tom, say", "CAT", 0, 0, 2},
        {"Bleat", "BAA", 0, 0, 0},
    });
    const ClueMerge merge = MergeClueStores(shipped, player);

    EXPECT_EQ(merge.carried, 3u);
    // The shipped store's records and order; extra as shipped.
    std::vector<std::string> questions;
    for (const ClueRecord& record : merge.store.Records()) {
        questions.push_back(record.question);
    }
    EXPECT_EQ(questions, (std::vector<std::string>{"Hound", "Mouser", "Pet", "Tom, say", "Bleat"}));
    EXPECT_EQ(merge.store.Records().front().extra, 7);
    // The player's current clue stays current; the carried ones keep their order; the new
    // clue waits behind them.
    EXPECT_EQ(Turns(merge.store, "CAT"),
              (std::map<std::string, std::pair<int, int>>{
                  {"Pet", {1, 0}}, {"Tom, say", {0, 1}}, {"Mouser", {0, 2}}}));
    EXPECT_EQ(Turns(merge.store, "DOG").at("Hound"), std::make_pair(1, 0));
    EXPECT_EQ(Turns(merge.store, "BAA").at("Bleat"), std::make_pair(0, 0));
    EXPECT_TRUE(TurnsAreRotations(merge.store));
}

TEST(ClueMerge, WhenTheCurrentClueIsDroppedTheNextInThePlayersTurnComesUp)
{
    const ClueStore player = StoreOf({
        {"A", "ORE", 0, 0, 2},
        {"B", "ORE", 0, 0, 0},
        {"C", "ORE", 0, 0, 1},
    });
    const ClueStore shipped = StoreOf({
        {"A", "ORE", 0, 0, 0},
        {"C", "ORE", 0, 0, 1},
        {"D", "ORE", 0, 0, 2},
    });
    const ClueMerge merge = MergeClueStores(shipped, player);
    EXPECT_EQ(merge.store.Find("ORE")->question, "C");
    EXPECT_EQ(Turns(merge.store, "ORE"), (std::map<std::string, std::pair<int, int>>{
                                             {"C", {0, 0}}, {"A", {0, 1}}, {"D", {0, 2}}}));
}

TEST(ClueMerge, TurnsStayARotationWhateverTheFilesHeld)
{
    // A player store whose turns are not 0..n-1 (a word retired while every clue held 0 goes
    // negative), a shipped one with every clue at 0, and a repeated clue.
    const ClueStore player = StoreOf({
        {"X", "EEL", 0, 1, -1},
        {"Y", "EEL", 0, 0, 2},
        {"Y", "EEL", 0, 1, -1},
    });
    const ClueStore shipped = StoreOf({
        {"Y", "EEL", 0, 0, 0},
        {"Z", "EEL", 0, 0, 0},
        {"Y", "EEL", 0, 0, 0},
        {"X", "EEL", 0, 0, 0},
    });
    ClueMerge merge = MergeClueStores(shipped, player);
    EXPECT_EQ(merge.carried, 3u);
    EXPECT_TRUE(TurnsAreRotations(merge.store));
    // Repeats pair up in store order: the first shipped "Y" takes the first player "Y".
    auto record = merge.store.Records().begin();
    EXPECT_EQ(record->solved, 0);
    EXPECT_EQ((++ ++record)->solved, 1);
    EXPECT_NE(merge.store.Find("EEL"), nullptr);

    // Play goes on: a retire and an advance keep it a rotation.
    ClueStore store = std::move(merge.store);
    ClueRecord* current = store.Find("EEL");
    const std::string first = current->question;
    store.Retire(*current);
    EXPECT_TRUE(TurnsAreRotations(store));
    store.Advance(*store.Find("EEL"));
    EXPECT_EQ(store.Find("EEL")->question, first);
    EXPECT_TRUE(TurnsAreRotations(store));
}

TEST(ClueMerge, MergingTwiceChangesNothingMore)
{
    const ClueStore shipped = StoreOf({
        {"Feline", "CAT", 0, 0, 0},
        {"Pet", "CAT", 0, 0, 1},
        {"Hound", "DOG", 0, 0, 0},
    });
    ClueStore player = StoreOf({
        {"Feline", "CAT", 0, 0, 0},
        {"Pet", "CAT", 0, 0, 1},
        {"Hound", "DOG", 0, 0, 0},
    });
    player.MarkSolved(*player.Find("DOG"));
    player.Retire(*player.Find("CAT"));
    const ClueMerge once = MergeClueStores(shipped, player);
    EXPECT_EQ(once.store.Serialize(), player.Serialize());
    const ClueMerge twice = MergeClueStores(shipped, once.store);
    EXPECT_EQ(twice.store.Serialize(), once.store.Serialize());
}

// Records a file held without a usable answer were dropped from the merge but still counted
// as carried, so a data update reported marks kept that were gone.
TEST(ClueMerge, RecordsWithoutAUsableAnswerAreNeitherKeptNorCounted)
{
    ClueStore player;
    ClueStore shipped;
    const std::vector<ClueRecord> records = {{"Pet", "CAT", 0, 1, 0}, {"Lost", "", 0, 1, 0}};
    // Written by hand: the store refuses such records, a file on disk need not.
    ByteWriter writer;
    writer.WriteI32Le(2);
    for (const ClueRecord& record : records) {
        writer.WriteI32Le(static_cast<std::int32_t>(record.question.size()));
        writer.WriteText(record.question);
        writer.WriteI32Le(static_cast<std::int32_t>(record.answer.size()));
        writer.WriteText(record.answer);
        writer.WriteI32Le(record.solved);
        writer.WriteI32Le(record.rotation);
        writer.WriteI32Le(record.extra);
    }
    const std::vector<std::byte> bytes = writer.Take();
    ASSERT_TRUE(shipped.Parse(bytes));
    ASSERT_TRUE(player.Parse(bytes));
    const ClueMerge merge = MergeClueStores(shipped, player);
    EXPECT_EQ(merge.store.Size(), 1u);
    EXPECT_EQ(merge.carried, 1u);
    EXPECT_EQ(merge.store.Find("CAT")->solved, 1);
}

}  // namespace
}  // namespace quillby
