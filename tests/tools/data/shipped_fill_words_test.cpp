// Reads the fill word list and the clue file the build shipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"
#include "data/text_util.h"

namespace quillby {
namespace {

struct Shipped {
    FillWordList list;
    ClueStore clues;
};

const Shipped& Loaded()
{
    static const Shipped shipped = [] {
        Shipped loaded;
        const std::string data = std::string(QUILLBY_SHIPPED_DIR) + "/data/";
        auto list = ReadFillWords(data + "eng_fill_words");
        EXPECT_TRUE(list.Ok()) << list.Error();
        if (list) {
            loaded.list = std::move(list.Value());
        }
        EXPECT_TRUE(loaded.clues.Load(data + "eng_clues.b").Ok());
        return loaded;
    }();
    return shipped;
}

int FamiliarityOf(const std::string& text)
{
    const auto& words = Loaded().list.words;
    const auto found = std::lower_bound(
        words.begin(), words.end(), text,
        [](const FillWord& word, const std::string& key) { return word.text < key; });
    return found != words.end() && found->text == text ? found->familiarity : -1;
}

TEST(ShippedFillWords, EveryLengthIsWellStockedAndEveryEntryHasAClue)
{
    std::map<std::size_t, int> byLength;
    for (const FillWord& word : Loaded().list.words) {
        byLength[word.text.size()] += 1;
        const ClueRecord* clue = Loaded().clues.Find(word.text);
        ASSERT_NE(clue, nullptr) << word.text;
        EXPECT_EQ(clue->solved, 0) << word.text;
    }
    // The word graph's floors, and enough long entries for 13 x 13 and 15 x 15 grids.
    EXPECT_GE(byLength[3], 500);
    EXPECT_GE(byLength[4], 2000);
    for (std::size_t length = 5; length <= 9; ++length) {
        EXPECT_GE(byLength[length], 4000) << length;
    }
    EXPECT_GE(byLength[12], 1500);
    EXPECT_GE(byLength[13], 800);
    EXPECT_GE(byLength[14], 400);
    EXPECT_GE(byLength[15], 200);
}

TEST(ShippedFillWords, PhrasesAreCluedWithoutTheirOwnWords)
{
    // Phrases entered as one answer, and a long word.
    for (const char* phrase : {"PRIMEMINISTER", "SUBJECTMATTER", "FORTHETIMEBEING", "ICECREAM",
                               "BYANDLARGE", "DETERMINATION"}) {
        EXPECT_GE(FamiliarityOf(phrase), 0) << phrase;
    }
    for (const auto& [answer, parts] :
         std::map<std::string, std::vector<std::string>>{{"PRIMEMINISTER", {"prime", "minister"}},
                                                         {"ICECREAM", {"ice", "cream"}},
                                                         {"BYANDLARGE", {"large"}}}) {
        int seen = 0;
        for (const ClueRecord& record : Loaded().clues.Records()) {
            if (record.answer != answer) {
                continue;
            }
            ++seen;
            for (const std::string& part : parts) {
                EXPECT_FALSE(data::ContainsWord(data::Lower(record.question), part))
                    << answer << ": " << record.question;
            }
        }
        EXPECT_GT(seen, 0) << answer;
    }
    // Half a phrase, a biologist's name and a word of the graph standing as a phrase are not.
    EXPECT_EQ(FamiliarityOf("OUTOF"), -1);
    EXPECT_EQ(FamiliarityOf("ORCHIDFAMILY"), -1);
    // A reader took EATON for a name; it was "eat on", clued as "eat at". Rare phrases stay out.
    EXPECT_EQ(FamiliarityOf("EATON"), -1);
    EXPECT_EQ(FamiliarityOf("BEDUE"), -1);
}

TEST(ShippedFillWords, EverydayWordsAreMoreFamiliarThanRareOnes)
{
    EXPECT_GE(FamiliarityOf("WATER"), 90);
    EXPECT_GE(FamiliarityOf("PRIMEMINISTER"), 70);
    EXPECT_LT(FamiliarityOf("OLEO"), 40);
    EXPECT_LT(FamiliarityOf("ZINCSULFIDE"), FamiliarityOf("ICECREAM"));
    EXPECT_LT(FamiliarityOf("STY"), FamiliarityOf("ATE"));
    // Most of the list is words players know.
    const auto familiar = std::count_if(Loaded().list.words.begin(), Loaded().list.words.end(),
                                        [](const FillWord& w) { return w.familiarity >= 50; });
    EXPECT_GE(familiar * 2, static_cast<long>(Loaded().list.words.size()));
}

}  // namespace
}  // namespace quillby
