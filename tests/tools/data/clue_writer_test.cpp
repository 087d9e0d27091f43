// These tests read the real Debian packages (wordnet-base, scowl) that the data build uses.
#include "data/clue_writer.h"

#include <gtest/gtest.h>

#include "data/gloss_text.h"
#include "data/leak_filter.h"
#include "data/word_list.h"

namespace quillby::data {

namespace {

struct Sources {
    WordNet wordNet;
    std::unordered_set<std::string> dictionary;
};

const Sources& Loaded()
{
    static const Sources sources = [] {
        auto wordNet = WordNet::Load("/usr/share/wordnet");
        auto dictionary = ReadDictionary(
            ScowlFiles("/usr/share/dict/scowl", {"english-words", "american-words"}, 70));
        EXPECT_TRUE(wordNet.Ok() && dictionary.Ok());
        return Sources{std::move(wordNet.Value()), std::move(dictionary.Value())};
    }();
    return sources;
}

bool HasReading(const std::vector<Reading>& readings, std::string_view lemma, Inflection how)
{
    for (const Reading& reading : readings) {
        if (reading.lemma == lemma && reading.inflection == how) {
            return true;
        }
    }
    return false;
}

}  // namespace

TEST(Morphology, ReadsInflectionsOnlyWhereTheLemmaInflectsBack)
{
    const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    EXPECT_TRUE(HasReading(morphology.Analyse("hated"), "hate", Inflection::Past));
    EXPECT_FALSE(HasReading(morphology.Analyse("hated"), "hat", Inflection::Past));
    EXPECT_TRUE(HasReading(morphology.Analyse("ran"), "run", Inflection::Past));
    EXPECT_TRUE(HasReading(morphology.Analyse("running"), "run", Inflection::Gerund));
    EXPECT_TRUE(HasReading(morphology.Analyse("dogs"), "dog", Inflection::Plural));
    EXPECT_TRUE(HasReading(morphology.Analyse("bigger"), "big", Inflection::Comparative));
    EXPECT_TRUE(HasReading(morphology.Analyse("mice"), "mouse", Inflection::Plural));
    EXPECT_EQ(morphology.Inflect("make", Pos::Verb, Inflection::Past), "made");
    EXPECT_EQ(morphology.Inflect("domestic_dog", Pos::Noun, Inflection::Plural), "domestic dogs");
    EXPECT_EQ(morphology.Inflect("move", Pos::Verb, Inflection::Gerund), "moving");
}

TEST(InflectDefinition, InflectsTheHeadVerbsToMatchTheAnswer)
{
    const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    const WordNet& wordNet = Loaded().wordNet;
    EXPECT_EQ(
        InflectDefinition("move fast by using one's feet", Inflection::Past, wordNet, morphology),
        "Moved fast by using one's feet");
    EXPECT_EQ(InflectDefinition("make or cause to be", Inflection::Gerund, wordNet, morphology),
              "Making or causing to be");
    EXPECT_EQ(InflectDefinition("put into a place", Inflection::Past, wordNet, morphology),
              "Put into a place");
    EXPECT_EQ(InflectDefinition("cut or break", Inflection::ThirdPerson, wordNet, morphology),
              "Cuts or breaks");
    // A second verb phrase after a comma would keep its base form; "be" has no one past.
    EXPECT_EQ(
        InflectDefinition("consent to, give permission", Inflection::Past, wordNet, morphology),
        std::nullopt);
    EXPECT_EQ(InflectDefinition("be in motion", Inflection::Past, wordNet, morphology),
              std::nullopt);
}

TEST(CutDefinition, CutsAtNaturalBreaksOrGivesNothing)
{
    EXPECT_EQ(CutDefinition("a young dog; \"a puppy's bark\""), "Young dog");
    EXPECT_EQ(CutDefinition("(usually followed by `to') having the necessary means"),
              "Having the necessary means");
    EXPECT_EQ(CutDefinition("a hard sweet made of boiled sugar, often flavoured with fruit and "
                            "coloured brightly for children"),
              "Hard sweet made of boiled sugar");
    // A later "or" would leave a dangling list, so it is not a break.
    EXPECT_EQ(CutDefinition("freshwater or marine or land gastropod mollusk usually having an "
                            "external enclosing spiral shell"),
              std::nullopt);
    // Nor is an "or" that splits "he or she": the cut would end on the pronoun.
    EXPECT_EQ(CutDefinition("a defense by an accused person purporting to show that he or she "
                            "was elsewhere when the crime was committed"),
              std::nullopt);
    for (const char* text : {"one two three four five six seven eight nine ten eleven twelve"}) {
        const auto cut = CutDefinition(text);
        EXPECT_TRUE(!cut || cut->size() <= kClueLengthLimit);
    }
}

TEST(ClueWriter, WritesCluesThatMatchTheFormAndNeverLeak)
{
    const Sources& sources = Loaded();
    const Morphology morphology(sources.wordNet, sources.dictionary);
    const OffensiveWords offensive = OffensiveWords::Build(sources.wordNet, "bitch\n");
    const ClueWriter writer(sources.wordNet, morphology, offensive,
                            ParseClueTable("the\tDefinite article\nhis\tBelonging to him\n"),
                            sources.dictionary);
    for (const char* word : {"dog", "dogs", "running", "hated", "beefing", "retaking", "zither",
                             "bigger", "horse", "the"}) {
        const auto clues = writer.CluesFor(word);
        EXPECT_FALSE(clues.empty()) << word;
        EXPECT_LE(clues.size(), kMaxCluesPerWord);
        for (const std::string& clue : clues) {
            EXPECT_FALSE(ClueLeaks(word, clue)) << word << ": " << clue;
            EXPECT_FALSE(offensive.ClueUsesOffensive(clue)) << word << ": " << clue;
            EXPECT_EQ(clue.find('_'), std::string::npos) << clue;
            EXPECT_EQ(clue.find("(a)"), std::string::npos) << clue;
            EXPECT_TRUE(clue[0] < 'a' || clue[0] > 'z') << clue;
            EXPECT_LE(clue.size(), kClueLengthLimit);
        }
    }
    EXPECT_EQ(writer.CluesFor("the"), std::vector<std::string>{"Definite article"});
    // Hand-written clues replace what WordNet offers ("his" as the plural of "hi").
    EXPECT_EQ(writer.CluesFor("his"), std::vector<std::string>{"Belonging to him"});
    // A plural answer gets plural clues: every one ends in s here.
    for (const std::string& clue : writer.CluesFor("rodents")) {
        EXPECT_EQ(clue.back(), 's') << clue;
    }
}

TEST(OffensiveWords, KeepsListedWordsAndTheirInflectionsOut)
{
    const OffensiveWords offensive = OffensiveWords::FromList({"ass", "slur"});
    EXPECT_TRUE(offensive.IsOffensive("ass"));
    EXPECT_TRUE(offensive.IsOffensive("asses"));
    EXPECT_TRUE(offensive.IsOffensive("SLURS"));
    EXPECT_FALSE(offensive.IsOffensive("assess"));
    EXPECT_FALSE(offensive.IsOffensive("bass"));
    EXPECT_TRUE(offensive.ClueUsesOffensive("Silly ass"));
    EXPECT_FALSE(offensive.ClueUsesOffensive("Class assessment"));
}

TEST(OffensiveWords, TakesWordsWhoseEverySenseWordNetMarksOffensive)
{
    const OffensiveWords offensive = OffensiveWords::Build(Loaded().wordNet, "");
    EXPECT_GT(offensive.Size(), 0u);
    EXPECT_FALSE(offensive.IsOffensive("dog"));
    EXPECT_TRUE(EverySenseOffensive(Loaded().wordNet, "kike"));
    EXPECT_FALSE(EverySenseOffensive(Loaded().wordNet, "dog"));
}

}  // namespace quillby::data
