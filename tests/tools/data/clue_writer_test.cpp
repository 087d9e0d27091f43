// These tests read the real Debian packages (wordnet-base, scowl) that the data build uses.
#include "data/clue_writer.h"

#include <gtest/gtest.h>

#include "data/clue_text.h"
#include "data/gloss_text.h"
#include "data/leak_filter.h"
#include "data/text_util.h"
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

// The writer over the loaded sources with no hand clues and nothing held offensive.
const ClueWriter& PlainWriter()
{
    static const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    static const OffensiveWords offensive = OffensiveWords::Build(Loaded().wordNet, "");
    static const ClueWriter writer(Loaded().wordNet, morphology, offensive, {},
                                   Loaded().dictionary);
    return writer;
}

bool Offers(std::string_view word, std::string_view clue)
{
    const auto clues = PlainWriter().CluesFor(word);
    return std::find(clues.begin(), clues.end(), clue) != clues.end();
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

namespace quillby::data {

TEST(Morphology, KeepsThePastAndTheParticipleApartAndAgreesWithItself)
{
    const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    // ATE was clued "Taken in solid food" and STOLE "Taken without the owner's consent".
    EXPECT_TRUE(HasReading(morphology.Analyse("ate"), "eat", Inflection::Past));
    EXPECT_FALSE(HasReading(morphology.Analyse("ate"), "eat", Inflection::Participle));
    EXPECT_TRUE(HasReading(morphology.Analyse("eaten"), "eat", Inflection::Participle));
    EXPECT_FALSE(HasReading(morphology.Analyse("eaten"), "eat", Inflection::Past));
    EXPECT_TRUE(HasReading(morphology.Analyse("stolen"), "steal", Inflection::Participle));
    EXPECT_TRUE(HasReading(morphology.Analyse("walked"), "walk", Inflection::Past));
    EXPECT_EQ(morphology.Inflect("take", Pos::Verb, Inflection::Past), "took");
    EXPECT_EQ(morphology.Inflect("take", Pos::Verb, Inflection::Participle), "taken");
    // DOS was clued "Engages in": the third person of "do" is "does".
    EXPECT_FALSE(HasReading(morphology.Analyse("dos"), "do", Inflection::ThirdPerson));
    EXPECT_TRUE(HasReading(morphology.Analyse("does"), "do", Inflection::ThirdPerson));
    EXPECT_EQ(InflectDefinition("pour liquor over and ignite", Inflection::ThirdPerson,
                                Loaded().wordNet, morphology),
              "Pours liquor over and ignites");
    EXPECT_EQ(
        InflectDefinition("take in solid food", Inflection::Past, Loaded().wordNet, morphology),
        "Took in solid food");
}

TEST(DefinitionVariants, CutsToShortWholePhrases)
{
    const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    auto texts = [&](std::string_view gloss, bool noun) {
        std::vector<std::string> out;
        for (const DefinitionVariant& v : DefinitionVariants(gloss, noun, &morphology)) {
            out.push_back(v.text);
        }
        return out;
    };
    auto has = [](const std::vector<std::string>& list, std::string_view text) {
        return std::find(list.begin(), list.end(), text) != list.end();
    };
    const auto stag = texts("adult male deer, especially an adult male red deer", true);
    EXPECT_TRUE(has(stag, "adult male deer"));
    EXPECT_FALSE(has(stag, "adult male deer, especially an adult male red deer"));
    auto verbTexts = [&](std::string_view gloss) {
        std::vector<std::string> out;
        for (const DefinitionVariant& v : DefinitionVariants(gloss, false, &morphology, true)) {
            out.push_back(v.text);
        }
        return out;
    };
    // A verb's definition may end on its particle; an adjective's not on "to".
    EXPECT_TRUE(has(verbTexts("to come or go into"), "go into"));
    EXPECT_TRUE(has(verbTexts("express gratitude or show appreciation to"), "express gratitude"));
    EXPECT_TRUE(has(verbTexts("form a queue, form a line, stand in line"), "stand in line"));
    EXPECT_FALSE(has(texts("of or relating to hearing or the ear", false), "relating to"));
    const auto auk =
        texts("black-and-white short-necked web-footed diving bird of northern seas", true);
    EXPECT_TRUE(has(auk, "diving bird"));
    EXPECT_TRUE(has(auk, "web-footed diving bird"));
    EXPECT_TRUE(has(texts("the 7th letter of the Greek alphabet", true), "Greek letter"));
    // BEATNIKS was clued "States youth subculture": no tail opens inside a name.
    const auto beats = texts("a United States youth subculture of the 1950s", true);
    EXPECT_FALSE(has(beats, "States youth subculture"));
    EXPECT_TRUE(has(beats, "youth subculture"));
    EXPECT_TRUE(has(texts("of or relating to hearing or the ear", false), "relating to hearing"));
    // A noun's definition ends on a noun: "field of cultivated" is no clue.
    EXPECT_FALSE(has(texts("a field of cultivated and mowed grass", true), "field of cultivated"));
    // A dash ended no clause: "creep up -- used" was a variant, and the cut before "especially"
    // trimmed the last token to nothing, which the check for a trailing comma then read at
    // position -1 (UndefinedBehaviorSanitizer stopped the data build).
    const auto ramp = verbTexts("creep up -- used especially of plants");
    EXPECT_FALSE(has(ramp, "creep up -- used"));
    const auto bench = texts("a long wooden seat -- used especially of plants", true);
    EXPECT_TRUE(has(bench, "long wooden seat"));
    EXPECT_FALSE(has(bench, "long wooden seat -- used"));
    // No list cut short, no phrase ending on an article's adjective.
    EXPECT_FALSE(
        has(texts("lasting, open, or operating through the whole night", false), "lasting, open"));
    EXPECT_FALSE(has(verbTexts("publicize in an exaggerated and often misleading manner"),
                     "publicize in an exaggerated"));
    // Readers found both as clues: SHRILL "Emitting a high-pitched", UPSCALE "Appropriate for
    // people".
    EXPECT_FALSE(has(texts("having or emitting a high-pitched and sharp tone or tones", false),
                     "emitting a high-pitched"));
    EXPECT_FALSE(
        has(texts("appropriate for people with good incomes", false), "appropriate for people"));
    EXPECT_TRUE(
        has(texts("a small wooden house with a thatched roof", true), "small wooden house"));
    EXPECT_TRUE(has(verbTexts("take a walk"), "take a walk"));
    EXPECT_TRUE(has(verbTexts("cut with or as if with scissors"), "cut with scissors"));
    EXPECT_FALSE(has(verbTexts("cut with or as if with scissors"), "cut with or as if"));
    EXPECT_FALSE(has(verbTexts("making or shaping as with an axe"), "making or shaping as"));
    EXPECT_FALSE(has(texts("a joint that holds two parts together so that one can swing", true),
                     "joint that holds two parts together so"));
    EXPECT_TRUE(has(texts("a usually soluble substance for staining or coloring", true),
                    "soluble substance"));
    // A comparison after a comma is no alternative ("Like a paddle" was SLAP's first clue), and
    // a verb after "or" opens a phrase of its own ("Place in express doubtful speculation").
    for (const std::string& text :
         verbTexts("hit with something flat, like a paddle or the open hand")) {
        EXPECT_FALSE(text.starts_with("like")) << text;
    }
    // A list that ends the gloss keeps its first word (TREAD was "Stomp roughly"), and a colour
    // is named by itself.
    EXPECT_TRUE(has(verbTexts("tread or stomp heavily or roughly"), "stomp heavily"));
    EXPECT_FALSE(has(verbTexts("tread or stomp heavily or roughly"), "stomp roughly"));
    EXPECT_TRUE(has(texts("of a golden brown to reddish brown color", false), "reddish brown"));
    const auto wonder = verbTexts("place in doubt or express doubtful speculation");
    EXPECT_FALSE(has(wonder, "place in express doubtful speculation"));
    EXPECT_TRUE(has(wonder, "place in doubt"));
    EXPECT_TRUE(has(wonder, "express doubtful speculation"));
    for (const auto& list : {stag, auk, ramp, bench}) {
        for (const std::string& text : list) {
            EXPECT_EQ(text, Trim(text)) << text;
            EXPECT_EQ(text.find("--"), std::string::npos) << text;
            EXPECT_NE(text.back(), ',') << text;
            EXPECT_EQ(text.find(" e.g."), std::string::npos) << text;
        }
    }
}

TEST(PluralDefinition, MakesTheHeadAndItsClauseAgree)
{
    const Morphology morphology(Loaded().wordNet, Loaded().dictionary);
    const WordNet& wordNet = Loaded().wordNet;
    EXPECT_EQ(PluralDefinition("appliance that removes moisture", wordNet, morphology),
              "appliances that remove moisture");
    EXPECT_EQ(PluralDefinition("young owl", wordNet, morphology), "young owls");
    EXPECT_EQ(PluralDefinition("person who acts", wordNet, morphology), "people who act");
    EXPECT_EQ(SingularDefinition("evergreen trees of the genus Abies", wordNet, morphology),
              "evergreen tree of the genus Abies");
    EXPECT_EQ(SingularDefinition("two performers", wordNet, morphology), "two performers");
}

TEST(ClueWriter, PutsTheBestClueFirstAndNeverABareBroaderTerm)
{
    const ClueWriter& writer = PlainWriter();
    for (const char* word : {"stag", "ire", "lawyer", "baritones", "tea", "new", "dryers", "ski",
                             "gifts", "ticks", "opals"}) {
        const WordClues clues = writer.Write(word);
        EXPECT_FALSE(clues.clues.empty()) << word;
        for (std::size_t i = 0; i < clues.clues.size(); ++i) {
            const ScoredClue& clue = clues.clues[i];
            EXPECT_FALSE(Lower(clue.text).starts_with("kind of")) << word << ": " << clue.text;
            EXPECT_LE(SplitSpaces(clue.text).size(), 8u) << word << ": " << clue.text;
            EXPECT_NE(clue.text.back(), ',') << word << ": " << clue.text;
            if (i > 0) {
                EXPECT_LE(clue.score, clues.clues[i - 1].score) << word;
                EXPECT_GE(clue.score, kKeptClue) << word << ": " << clue.text;
            }
        }
    }
    // The leaks and wrong forms are gone.
    for (const std::string& clue : writer.CluesFor("lawyer")) {
        EXPECT_EQ(Lower(clue).find("law "), std::string::npos) << clue;
    }
    for (const std::string& clue : writer.CluesFor("ate")) {
        EXPECT_FALSE(clue.starts_with("Taken")) << clue;
    }
    EXPECT_EQ(writer.CluesFor("new").front(), "Not old");
    EXPECT_EQ(writer.CluesFor("baritones").front(), "Male singers");
    // A phrase is clued through its lemma, and no clue holds its words.
    const auto iceCream = writer.CluesFor("ice cream");
    ASSERT_FALSE(iceCream.empty());
    for (const std::string& clue : iceCream) {
        EXPECT_EQ(Lower(clue).find("cream"), std::string::npos) << clue;
        EXPECT_EQ(Lower(clue).find("ice"), std::string::npos) << clue;
    }
}

TEST(ClueWriter, ReadsRarePluralsAndKeepsBreakfastWordsOut)
{
    const Sources& sources = Loaded();
    const Morphology morphology(sources.wordNet, sources.dictionary);
    const OffensiveWords offensive = OffensiveWords::Build(sources.wordNet, "pee\npotty\n");
    const ClueWriter writer(sources.wordNet, morphology, offensive, {}, sources.dictionary);
    EXPECT_TRUE(writer.Write("okras").rareForm);
    EXPECT_FALSE(writer.Write("apples").rareForm);
    // A verb's -ing form made a plural noun is rare unless WordNet's text uses that plural.
    EXPECT_TRUE(writer.Write("yieldings").rareForm);
    EXPECT_TRUE(writer.Write("worryings").rareForm);
    EXPECT_FALSE(writer.Write("buildings").rareForm);
    EXPECT_FALSE(writer.Write("feelings").rareForm);
    EXPECT_TRUE(writer.CluesFor("pee").empty());
    EXPECT_TRUE(writer.CluesFor("peed").empty());
    EXPECT_TRUE(writer.CluesFor("potty").empty());
}

}  // namespace quillby::data

TEST(ClueWriter, GradesLongAdjectivesWithMoreAndCutsNoDefinitionToABroadHead)
{
    const ClueWriter& writer = PlainWriter();
    // "Recentest", "Painfuller", "Thorougher" were clues, and AWFULLER an answer.
    EXPECT_FALSE(Offers("latest", "Recentest"));
    EXPECT_FALSE(Offers("carefuller", "Thorougher"));
    EXPECT_FALSE(Offers("sorer", "Painfuller"));
    EXPECT_TRUE(writer.Write("awfuller").rareForm);
    EXPECT_TRUE(writer.Write("carefullest").rareForm);
    EXPECT_TRUE(writer.Write("eagerer").rareForm);
    EXPECT_FALSE(writer.Write("bigger").rareForm);
    EXPECT_FALSE(writer.Write("happier").rareForm);
    EXPECT_FALSE(writer.Write("simpler").rareForm);
    // A cut that leaves a noun of many senses defines nothing: AMPS "Basic units",
    // EPISODE "Brief section".
    for (const char* word : {"amps", "episode"}) {
        const auto clues = writer.CluesFor(word);
        ASSERT_FALSE(clues.empty()) << word;
        EXPECT_NE(clues.front(), "Basic units");
        EXPECT_NE(clues.front(), "Brief section");
    }
}

TEST(ClueWriter, LeadsWithAPuzzleClueRatherThanADictionaryFragment)
{
    const ClueWriter& writer = PlainWriter();
    // A synonym that is a form of the answer's own lemma, and a participle graded with "more".
    EXPECT_FALSE(Offers("mare", "Maria"));
    EXPECT_FALSE(Offers("freer", "More escaped"));
    // Openings that say nothing go: "general term for", "important".
    for (const char* word : {"lager", "haddock"}) {
        for (const std::string& clue : writer.CluesFor(word)) {
            EXPECT_EQ(Lower(clue).find("general term"), std::string::npos) << word << ": " << clue;
            EXPECT_FALSE(clue.starts_with("Important")) << word << ": " << clue;
        }
    }
    // A first clue does not stop on a bare preposition when a whole one exists.
    for (const char* word : {"rids", "zoned", "adapting"}) {
        const auto clues = writer.CluesFor(word);
        ASSERT_FALSE(clues.empty()) << word;
        const std::vector<std::string> words = LetterWords(clues.front());
        for (const char* end : {"from", "in", "for", "into"}) {
            EXPECT_NE(words.back(), end) << word << ": " << clues.front();
        }
    }
    // "Din" is a noun in nearly all its tagged uses: BOOM, the verb, led with it.
    const auto boom = writer.CluesFor("boom");
    ASSERT_FALSE(boom.empty());
    EXPECT_NE(boom.front(), "Din");
    // A cut inside a relative clause or on a bare "to", and a noun gloss that opens on a verb's
    // -ing form, were first clues.
    for (const auto& [word, bad] : std::vector<std::pair<const char*, const char*>>{
             {"blues", "Parties whose uniform"},
             {"bridge", "Structure that allows people"},
             {"boil", "Bring to"},
             {"spar", "Making the motion of attack"}}) {
        const auto clues = writer.CluesFor(word);
        EXPECT_TRUE(clues.empty() || clues.front() != bad) << word;
    }
    // "Wrap in" (of "wrap in swaddling clothes") is no clue to lean on.
    EXPECT_LT(writer.Write("swaddle").Best(), kGoodClue);
    // A count cut from what it counts defines nothing: DUO "Two items", SEMIS "Two competitions".
    EXPECT_FALSE(Offers("duo", "Two items"));
    const auto semis = writer.CluesFor("semis");
    EXPECT_TRUE(semis.empty() || semis.front() != "Two competitions");
    // "Superlative of 'little'" speaks about the word, not its meaning.
    for (const std::string& clue : writer.CluesFor("least")) {
        EXPECT_FALSE(clue.starts_with("Superlative")) << clue;
    }
}

}  // namespace quillby::data
