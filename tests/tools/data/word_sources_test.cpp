#include <gtest/gtest.h>

#include <fstream>

#include "data/clue_writer.h"
#include "data/data_build.h"
#include "data/morphology.h"
#include "data/text_util.h"
#include "data/word_list.h"
#include "data/wordnet.h"
#include "support/temp_app_folder.h"

namespace quillby::data {

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

TEST(WordList, KeepsLowerCaseWordsOfThreeToElevenLettersOnly)
{
    testing::TempAppFolder folder;
    WriteText(folder.Path() + "/english-words.10",
              "cat\ncat's\nCanada\nabbé\nox\nextraordinary\nzebras\r\n");
    WriteText(folder.Path() + "/american-words.20", "zebras\ncolor\n");
    WriteText(folder.Path() + "/american-words.60", "zygote\n");
    const auto files = ScowlFiles(folder.Path(), {"english-words", "american-words"}, 50);
    ASSERT_EQ(files.size(), 2u);  // the level-60 list is above the size asked for
    auto words = ReadAnswerWords(files);
    ASSERT_TRUE(words.Ok()) << words.Error();
    EXPECT_EQ(words.Value(), (std::vector<std::string>{"cat", "color", "zebras"}));
    auto dictionary = ReadDictionary(files);
    ASSERT_TRUE(dictionary.Ok());
    EXPECT_EQ(dictionary->count("ox"), 1u);
    EXPECT_EQ(dictionary->count("extraordinary"), 1u);
    EXPECT_EQ(dictionary->count("Canada"), 0u);
    EXPECT_FALSE(ReadAnswerWords({folder.Path() + "/missing.10"}).Ok());
}

TEST(WordNet, ReadsSynsetsSensesCountsAndUsageMarks)
{
    // A miniature dictionary in WordNet's own file formats.
    testing::TempAppFolder folder;
    const std::string& dir = folder.Path();
    WriteText(dir + "/data.noun",
              "  1 licence header line\n"
              "00000100 05 n 02 dog 0 domestic_dog 0 001 @ 00000300 n 0000 | a member of the "
              "genus Canis; \"the dog barked\"\n"
              "00000200 18 n 01 cur 0 001 ;u 06717170 n 0000 | an inferior dog\n"
              "00000300 05 n 01 canine 0 000 | a mammal with teeth\n"
              "00000400 18 n 01 Dog 1 000 | a proper name\n");
    WriteText(dir + "/index.noun",
              "  1 licence header line\n"
              "dog n 2 1 @ 2 1 00000100 00000400\n"
              "cur n 1 1 ;u 1 0 00000200\n"
              "canine n 1 0 1 0 00000300\n");
    WriteText(dir + "/data.adj", "00000500 00 a 01 big(a) 0 000 | large\n");
    WriteText(dir + "/index.adj", "big a 1 0 1 0 00000500\n");
    for (const char* name :
         {"data.verb", "data.adv", "index.verb", "index.adv", "verb.exc", "adj.exc"}) {
        WriteText(dir + "/" + name, "");
    }
    WriteText(dir + "/noun.exc", "dogges dog\n");
    WriteText(dir + "/cntlist.rev", "dog%1:05:00:: 1 42\n");
    auto wordNet = WordNet::Load(dir);
    ASSERT_TRUE(wordNet.Ok()) << wordNet.Error();
    const auto& dog = wordNet->SensesOf("dog", Pos::Noun);
    ASSERT_EQ(dog.size(), 2u);
    EXPECT_EQ(dog[0].tagCount, 42);
    EXPECT_EQ(dog[0].synset->definition, "a member of the genus Canis");
    EXPECT_EQ(dog[0].synset->words[1].lemma, "domestic_dog");
    ASSERT_EQ(dog[0].synset->broader.size(), 1u);
    EXPECT_EQ(dog[0].synset->broader[0]->words[0].lemma, "canine");
    EXPECT_TRUE(wordNet->SensesOf("cur", Pos::Noun)[0].synset->offensive);
    EXPECT_FALSE(dog[0].synset->offensive);
    EXPECT_EQ(wordNet->SensesOf("big", Pos::Adjective)[0].synset->words[0].lemma, "big");
    EXPECT_EQ(wordNet->ExceptionLemmas("dogges", Pos::Noun), std::vector<std::string>{"dog"});
    EXPECT_FALSE(WordNet::Load(dir + "/nowhere").Ok());
}

TEST(RegularForms, FollowEnglishSpellingRules)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(RegularForms("hat", Inflection::Past), V{"hatted"});
    EXPECT_EQ(RegularForms("hate", Inflection::Past), V{"hated"});
    EXPECT_EQ(RegularForms("visit", Inflection::Past), (V{"visitted", "visited"}));
    EXPECT_EQ(RegularForms("carry", Inflection::Past), V{"carried"});
    EXPECT_EQ(RegularForms("panic", Inflection::Past), V{"panicked"});
    EXPECT_EQ(RegularForms("lie", Inflection::Gerund), V{"lying"});
    EXPECT_EQ(RegularForms("make", Inflection::Gerund), V{"making"});
    EXPECT_EQ(RegularForms("see", Inflection::Gerund), V{"seeing"});
    EXPECT_EQ(RegularForms("box", Inflection::Plural), V{"boxes"});
    EXPECT_EQ(RegularForms("city", Inflection::Plural), V{"cities"});
    EXPECT_EQ(RegularForms("fireman", Inflection::Plural), (V{"firemans", "firemen"}));
    EXPECT_EQ(RegularForms("big", Inflection::Comparative), V{"bigger"});
    EXPECT_EQ(RegularForms("happy", Inflection::Superlative), V{"happiest"});
}

TEST(TextUtil, SplitsLettersAndFindsWholeWords)
{
    EXPECT_EQ(LetterWords("Ten-pin bowling's"),
              (std::vector<std::string>{"ten", "pin", "bowling", "s"}));
    EXPECT_TRUE(ContainsWord("a vulgar term", "vulgar"));
    EXPECT_FALSE(ContainsWord("vulgarity", "vulgar"));
}

TEST(MakeClueStore, GivesEachWordsCluesTurnsFromZero)
{
    CluedWords clued;
    clued.words = {"CAT", "DOG"};
    clued.clues = {{"Feline"}, {"Canine", "Hound", "Pooch"}};
    const ClueStore store = MakeClueStore(clued);
    ASSERT_EQ(store.Size(), 4u);
    std::vector<int> rotations;
    for (const ClueRecord& record : store.Records()) {
        rotations.push_back(record.rotation);
        EXPECT_EQ(record.solved, 0);
        EXPECT_EQ(record.extra, 0);
    }
    EXPECT_EQ(rotations, (std::vector<int>{0, 0, 1, 2}));
    ASSERT_NE(store.Find("DOG"), nullptr);
    EXPECT_EQ(store.Find("DOG")->question, "Canine");
}

TEST(ParseClueTable, ReadsTabSeparatedLinesAndSkipsComments)
{
    const auto table = ParseClueTable("# comment\nTHE\tDefinite article\nthe\tA word\nbad line\n");
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table.at("the"), (std::vector<std::string>{"Definite article", "A word"}));
}

}  // namespace quillby::data
