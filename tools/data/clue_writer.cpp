#include "data/clue_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "data/clue_text.h"
#include "data/gloss_text.h"
#include "data/leak_filter.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

// Senses looked at, most familiar first, and how much each one's clues count after the first.
constexpr double kSenseWeights[] = {1.0, 0.85, 0.72, 0.62, 0.55, 0.5};
constexpr std::size_t kCluesPerSense = 2;
// Past a familiarity gap of kFreeGap below the first sense, a sense's clues lose kGapCost a
// point, down to kLeastGapFactor.
constexpr double kFreeGap = 2.0;
constexpr double kGapCost = 0.08;
constexpr double kLeastGapFactor = 0.55;
// A noun with this many senses says little on its own.
constexpr std::size_t kBroadNounSenses = 8;

// Definitions that speak about a word's use rather than its meaning.
constexpr std::string_view kUsageOpenings[] = {"extended meaning",
                                               "used ",
                                               "a word ",
                                               "(used",
                                               "the letter",
                                               "a letter",
                                               "the name of",
                                               "informal abbreviation",
                                               "abbreviation",
                                               "a shortened form",
                                               "short for",
                                               "kind of",
                                               "a kind of",
                                               "kinds of",
                                               "type of",
                                               "a type of",
                                               "sort of",
                                               "a sort of",
                                               "a form of address",
                                               "an informal form of address",
                                               "superlative of",
                                               "comparative of",
                                               "the superlative of",
                                               "the comparative of"};

// Numbers that open a gloss of a set: "two items of the same kind".
constexpr std::string_view kCounts[] = {"two", "three", "four", "five", "six", "pair", "both"};

// Where a short cut leaves a verb without its object: "Bring to", "Wrap in".
constexpr std::string_view kBarePrepositions[] = {"to", "at",  "in",   "on", "into", "from",
                                                  "of", "for", "with", "by", "about"};

// Words that open a relative clause.
constexpr std::string_view kRelatives[] = {"that", "which", "who", "whom", "whose", "where"};

// Vowel groups, a final silent "e" left out: "pain-ful" 2, "sore" 1.
int Syllables(std::string_view word)
{
    int count = 0;
    bool inVowels = false;
    for (char c : word) {
        const bool vowel = std::string_view("aeiouy").find(c) != std::string_view::npos;
        count += vowel && !inVowels ? 1 : 0;
        inVowels = vowel;
    }
    if (word.size() > 2 && word.back() == 'e' && word[word.size() - 2] != 'l' && count > 1) {
        --count;
    }
    return count;
}

// English grades long adjectives with "more" and "most": "More painful", never "Painfuller".
// Only one syllable, or two ending as "happy", "narrow" and "gentle" do, take
// "-er" and "-est".
bool GradedWithMore(std::string_view adjective)
{
    const int syllables = Syllables(adjective);
    if (adjective.find(' ') != std::string_view::npos || syllables <= 1) {
        return false;
    }
    const bool shortEnding =
        adjective.ends_with("y") || adjective.ends_with("ow") || adjective.ends_with("le");
    return syllables > 2 || !shortEnding;
}

// The sense is a proper noun's when the synset writes this lemma with a capital ("Bill").
bool ProperSense(const Synset& synset, std::string_view lemma)
{
    for (const SynsetWord& word : synset.words) {
        if (Lower(word.lemma) == lemma) {
            return HasCapital(word.lemma);
        }
    }
    return false;
}

// Senses about sex or the body's functions are left out: fine in a dictionary, unwelcome at
// the breakfast table (ACCOST, CHASE).
constexpr std::string_view kDelicateWords[] = {
    "sex",        "sexual",      "sexually",     "genital", "genitals", "breast",       "breasts",
    "prostitute", "prostitutes", "intercourse",  "erotic",  "copulate", "copulation",   "orgasm",
    "penis",      "vagina",      "buttocks",     "anus",    "urinate",  "defecate",     "excrement",
    "feces",      "faeces",      "urine",        "lewd",    "obscene",  "masturbation", "urination",
    "defecation", "semen",       "testicles",    "testis",  "rectum",   "menstruation", "bowel",
    "bowels",     "pornography", "pornographic", "brothel"};

bool Delicate(std::string_view definition)
{
    for (const std::string& word : LetterWords(definition)) {
        if (std::find(std::begin(kDelicateWords), std::end(kDelicateWords), word) !=
            std::end(kDelicateWords)) {
            return true;
        }
    }
    return false;
}

// Share of a synset's other single words that players know well.
double CommonShare(const Synset& synset, std::string_view self, const Familiarity& familiarity)
{
    int words = 0;
    int common = 0;
    for (const SynsetWord& word : synset.words) {
        const std::string lemma = Lower(word.lemma);
        if (IsLowerAlpha(lemma) && lemma != self) {
            ++words;
            const int level = familiarity.LevelOf(lemma);
            common += level > 0 && level <= 35 ? 1 : 0;
        }
    }
    return words == 0 ? 0.0 : static_cast<double>(common) / words;
}

}  // namespace

std::map<std::string, std::vector<std::string>> ParseClueTable(std::string_view text)
{
    std::map<std::string, std::vector<std::string>> table;
    std::istringstream lines{std::string(text)};
    std::string line;
    while (std::getline(lines, line)) {
        const auto tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string::npos) {
            continue;
        }
        table[Lower(Trim(line.substr(0, tab)))].emplace_back(Trim(line.substr(tab + 1)));
    }
    return table;
}

std::vector<std::string> WordClues::Texts() const
{
    std::vector<std::string> texts;
    for (const ScoredClue& clue : clues) {
        texts.push_back(clue.text);
    }
    return texts;
}

ClueWriter::ClueWriter(const WordNet& wordNet, const Morphology& morphology,
                       const OffensiveWords& offensive,
                       std::map<std::string, std::vector<std::string>> handClues,
                       const std::unordered_set<std::string>& commonWords, const WordLevels* levels)
    : wordNet(wordNet),
      morphology(morphology),
      offensive(offensive),
      handClues(std::move(handClues)),
      commonWords(commonWords),
      familiarity(levels, commonWords),
      leakCheck(wordNet, morphology)
{
}

double ClueWriter::SenseFamiliarity(const Sense& sense, std::string_view lemma) const
{
    const Synset& synset = *sense.synset;
    double familiar = 2.0 * std::log2(1.0 + sense.tagCount) - 0.5 * sense.rank +
                      (sense.wordIndex == 0 ? 1.0 : 0.0) +
                      0.6 * CommonShare(synset, lemma, familiarity);
    // "The flesh of a cod" is the kitchen's sense of the fish, not a solver's.
    if (synset.definition.find("flesh of") != std::string::npos) {
        familiar -= 1.0;
    }
    const std::string field = FieldOf(synset);
    if (!field.empty() && !EverydayField(field)) {
        familiar -= 2.0;  // nautical, baseball, chemistry, botany...
    }
    if (!synset.Linked(LinkKind::Region).empty()) {
        familiar -= 1.0;
    }
    // Slang and colloquial senses (SHTICK as "a little", PEARLY as a tooth) are seldom the
    // ones a solver reaches for.
    if (!synset.Linked(LinkKind::Usage).empty() ||
        synset.definition.find("informal term") != std::string::npos) {
        familiar -= 1.5;
    }
    return familiar;
}

bool ClueWriter::RareForm(const Reading& reading) const
{
    // "Awfuller", "carefullest": English grades these with "more" and "most".
    if (reading.inflection == Inflection::Comparative ||
        reading.inflection == Inflection::Superlative) {
        return GradedWithMore(reading.lemma);
    }
    if (reading.inflection != Inflection::Plural) {
        return false;
    }
    const auto plural = morphology.Inflect(reading.lemma, Pos::Noun, Inflection::Plural);
    // A noun English seldom makes plural: its plural never occurs in WordNet's own text while
    // its singular does (hay, okra, advice).
    // A noun made from a verb's -ing form (YIELDINGS, WORRYINGS) is plural only where
    // English has made a thing of it (buildings, feelings), which WordNet's text then shows.
    const int singularUses = reading.lemma.ends_with("ing") ? 3 : wordNet.GlossCount(reading.lemma);
    return plural && wordNet.GlossCount(*plural) == 0 && singularUses >= 3;
}

std::vector<ClueWriter::RankedSense> ClueWriter::RankedSenses(std::string_view word,
                                                              bool& offensiveOnly) const
{
    std::vector<RankedSense> senses;
    bool anyClean = false;
    bool anySense = false;
    const std::vector<Reading> readings = morphology.Analyse(word);
    // The part of speech with more senses is the word's main one: "cod" is a fish (three noun
    // senses) before it is "collect" (one adjective sense).
    double allSenses = 0;
    for (const Reading& reading : readings) {
        allSenses += static_cast<double>(wordNet.SensesOf(reading.lemma, reading.pos).size());
    }
    for (const Reading& reading : readings) {
        const bool rareForm = RareForm(reading);
        const double posShare =
            static_cast<double>(wordNet.SensesOf(reading.lemma, reading.pos).size()) /
            std::max(1.0, allSenses);
        for (const Sense& sense : wordNet.SensesOf(reading.lemma, reading.pos)) {
            anySense = true;
            if (sense.synset->offensive) {
                continue;
            }
            anyClean = true;
            if (sense.synset->marginal || ProperSense(*sense.synset, reading.lemma) ||
                Delicate(sense.synset->definition)) {
                continue;
            }
            senses.push_back({sense.synset, reading, sense.wordIndex,
                              SenseFamiliarity(sense, reading.lemma) + posShare, rareForm});
        }
    }
    offensiveOnly = anySense && !anyClean;
    std::stable_sort(senses.begin(), senses.end(), [](const RankedSense& a, const RankedSense& b) {
        return a.familiarity > b.familiarity;
    });
    return senses;
}

std::optional<std::string> ClueWriter::AdaptDefinition(const std::string& text,
                                                       const Reading& reading) const
{
    switch (reading.inflection) {
        case Inflection::None:
            if (reading.pos == Pos::Noun) {
                return SingularDefinition(text, wordNet, morphology);
            }
            return text;
        case Inflection::Plural:
            return PluralDefinition(text, wordNet, morphology);
        case Inflection::ThirdPerson:
        case Inflection::Past:
        case Inflection::Participle:
        case Inflection::Gerund:
            return InflectDefinition(text, reading.inflection, wordNet, morphology);
        case Inflection::Comparative:
        case Inflection::Superlative:
            break;
    }
    return std::nullopt;
}

std::vector<ScoredClue> ClueWriter::DefinitionClues(const RankedSense& sense) const
{
    const MarkedGloss gloss = SplitDomainMarker(sense.synset->definition);
    for (std::string_view opening : kUsageOpenings) {
        if (gloss.rest.substr(0, opening.size()) == opening) {
            return {};
        }
    }
    std::vector<ScoredClue> clues;
    const bool noun = sense.reading.pos == Pos::Noun;
    const bool verb = sense.reading.pos == Pos::Verb;
    const bool adverb = sense.reading.pos == Pos::Adverb;
    for (const DefinitionVariant& variant :
         DefinitionVariants(gloss.rest, noun, &morphology, verb, adverb)) {
        if (const auto text = AdaptDefinition(variant.text, sense.reading)) {
            double quality = DefinitionQuality(*text, variant.cuts, variant.orList, familiarity);
            if (noun && variant.cuts > 0 && BroadHead(*text)) {
                quality *= 0.8;
            }
            const std::vector<std::string> words = LetterWords(*text);
            // "Two items of the same kind" cut to "Two items": a count defines nothing once
            // what it counts is cut away (DUO, SEMIS).
            if (noun && variant.cuts > 0 && !words.empty() &&
                std::find(std::begin(kCounts), std::end(kCounts), words.front()) !=
                    std::end(kCounts)) {
                quality *= 0.6;
            }
            // A cut inside a relative clause leaves it without its verb or object ("Parties
            // whose uniform", "Structure that allows people"), one on a bare preposition leaves
            // the verb without its object ("Bring to", SWADDLE "Wrap in").
            if (variant.cuts > 0 && !words.empty()) {
                for (std::size_t i = 0; i < words.size(); ++i) {
                    if (std::find(std::begin(kRelatives), std::end(kRelatives), words[i]) !=
                            std::end(kRelatives) &&
                        words.size() - i <= 3) {
                        quality = 0.0;
                        break;
                    }
                }
                if (words.size() <= 3 &&
                    std::find(std::begin(kBarePrepositions), std::end(kBarePrepositions),
                              words.back()) != std::end(kBarePrepositions)) {
                    quality *= 0.6;
                }
            }
            // "Making the motions of attack" reads as a verb: SPAR, the verb, led with it.
            if (noun && sense.reading.inflection == Inflection::None && words.size() > 1 &&
                words.front().ends_with("ing") && words.front().size() > 5 &&
                morphology.UseIn(words.front(), Pos::Verb) >
                    morphology.UseIn(words.front(), Pos::Noun)) {
                quality *= 0.6;
            }
            // "Plant widely cultivated for their showy flowers": a gloss of a group made
            // singular keeps its plural pronoun and reads wrong.
            if (noun && sense.reading.inflection == Inflection::None &&
                std::find(words.begin(), words.end(), "their") != words.end()) {
                quality *= 0.75;
            }
            clues.push_back({Capitalised(*text), quality, ClueKind::Definition});
        }
    }
    return clues;
}

bool ClueWriter::BroadHead(const std::string& text) const
{
    // A noun of many senses ("line", "unit", "section") with a modifier or two defines
    // nothing once what followed it is cut: RADII "Straight lines", AMPS "Basic units".
    const std::vector<std::string> tokens = Tokens(text);
    const std::size_t boundary = HeadBoundary(tokens, &morphology);
    if (tokens.size() > 3 || boundary != tokens.size()) {
        return false;
    }
    const std::vector<std::string> head = LetterWords(tokens.back());
    if (head.empty()) {
        return false;
    }
    std::size_t senses = wordNet.SensesOf(head.back(), Pos::Noun).size();
    for (const Reading& reading : morphology.Analyse(head.back())) {
        if (reading.inflection == Inflection::Plural) {
            senses = std::max(senses, wordNet.SensesOf(reading.lemma, Pos::Noun).size());
        }
    }
    return senses >= kBroadNounSenses;
}

std::vector<ScoredClue> ClueWriter::SynonymClues(const RankedSense& sense) const
{
    std::vector<ScoredClue> clues;
    const Reading& reading = sense.reading;
    std::vector<std::pair<const SynsetWord*, const Synset*>> synonyms;
    for (const SynsetWord& synonym : sense.synset->words) {
        synonyms.emplace_back(&synonym, sense.synset);
    }
    // A head adjective's satellites are near-synonyms: "delicious" for TASTY.
    if (sense.synset->pos == Pos::Adjective && !sense.synset->satellite) {
        for (const Synset* satellite : sense.synset->Linked(LinkKind::Similar)) {
            for (const SynsetWord& synonym : satellite->words) {
                synonyms.emplace_back(&synonym, satellite);
            }
        }
    }
    for (const auto& [synonym, synset] : synonyms) {
        const std::string plain = PlainLemma(synonym->lemma);
        // "p.a." and "no." are abbreviations, not synonyms a clue can stand on.
        if (plain == reading.lemma || HasCapital(synonym->lemma) || WordCount(plain) > 3 ||
            plain.size() < 3 || plain.find('.') != std::string::npos) {
            continue;
        }
        // "Maria" for MARE: a synonym spelt as the answer's lemma starts is a form or a
        // relative of it (WordNet lists some plurals as synonyms), the answer again.
        const std::vector<Reading> forms = morphology.Analyse(plain);
        if (std::any_of(forms.begin(), forms.end(),
                        [&](const Reading& form) { return form.lemma == reading.lemma; }) ||
            (reading.lemma.size() >= 3 && plain.starts_with(reading.lemma.substr(0, 3)))) {
            continue;
        }
        // "Wintrier": a degree of an adjective reads stiffly as a clue of its own.
        const bool degree = reading.inflection == Inflection::Comparative ||
                            reading.inflection == Inflection::Superlative;
        // "More escaped" for FREER: a participle takes no degree.
        if (degree && (plain.ends_with("ed") || plain.ends_with("ing"))) {
            continue;
        }
        auto form = morphology.Inflect(synonym->lemma, reading.pos, reading.inflection);
        if (degree && GradedWithMore(plain)) {
            form = (reading.inflection == Inflection::Comparative ? "more " : "most ") + plain;
        }
        if (form && Common(*form)) {
            // A satellite is a near-synonym at best, often a loose one.
            const double near = synset == sense.synset ? 1.0 : 0.78;
            const double quality =
                SynonymQuality(plain, *synset, wordNet, familiarity) * (degree ? 0.85 : 1.0) * near;
            clues.push_back({Capitalised(*form), quality, ClueKind::Synonym});
        }
    }
    return clues;
}

std::vector<std::string> ClueWriter::CluesFor(std::string_view word) const
{
    return Write(word).Texts();
}

std::string ClueWriter::Entry(std::string_view entry)
{
    std::string word = Lower(entry);
    std::replace(word.begin(), word.end(), ' ', '_');
    return word;
}

std::function<std::string(const std::string&)> ClueWriter::Refusal(const std::string& word) const
{
    // The lemma's own words count as the answer too, so "ice cream" is never in its clue.
    std::vector<std::string> related = leakCheck.RelatedWords(word);
    for (const std::string& part : LetterWords(word)) {
        if (part.size() >= 3 && part != word) {
            related.push_back(part);
        }
    }
    return [this, word, related](const std::string& clue) -> std::string {
        if (clue.size() > kClueLengthLimit) {
            return "too long";
        }
        // A gloss quoting a word ("human `tooth'") talks about words, not the answer.
        if (clue.find('`') != std::string::npos || clue.find(" '") != std::string::npos ||
            clue.starts_with("'")) {
            return "quotes a word";
        }
        if (ClueLeaks(word, clue, related)) {
            return "leaks";
        }
        return offensive.ClueUsesOffensive(clue) ? "offensive word" : "";
    };
}

std::vector<ClueWriter::Offer> ClueWriter::Offers(const std::vector<RankedSense>& senses,
                                                  const std::string& word) const
{
    std::vector<Offer> offers;
    const std::string plainWord = LetterWords(word).size() == 1 ? word : std::string();
    for (std::size_t i = 0; i < senses.size() && i < std::size(kSenseWeights); ++i) {
        const RankedSense& sense = senses[i];
        // A sense far less familiar than the first counts less than its place alone says:
        // LAKES are bodies of water before they are red pigments.
        const double gap = senses.front().familiarity - sense.familiarity;
        const double weight =
            kSenseWeights[i] * std::clamp(1.0 - kGapCost * (gap - kFreeGap), kLeastGapFactor, 1.0);
        for (auto make : {&ClueWriter::DefinitionClues, &ClueWriter::SynonymClues,
                          &ClueWriter::AntonymClues, &ClueWriter::FieldClues}) {
            for (ScoredClue& clue : (this->*make)(sense)) {
                clue.score *= weight;
                offers.push_back({std::move(clue), i});
            }
        }
        for (ScoredClue& clue : BlankClues(sense, plainWord)) {
            clue.score *= weight;
            offers.push_back({std::move(clue), i});
        }
    }
    std::stable_sort(offers.begin(), offers.end(),
                     [](const Offer& a, const Offer& b) { return a.clue.score > b.clue.score; });
    return offers;
}

// Why a scored offer is not taken, given the clues taken so far ("" when it is taken).
std::string ClueWriter::Selection::Skip(
    const Offer& offer, const std::function<std::string(const std::string&)>& refusal)
{
    const bool seen = std::any_of(taken.begin(), taken.end(), [&](const ScoredClue& c) {
        return Lower(c.text) == Lower(offer.clue.text);
    });
    if (taken.size() >= kMaxCluesPerWord) {
        return "enough clues";
    }
    if (seen) {
        return "same text";
    }
    if (offer.clue.score <= 0.0 || (!taken.empty() && offer.clue.score < kKeptClue)) {
        return "weak";
    }
    // Two ways of saying one definition would read as the same clue twice.
    if (perSense[offer.sense] >= kCluesPerSense ||
        (offer.clue.kind == ClueKind::Definition && defined[offer.sense])) {
        return "sense has its clues";
    }
    std::string refused = refusal(offer.clue.text);
    if (refused.empty()) {
        perSense[offer.sense] += 1;
        defined[offer.sense] = defined[offer.sense] || offer.clue.kind == ClueKind::Definition;
        taken.push_back(offer.clue);
    }
    return refused;
}

WordClues ClueWriter::Write(std::string_view entry) const
{
    const std::string word = Entry(entry);
    WordClues result;
    if (offensive.IsOffensive(word)) {
        return result;
    }
    const auto refusal = Refusal(word);
    bool offensiveOnly = false;
    const std::vector<RankedSense> senses = RankedSenses(word, offensiveOnly);
    if (offensiveOnly) {
        return result;
    }
    // A word with hand-written clues gets those alone: they were written for the word as
    // players know it, where WordNet may know it only as a form of another ("his", plural of
    // "hi").
    const auto hand = handClues.find(word);
    if (hand != handClues.end()) {
        for (const std::string& clue : hand->second) {
            if (result.clues.size() < kMaxCluesPerWord && refusal(clue).empty()) {
                result.clues.push_back({clue, 1.0, ClueKind::Hand});
            }
        }
        return result;
    }
    Selection selection;
    bool allRareForm = true;
    for (const Offer& offer : Offers(senses, word)) {
        if (selection.Skip(offer, refusal).empty()) {
            allRareForm = allRareForm && senses[offer.sense].rareForm;
        }
    }
    result.clues = std::move(selection.taken);
    result.rareForm = !result.clues.empty() && allRareForm;
    return result;
}

std::string ClueWriter::Explain(std::string_view entry) const
{
    const std::string word = Entry(entry);
    std::string text = Upper(word) + "\n";
    char line[96];
    bool offensiveOnly = false;
    const std::vector<RankedSense> senses = RankedSenses(word, offensiveOnly);
    for (std::size_t i = 0; i < senses.size(); ++i) {
        std::snprintf(line, sizeof line, "  sense %zu  familiarity %.2f%s  ", i,
                      senses[i].familiarity, senses[i].rareForm ? "  rare form" : "");
        text += line + senses[i].reading.lemma + ": " + senses[i].synset->definition + "\n";
    }
    const auto refusal = Refusal(word);
    Selection selection;
    for (const Offer& offer : Offers(senses, word)) {
        const std::string skipped = selection.Skip(offer, refusal);
        std::snprintf(line, sizeof line, "  %5.3f  sense %zu  %-6s", offer.clue.score, offer.sense,
                      skipped.empty() ? "TAKEN" : "");
        text += line + offer.clue.text + (skipped.empty() ? "" : "   (" + skipped + ")") + "\n";
    }
    return text;
}

}  // namespace quillby::data
