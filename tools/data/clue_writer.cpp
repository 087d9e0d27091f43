#include "data/clue_writer.h"

#include <algorithm>
#include <sstream>

#include "data/gloss_text.h"
#include "data/leak_filter.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

constexpr std::size_t kSensesWanted = 3;

// Classes too broad to say anything about a word: "Kind of activity" clues nothing.
constexpr std::string_view kVagueClasses[] = {"entity",
                                              "physical entity",
                                              "abstraction",
                                              "abstract entity",
                                              "object",
                                              "physical object",
                                              "thing",
                                              "whole",
                                              "unit",
                                              "matter",
                                              "substance",
                                              "act",
                                              "deed",
                                              "human action",
                                              "human activity",
                                              "activity",
                                              "action",
                                              "event",
                                              "state",
                                              "condition",
                                              "attribute",
                                              "quality",
                                              "property",
                                              "relation",
                                              "group",
                                              "grouping",
                                              "collection",
                                              "person",
                                              "individual",
                                              "someone",
                                              "somebody",
                                              "organism",
                                              "being",
                                              "artifact",
                                              "artefact",
                                              "communication",
                                              "process",
                                              "change",
                                              "psychological feature",
                                              "cognition",
                                              "content",
                                              "measure",
                                              "quantity",
                                              "amount",
                                              "location",
                                              "instrumentality",
                                              "instrumentation",
                                              "part",
                                              "portion",
                                              "piece",
                                              "form",
                                              "shape",
                                              "happening",
                                              "occurrence",
                                              "phenomenon",
                                              "idea",
                                              "concept",
                                              "feeling",
                                              "time",
                                              "point",
                                              "region",
                                              "area",
                                              "body",
                                              "structure",
                                              "device",
                                              "system",
                                              "people",
                                              "worker",
                                              "material",
                                              "kind",
                                              "sort",
                                              "type",
                                              "category",
                                              "term",
                                              "word",
                                              "name",
                                              "message",
                                              "statement",
                                              "change",
                                              "move",
                                              "make",
                                              "get",
                                              "be",
                                              "have",
                                              "do",
                                              "go",
                                              "take",
                                              "cause",
                                              "remove",
                                              "give",
                                              "use",
                                              "put",
                                              "set"};

// Definitions that speak about a word's use rather than its meaning.
constexpr std::string_view kUsageOpenings[] = {
    "extended meaning", "used ",   "a word ", "informal term", "term for", "(used",
    "the 1st",          "the 2nd", "the 3rd", "the letter",    "a letter", "the name of",
    "any of the "};

bool HasCapital(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
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

// Senses about sex or the body's functions come last: fine in a dictionary, unwelcome as the
// first clue of an everyday word (ACCOST, CHASE).
constexpr double kDelicatePenalty = 100000;
constexpr std::string_view kDelicateWords[] = {
    "sex",        "sexual",      "sexually",    "genital", "genitals", "breast",      "breasts",
    "prostitute", "prostitutes", "intercourse", "erotic",  "copulate", "copulation",  "orgasm",
    "penis",      "vagina",      "buttocks",    "anus",    "urinate",  "defecate",    "excrement",
    "feces",      "faeces",      "urine",       "lewd",    "obscene",  "masturbation"};

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

std::size_t WordCount(std::string_view text)
{
    return SplitSpaces(text).size();
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

std::vector<ClueWriter::ScoredSense> ClueWriter::RankedSenses(std::string_view word,
                                                              bool& offensiveOnly) const
{
    std::vector<ScoredSense> senses;
    bool anyClean = false;
    bool anySense = false;
    for (const Reading& reading : morphology.Analyse(word)) {
        for (const Sense& sense : wordNet.SensesOf(reading.lemma, reading.pos)) {
            anySense = true;
            if (sense.synset->offensive) {
                continue;
            }
            anyClean = true;
            if (sense.synset->marginal || ProperSense(*sense.synset, reading.lemma)) {
                continue;
            }
            // Tag counts rank senses across parts of speech; the rank breaks ties.
            double score = sense.tagCount + 1.0 / (2.0 + sense.rank);
            if (Delicate(sense.synset->definition)) {
                score -= kDelicatePenalty;  // still a clue, but after every other sense
            }
            senses.push_back({sense.synset, reading, score});
        }
    }
    offensiveOnly = anySense && !anyClean;
    std::stable_sort(senses.begin(), senses.end(),
                     [](const ScoredSense& a, const ScoredSense& b) { return a.score > b.score; });
    return senses;
}

std::vector<std::string> ClueWriter::DefinitionClues(const ScoredSense& sense) const
{
    const Inflection inflection = sense.reading.inflection;
    const bool verbForm = inflection == Inflection::ThirdPerson || inflection == Inflection::Past ||
                          inflection == Inflection::Gerund;
    if (inflection != Inflection::None && !verbForm) {
        return {};
    }
    std::string_view definition = sense.synset->definition;
    for (std::string_view article : {"a ", "an ", "the "}) {
        if (definition.substr(0, article.size()) == article) {
            definition.remove_prefix(article.size());
        }
    }
    for (std::string_view opening : kUsageOpenings) {
        if (definition.substr(0, opening.size()) == opening) {
            return {};
        }
    }
    auto cut = CutDefinition(definition);
    // A cut that ends on a modifier leaves half a phrase ("suspension of weakened").
    if (cut && cut != CutDefinition(definition, std::string::npos)) {
        const std::vector<std::string> words = LetterWords(*cut);
        const bool modifier = !words.empty() && (wordNet.HasLemma(words.back(), Pos::Adjective) ||
                                                 wordNet.HasLemma(words.back(), Pos::Adverb));
        if (modifier) {
            cut.reset();
        }
    }
    if (cut && verbForm) {
        cut = InflectDefinition(Lower(cut->substr(0, 1)) + cut->substr(1), inflection, wordNet,
                                morphology);
    }
    return cut ? std::vector<std::string>{*cut} : std::vector<std::string>{};
}

std::vector<std::string> ClueWriter::SynonymClues(const ScoredSense& sense) const
{
    std::vector<std::string> clues;
    for (const SynsetWord& synonym : sense.synset->words) {
        const std::string plain = PlainLemma(synonym.lemma);
        if (plain == sense.reading.lemma || HasCapital(synonym.lemma) || WordCount(plain) > 3 ||
            plain.size() < 3) {
            continue;
        }
        auto form = morphology.Inflect(synonym.lemma, sense.reading.pos, sense.reading.inflection);
        if (form && Common(*form)) {
            clues.push_back(Capitalised(*form));
        }
    }
    // Single words read best, then short phrases.
    std::stable_sort(clues.begin(), clues.end(), [](const std::string& a, const std::string& b) {
        return WordCount(a) < WordCount(b);
    });
    return clues;
}

std::vector<std::string> ClueWriter::BroaderClues(const ScoredSense& sense) const
{
    std::vector<std::string> clues;
    const Reading& reading = sense.reading;
    auto vague = [](const std::string& plain) {
        return std::find(std::begin(kVagueClasses), std::end(kVagueClasses), plain) !=
               std::end(kVagueClasses);
    };
    for (const Synset* broader : sense.synset->broader) {
        // A vague class is vague under any of its names ("person", "mortal", "soul").
        if (broader->words.empty() || vague(PlainLemma(broader->words.front().lemma))) {
            continue;
        }
        for (const SynsetWord& lemma : broader->words) {
            const std::string plain = PlainLemma(lemma.lemma);
            if (HasCapital(lemma.lemma) || WordCount(plain) > 2 ||
                std::find(std::begin(kVagueClasses), std::end(kVagueClasses), plain) !=
                    std::end(kVagueClasses)) {
                continue;
            }
            if (reading.pos == Pos::Noun && reading.inflection == Inflection::None) {
                if (Common(plain)) {
                    clues.push_back("Kind of " + plain);
                }
            } else {
                auto form = morphology.Inflect(lemma.lemma, reading.pos, reading.inflection);
                if (form && Common(*form)) {
                    clues.push_back(Capitalised(*form));
                }
            }
            break;
        }
    }
    return clues;
}

bool ClueWriter::Common(std::string_view phrase) const
{
    for (const std::string& word : LetterWords(phrase)) {
        if (commonWords.count(word) == 0) {
            return false;
        }
    }
    return true;
}

bool ClueWriter::Acceptable(std::string_view word, const Reading& reading,
                            std::string_view clue) const
{
    return clue.size() <= kClueLengthLimit && !ClueLeaks(word, clue, {reading.lemma}) &&
           !offensive.ClueUsesOffensive(clue);
}

std::vector<std::string> ClueWriter::CluesFor(std::string_view word) const
{
    if (offensive.IsOffensive(word)) {
        return {};
    }
    bool offensiveOnly = false;
    const std::vector<ScoredSense> senses = RankedSenses(word, offensiveOnly);
    std::vector<std::string> clues;
    auto add = [&](const Reading& reading, const std::string& clue) {
        const bool seen = std::any_of(clues.begin(), clues.end(), [&](const std::string& c) {
            return Lower(c) == Lower(clue);
        });
        if (!seen && clues.size() < kMaxCluesPerWord && Acceptable(word, reading, clue)) {
            clues.push_back(clue);
        }
    };
    // A word with hand-written clues gets those alone: they were written for the word as
    // players know it, where WordNet may know it only as a form of another ("his", plural of
    // "hi").
    const auto hand = handClues.find(std::string(word));
    if (hand != handClues.end() && !offensiveOnly) {
        for (const std::string& clue : hand->second) {
            add(Reading{std::string(word), Pos::Noun, Inflection::None}, clue);
        }
    } else if (!offensiveOnly) {
        // The commonest senses first: each gives its definition and its best synonym; further
        // synonyms of those senses fill the remaining turns.
        std::vector<std::string> spare;
        std::size_t used = 0;
        for (const ScoredSense& sense : senses) {
            if (used >= kSensesWanted && !clues.empty()) {
                break;
            }
            const std::size_t before = clues.size();
            for (const std::string& clue : DefinitionClues(sense)) {
                add(sense.reading, clue);
            }
            std::vector<std::string> synonyms = SynonymClues(sense);
            for (std::size_t i = 0; i < synonyms.size(); ++i) {
                if (i == 0) {
                    add(sense.reading, synonyms[i]);
                } else if (Acceptable(word, sense.reading, synonyms[i])) {
                    spare.push_back(synonyms[i]);
                }
            }
            if (clues.size() == before) {
                // A common sense with no usable definition or synonym is still worth a clue
                // by its class ("Kind of canine"), ahead of rarer senses.
                for (const std::string& clue : BroaderClues(sense)) {
                    add(sense.reading, clue);
                }
            }
            used += clues.size() > before ? 1 : 0;
        }
        for (const std::string& clue : spare) {
            add(Reading{std::string(word), Pos::Noun, Inflection::None}, clue);
        }
        // A word with few clues of its own may still be clued by what it is a kind of.
        for (std::size_t i = 0; i < senses.size() && i < kSensesWanted && clues.size() < 2; ++i) {
            for (const std::string& clue : BroaderClues(senses[i])) {
                add(senses[i].reading, clue);
            }
        }
    }
    return clues;
}

}  // namespace quillby::data
