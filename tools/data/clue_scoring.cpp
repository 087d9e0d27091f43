#include "data/clue_scoring.h"

#include <algorithm>
#include <cmath>

#include "data/clue_text.h"
#include "data/gloss_text.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

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
                                              "set",
                                              "flesh",
                                              "meat",
                                              "stuff",
                                              "general name",
                                              "name",
                                              "way",
                                              "manner",
                                              "means",
                                              "method",
                                              "number",
                                              "kind",
                                              "variety",
                                              "member"};

// Fields a general audience meets every day; every other field is a specialist's.
constexpr std::string_view kEverydayFields[] = {"sport",
                                                "golf",
                                                "tennis",
                                                "football",
                                                "soccer",
                                                "basketball",
                                                "boxing",
                                                "cooking",
                                                "cookery",
                                                "music",
                                                "art",
                                                "card game",
                                                "chess",
                                                "photography",
                                                "theater",
                                                "theatre",
                                                "dance",
                                                "dancing",
                                                "fashion",
                                                "informal",
                                                "games",
                                                "game",
                                                "skiing",
                                                "swimming",
                                                "gardening",
                                                "horseback riding",
                                                "riding",
                                                "racing",
                                                "bowling",
                                                "bridge",
                                                "poker",
                                                "hockey",
                                                "ice hockey",
                                                "skating",
                                                "motion picture",
                                                "film",
                                                "television",
                                                "broadcasting",
                                                "radio",
                                                "painting",
                                                "literature",
                                                "poetry"};

// Openings that say little: the rest of the definition must carry it.
constexpr std::string_view kVagueOpenings[] = {
    "something",      "someone",          "somebody",    "anything",       "act of",
    "the act of",     "state of",         "quality of",  "condition of",   "process of",
    "one of",         "a member of",      "member of",   "any of",         "either of",
    "property of",    "the state of",     "instance of", "an instance of", "the process of",
    "the quality of", "the condition of", "having"};

// A definition that stops on one of these leaves its object to guess: "Relieves from",
// "Engaged in". "To" is milder: "Pay close attention to" reads whole.
constexpr std::string_view kDanglingEnds[] = {
    "from",   "into",    "in",      "against", "of",      "with",  "for",
    "on",     "at",      "by",      "about",   "upon",    "onto",  "over",
    "toward", "towards", "through", "across",  "between", "among", "under"};

// Modifiers that narrow nothing a solver can use: "Important food fish", "Several countries".
constexpr std::string_view kEmptyModifiers[] = {"important", "various", "several",   "certain",
                                                "numerous",  "some",    "particular"};

bool StartsWith(std::string_view text, std::string_view head)
{
    return text.size() >= head.size() && Lower(text.substr(0, head.size())) == head;
}

// "units" -> "unit", "qualities" -> "quality": enough to match the vague classes' plurals.
std::string SimpleSingular(const std::string& word)
{
    if (word.size() > 4 && word.ends_with("ies")) {
        return word.substr(0, word.size() - 3) + "y";
    }
    if (word.size() > 3 && word.ends_with("s") && !word.ends_with("ss")) {
        return word.substr(0, word.size() - 1);
    }
    return word;
}

// By words, a hyphenated word counting a half more for each part ("short-necked" 1.5).
double LengthFactor(const std::vector<std::string>& tokens)
{
    double words = 0;
    for (const std::string& token : tokens) {
        words += 1.0 + 0.5 * static_cast<double>(std::count(token.begin(), token.end(), '-'));
    }
    // Two to five words read best; a solver skims past a gloss of seven.
    static constexpr double kByWords[] = {0.0, 0.85, 1.0, 1.0,  0.97, 0.92, 0.82,
                                          0.7, 0.6,  0.5, 0.42, 0.36, 0.3};
    const auto whole = static_cast<std::size_t>(words);
    if (whole + 1 >= std::size(kByWords)) {
        return 0.0;
    }
    const double part = words - static_cast<double>(whole);
    return kByWords[whole] * (1 - part) + kByWords[whole + 1] * part;
}

}  // namespace

int Familiarity::LevelOf(std::string_view word) const
{
    const std::string lower = Lower(word);
    if (levels != nullptr) {
        const auto found = levels->find(lower);
        return found == levels->end() ? 0 : found->second;
    }
    return known.count(lower) != 0 ? 35 : 0;
}

double Familiarity::WordFactor(std::string_view word) const
{
    const int level = LevelOf(word);
    if (level == 0) {
        return 0.0;
    }
    return level <= 20 ? 1.0 : level <= 35 ? 0.95 : level <= 40 ? 0.85 : level <= 50 ? 0.75 : 0.6;
}

double DefinitionQuality(std::string_view text, int cuts, bool orList,
                         const Familiarity& familiarity)
{
    const std::vector<std::string> tokens = Tokens(text);
    double quality = 0.95 * LengthFactor(tokens);
    for (const std::string& token : tokens) {
        if (!token.empty() && token[0] >= 'A' && token[0] <= 'Z' && &token != &tokens.front()) {
            quality *= 0.97;  // a name: fine in a clue, but it narrows who can solve it
            continue;
        }
        for (const std::string& word : LetterWords(token)) {
            if (word == "genus" || word == "genera" || word == "family" || word == "order") {
                return 0.0;  // a taxonomist's definition
            }
            if (word.size() < 3) {
                continue;
            }
            double factor = familiarity.WordFactor(word);
            // A plain compound reads as its parts: "snakelike", "seabird".
            if (factor == 0.0 && word.size() > 6 && word.substr(word.size() - 4) == "like") {
                factor = familiarity.WordFactor(word.substr(0, word.size() - 4));
            }
            quality *= factor == 0.0 ? 0.55 : std::min(1.0, factor + 0.1);
        }
    }
    const std::vector<std::string> words = LetterWords(text);
    if (!words.empty()) {
        const std::string& last = words.back();
        if (std::find(std::begin(kDanglingEnds), std::end(kDanglingEnds), last) !=
            std::end(kDanglingEnds)) {
            quality *= 0.8;
        } else if (last == "to") {
            quality *= 0.9;
        }
    }
    for (const std::string& word : words) {
        if (std::find(std::begin(kEmptyModifiers), std::end(kEmptyModifiers), word) !=
            std::end(kEmptyModifiers)) {
            quality *= 0.85;
        }
    }
    // "Examination consisting of a few short questions": a dictionary's way of defining.
    if (Lower(text).find(" consisting of ") != std::string::npos) {
        quality *= 0.85;
    }
    for (std::string_view opening : kVagueOpenings) {
        if (StartsWith(text, opening) &&
            (text.size() == opening.size() || text[opening.size()] == ' ')) {
            quality *= 0.8;
            break;
        }
    }
    // A phrase whose head is a vague class ("small piece", "part of an organism") narrows too
    // little to define, the less the shorter it is.
    const std::size_t boundary = HeadBoundary(tokens);
    const std::vector<std::string> head =
        boundary == 0 ? std::vector<std::string>{} : LetterWords(tokens[boundary - 1]);
    if (!head.empty() && VagueClass(SimpleSingular(head.back()))) {
        quality *= tokens.size() <= 3 ? 0.65 : 0.75;
    }
    quality *= std::pow(0.92, cuts);
    return orList ? quality * 0.75 : quality;
}

double SynonymQuality(std::string_view synonym, const Synset& synset, const WordNet& wordNet,
                      const Familiarity& familiarity)
{
    const std::vector<std::string> words = LetterWords(synonym);
    double quality = words.size() == 1 ? 0.95 : words.size() == 2 ? 0.85 : 0.7;
    for (const std::string& word : words) {
        // A synonym is the whole clue: a word at the edge of the vocabulary ("viva", "sear")
        // makes a second puzzle of it.
        const double factor = familiarity.WordFactor(word);
        quality *= factor <= 0.75 ? factor * 0.8 : factor;
    }
    // How much this sense is the synonym's own: its rank and share of tagged uses.
    const std::string lemma = Lower(synonym);
    int rank = -1;
    int tags = 0;
    int total = 0;
    for (const Sense& sense : wordNet.SensesOf(lemma, synset.pos)) {
        total += sense.tagCount;
        if (sense.synset == &synset) {
            rank = sense.rank;
            tags = sense.tagCount;
        }
    }
    // "Yen" is a noun before it is a verb: as a verb's synonym it misleads. So is "din", whose
    // senses split evenly but whose tagged uses are nearly all the noun's (BOOM "Din").
    const std::size_t senses = wordNet.SensesOf(lemma, synset.pos).size();
    for (Pos pos : kAllPos) {
        if (pos == synset.pos) {
            continue;
        }
        int otherTags = 0;
        for (const Sense& sense : wordNet.SensesOf(lemma, pos)) {
            otherTags += sense.tagCount;
        }
        if (wordNet.SensesOf(lemma, pos).size() > senses ||
            (otherTags >= 5 && otherTags > 3 * total)) {
            quality *= 0.7;
            break;
        }
    }
    if (rank == 0) {
        return quality;
    }
    if (total > 0 && tags * 4 >= total) {
        return quality * 0.9;
    }
    return quality * (rank == 1 ? 0.75 : rank >= 0 && rank <= 3 ? 0.6 : 0.45);
}

bool EverydayField(std::string_view field)
{
    return std::find(std::begin(kEverydayFields), std::end(kEverydayFields), field) !=
           std::end(kEverydayFields);
}

std::string FieldOf(const Synset& synset)
{
    for (const Synset* topic : synset.Linked(LinkKind::Topic)) {
        if (!topic->words.empty()) {
            return PlainLemma(topic->words.front().lemma);
        }
    }
    return SplitDomainMarker(synset.definition).domain;
}

bool VagueClass(std::string_view plainLemma)
{
    return std::find(std::begin(kVagueClasses), std::end(kVagueClasses), plainLemma) !=
           std::end(kVagueClasses);
}

}  // namespace quillby::data
