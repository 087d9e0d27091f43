#include "data/clue_text.h"

#include <algorithm>
#include <cctype>
#include <regex>

#include "data/clue_words.h"
#include "data/gloss_text.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

// Where a definition stops defining and starts giving examples or hedging.
constexpr std::string_view kAsideMarkers[] = {
    ", especially", " especially ", ", esp.",      ", e.g.",     " e.g.",       ", such as",
    " such as ",    ", usually",    " usually ",   ", often",    " often ",     ", typically",
    " typically ",  ", etc",        " etc.",       ", i.e.",     ", as in ",    " as in ",
    ", as ",        ", sometimes",  " sometimes ", ", normally", ", generally", ", mostly",
    ", chiefly",    ", mainly",     ", commonly"};

// Words after which a phrase is left hanging.
constexpr std::string_view kDanglingWords[] = {
    "a",     "an",   "the", "and",        "or",      "of",    "to",    "in",   "with",  "for",
    "by",    "from", "on",  "at",         "as",      "that",  "which", "who",  "whose", "its",
    "their", "his",  "her", "into",       "than",    "such",  "very",  "not",  "but",   "e",
    "g",     "he",   "she", "they",       "we",      "more",  "less",  "most", "being", "your",
    "one's", "some", "any", "especially", "usually", "often", "etc",   "is",   "are",   "be",
    "was",   "were", "has", "have",       "so",      "if"};

// Words that end a noun phrase's head: what follows qualifies it.
constexpr std::string_view kHeadBoundaries[] = {"of",
                                                "that",
                                                "which",
                                                "who",
                                                "whose",
                                                "with",
                                                "for",
                                                "in",
                                                "on",
                                                "at",
                                                "from",
                                                "by",
                                                "to",
                                                "used",
                                                "having",
                                                "made",
                                                "consisting",
                                                "containing",
                                                "where",
                                                "when",
                                                "as",
                                                "into",
                                                "like",
                                                "resembling",
                                                "esp",
                                                "usually",
                                                "especially",
                                                "typically",
                                                "designed",
                                                "worn",
                                                "found",
                                                "noted",
                                                "known",
                                                "characterized",
                                                "native",
                                                "growing",
                                                "living",
                                                "bearing",
                                                "shaped",
                                                "filled",
                                                "covered",
                                                "located",
                                                "situated",
                                                "held",
                                                "intended",
                                                "produced",
                                                "obtained",
                                                "derived",
                                                "formed",
                                                "raised",
                                                "kept",
                                                "grown",
                                                "cultivated",
                                                "widely",
                                                "prepared",
                                                "served",
                                                "valued",
                                                "prized",
                                                "suitable",
                                                "capable",
                                                "marked",
                                                "believed",
                                                "regarded",
                                                "considered",
                                                "often",
                                                "sometimes",
                                                "commonly",
                                                "chiefly",
                                                "mainly",
                                                "mostly",
                                                "occurring",
                                                "adopted",
                                                "characteristic",
                                                "consisting",
                                                "connecting",
                                                "containing",
                                                "including",
                                                "involving",
                                                "composed",
                                                "fitted",
                                                "attached",
                                                "belonging",
                                                "than",
                                                "under",
                                                "over",
                                                "between",
                                                "about",
                                                "around",
                                                "against",
                                                "during",
                                                "without",
                                                "within",
                                                "through",
                                                "upon",
                                                "after",
                                                "before"};

// Words that may stand before an "or" that joins two single words: "not elegant or graceful".
constexpr std::string_view kOrLeads[] = {"not",    "very",      "more",    "less", "most",
                                         "be",     "being",     "become",  "make", "of",
                                         "highly", "extremely", "slightly"};

// Words an "or" may join without offering alternatives of meaning.
constexpr std::string_view kQuantities[] = {"little", "more", "less", "one",  "two",   "three",
                                            "some",   "any",  "no",   "few",  "many",  "much",
                                            "all",    "none", "so",   "less", "fewer", "most"};

constexpr std::string_view kParticles[] = {"up",      "down",  "out",   "off",      "in",
                                           "on",      "over",  "away",  "back",     "around",
                                           "through", "about", "along", "together", "apart"};

constexpr std::string_view kPrepositions[] = {"of",   "in",    "on",    "at",    "from",  "by",
                                              "with", "for",   "to",    "into",  "as",    "than",
                                              "over", "under", "about", "after", "before"};

// Words that make a phrase no plain noun phrase: "narrative telling the adventures".
constexpr std::string_view kDeterminers[] = {"the",   "a",    "an",   "its",  "his", "her",
                                             "their", "this", "that", "your", "our", "one's"};

std::string TrimEnd(std::string text)
{
    while (!text.empty() &&
           std::string_view(",.;:- ").find(text.back()) != std::string_view::npos) {
        text.pop_back();
    }
    return text;
}

// A phrase ends whole unless it ends on an article, a conjunction, a relative word or a
// pronoun; nor on a preposition, but for a verb's ("go into"; not "relating to").
bool EndsWhole(const std::vector<std::string>& tokens, bool verb)
{
    if (tokens.empty() || tokens.back().back() == ',') {
        return false;
    }
    const std::string last = Plain(tokens.back());
    // "making or shaping as" is cut before what it is shaped as.
    return !In(kDanglingWords, last) || (verb && last != "as" && In(kPrepositions, last));
}

// The text before the earliest aside marker, when that leaves at least two words.
std::string CutAsides(std::string text, int& cuts)
{
    std::size_t earliest = std::string::npos;
    for (std::string_view marker : kAsideMarkers) {
        const auto at = text.find(marker);
        if (at != std::string::npos && at < earliest && Tokens(text.substr(0, at)).size() >= 2) {
            earliest = at;
        }
    }
    if (earliest == std::string::npos) {
        return text;
    }
    cuts += 1;
    std::vector<std::string> tokens = Tokens(TrimEnd(text.substr(0, earliest)));
    // "a piece of furniture with a writing surface and usually drawers": the cut leaves "and".
    while (tokens.size() > 2 && In(kDanglingWords, Plain(tokens.back()))) {
        tokens.pop_back();
    }
    return TrimEnd(JoinTokens(tokens));
}

// "a" before a vowel and "an" before a consonant, once an "or"-list has been reduced ("in an
// enduring or permanent manner" -> "in a permanent manner").
void FixArticles(std::vector<std::string>& tokens)
{
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const char next = tokens[i + 1].empty() ? 'x' : static_cast<char>(tokens[i + 1][0] | 0x20);
        if (tokens[i] == "a" && IsVowel(next)) {
            tokens[i] = "an";
        } else if (tokens[i] == "an" && !IsVowel(next) && next != 'h') {
            tokens[i] = "a";
        }
    }
}

// A word read mainly as a noun: "rule", "syllable", "dish"; not "cut".
bool MainlyNoun(const std::string& word, const Morphology& morphology)
{
    return morphology.MainPos(word) == Pos::Noun;
}

bool IsParticipleAfterNoun(const std::vector<std::string>& tokens, std::size_t i,
                           const Morphology* morphology)
{
    const std::string word = Plain(tokens[i]);
    if (morphology == nullptr || i == 0 || !IsLowerAlpha(word) || MainlyNoun(word, *morphology)) {
        return false;
    }
    const std::string before = Plain(tokens[i - 1]);
    bool participle = false;
    for (const Reading& reading : morphology->Analyse(word)) {
        participle = participle || reading.inflection == Inflection::Past ||
                     reading.inflection == Inflection::Participle ||
                     reading.inflection == Inflection::Gerund;
    }
    return participle && IsLowerAlpha(before) && MainlyNoun(before, *morphology);
}

}  // namespace

std::string Plain(std::string_view token)
{
    std::string word;
    for (char c : token) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-') {
            word.push_back(c);
        }
    }
    return Lower(word);
}

std::size_t HeadBoundary(const std::vector<std::string>& tokens, const Morphology* morphology)
{
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        // A participle after a noun starts what qualifies it too: "rule adopted by",
        // "syllable naming the note" ("diving bird" keeps its modifier: it comes first).
        if (In(kHeadBoundaries, Plain(tokens[i])) || tokens[i - 1].back() == ',' ||
            IsParticipleAfterNoun(tokens, i, morphology)) {
            return i;
        }
    }
    return tokens.size();
}

std::string DropArticle(std::string_view text)
{
    for (std::string_view article : {"a ", "an ", "the "}) {
        if (text.substr(0, article.size()) == article) {
            return std::string(text.substr(article.size()));
        }
    }
    return std::string(text);
}

std::vector<std::string> Tokens(std::string_view text)
{
    std::vector<std::string> tokens;
    for (std::string_view part : SplitSpaces(text)) {
        tokens.emplace_back(part);
    }
    return tokens;
}

std::string JoinTokens(const std::vector<std::string>& tokens)
{
    std::string out;
    for (const std::string& token : tokens) {
        out += (out.empty() ? "" : " ") + token;
    }
    return out;
}

namespace {

// Builds the variants of one definition, each a whole phrase.
class VariantMaker {
public:
    VariantMaker(const Morphology* morphology, bool noun, bool verb, bool adjective)
        : morphology(morphology), noun(noun), verb(verb), adjective(adjective)
    {
    }

    std::vector<DefinitionVariant> variants;

    // Adds tokens as a variant, unless it is empty, hangs on a dangling word or an adjective
    // with no noun after it, or is already there.
    void Add(std::vector<std::string> tokens, int cuts)
    {
        // A last token of punctuation alone ("creep up --") trims to nothing and goes.
        while (!tokens.empty() && TrimEnd(tokens.back()).empty()) {
            tokens.pop_back();
        }
        if (tokens.empty()) {
            return;
        }
        tokens.back() = TrimEnd(tokens.back());
        if (!std::isalpha(static_cast<unsigned char>(tokens.front()[0]))) {
            return;  // "-- perhaps worthy": what is left of a gloss that opened on an aside
        }
        // A noun's definition that opens with "of" or "in" is what is left of a gloss whose
        // subject was an aside: "(Vipera aspis) of southern Europe".
        if (!EndsWhole(tokens, verb) || EndsOnModifier(tokens) || OpenList(tokens) ||
            (noun && In(kPrepositions, Plain(tokens.front()))) ||
            (tokens.size() <= 3 && In(kPrepositions, Plain(tokens.front())))) {
            return;
        }
        FixArticles(tokens);
        std::string text = JoinTokens(tokens);
        for (const DefinitionVariant& variant : variants) {
            if (variant.text == text) {
                return;
            }
        }
        const bool orList = std::find(tokens.begin(), tokens.end(), "or") != tokens.end();
        variants.push_back({std::move(text), cuts, orList});
    }

    // The text, its "or"-list reduced, and each of those cut at its natural breaks.
    void AddAll(const std::vector<std::string>& tokens, int cuts)
    {
        std::vector<std::pair<std::vector<std::string>, int>> texts{{tokens, cuts}};
        for (auto& reduced : ReduceOr(tokens, cuts)) {
            texts.push_back(std::move(reduced));
        }
        for (const auto& [text, textCuts] : texts) {
            Add(text, textCuts);
            AddSegments(text, textCuts);
            AddCuts(text, textCuts);
            if (noun) {
                AddHeadPhrases(text, textCuts);
            }
        }
    }

private:
    // A list cut short: "lasting, open" of "lasting, open, or operating through the night".
    static bool OpenList(const std::vector<std::string>& tokens)
    {
        bool comma = false;
        for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
            comma = comma || (!tokens[i].empty() && tokens[i].back() == ',');
            if (comma && (tokens[i + 1] == "or" || tokens[i + 1] == "and")) {
                return false;
            }
        }
        return comma;
    }

    // A noun's definition ends on a noun ("field of cultivated" does not), a verb's not on an
    // adjective ("moves with abrupt").
    bool EndsOnModifier(const std::vector<std::string>& tokens) const
    {
        if (morphology == nullptr || tokens.size() < 2) {
            return false;
        }
        if (!noun) {
            // An adjective's definition may end on one; no other ("moves with abrupt", "in a
            // cold"). After an article only a noun ends a phrase: "publicize in an exaggerated".
            const std::string last = Plain(tokens.back());
            const std::string before = Plain(tokens[tokens.size() - 2]);
            if ((before == "a" || before == "an" || before == "the") && IsLowerAlpha(last) &&
                morphology->UseIn(last, Pos::Noun) == 0) {
                return true;
            }
            return !adjective && IsLowerAlpha(last) && morphology->MainPos(last) == Pos::Adjective;
        }
        const std::vector<std::string> last = LetterWords(tokens.back());
        if (last.empty()) {
            return true;
        }
        // "monetary unit equal", "person active": a word used more as an adjective.
        const int asNoun = morphology->UseIn(last.back(), Pos::Noun);
        return asNoun == 0 || asNoun < morphology->UseIn(last.back(), Pos::Adjective);
    }

    // The word's main part of speech as a number, -1 when unknown.
    int MainPosIndex(const std::string& word) const
    {
        const auto pos = morphology ? morphology->MainPos(word) : std::nullopt;
        return pos ? static_cast<int>(*pos) : -1;
    }

    bool SharePos(const std::string& a, const std::string& b) const
    {
        if (morphology == nullptr || !IsLowerAlpha(a) || !IsLowerAlpha(b)) {
            return false;
        }
        unsigned posOfA = 0;
        for (const Reading& reading : morphology->Analyse(a)) {
            posOfA |= 1u << static_cast<unsigned>(reading.pos);
        }
        for (const Reading& reading : morphology->Analyse(b)) {
            if ((posOfA & (1u << static_cast<unsigned>(reading.pos))) != 0) {
                return true;
            }
        }
        return false;
    }

    // One alternative of an "or"-list. Between two phrases of the definition's own kind, each
    // phrase ("express gratitude or show appreciation" -> both; "event of dying or departure
    // from life" -> both); between two words alike, the one nearer what follows, which is the
    // one that goes with it ("worry or cause anxiety" -> "cause anxiety", "red or yellow or
    // green skin" -> "green skin"); else a short second alternative is cut off ("fish eggs or
    // egg-filled ovary" -> "fish eggs").
    std::vector<std::pair<std::vector<std::string>, int>> ReduceOr(
        const std::vector<std::string>& tokens, int cuts) const
    {
        const auto found = std::find(tokens.begin(), tokens.end(), "or");
        if (found == tokens.end() || found == tokens.begin() || found + 1 == tokens.end()) {
            return {};
        }
        const std::size_t at = static_cast<std::size_t>(found - tokens.begin());
        const std::string before = Plain(tokens[at - 1]);
        const std::string after = Plain(tokens[at + 1]);
        // "more or less", "little or no", "one or more": the "or" joins no alternatives.
        if (In(kQuantities, before) || In(kQuantities, after) ||
            std::find(tokens.begin(), found, "either") != found || tokens[at - 1].back() == ',' ||
            tokens[at + 1].back() == ',') {
            return {};
        }
        const int lead = MainPosIndex(Plain(tokens[0]));
        const bool phrases =
            lead == static_cast<int>(Pos::Verb) || lead == static_cast<int>(Pos::Noun);
        if (at >= 2 && phrases && lead == MainPosIndex(after) && !In(kDanglingWords, after)) {
            // The second phrase stands alone only when the first began the definition.
            if (at > 3) {
                return {{{tokens.begin(), found}, cuts + 1}};
            }
            return {{{tokens.begin(), found}, cuts + 1}, {{found + 1, tokens.end()}, cuts + 1}};
        }
        // "place in doubt or express doubtful speculation": a verb after the "or" opens a
        // phrase of its own, no alternative to the preposition's object.
        if (at >= 2 && In(kPrepositions, Plain(tokens[at - 2])) &&
            MainPosIndex(after) == static_cast<int>(Pos::Verb)) {
            return {{{tokens.begin(), found}, cuts + 1}, {{found + 1, tokens.end()}, cuts + 1}};
        }
        // "mix up or confuse": the word before the "or" ends a phrase, not an alternative.
        const bool early = at == 1 || (at == 2 && In(kOrLeads, Plain(tokens[0])));
        if (!In(kOrLeads, after) && !In(kParticles, before) && !In(kDanglingWords, after) &&
            (SharePos(before, after) || (morphology == nullptr && early))) {
            // With nothing after the list the first alternative is the gloss's own word
            // ("stomp heavily or roughly" -> "stomp heavily"); else the one nearer what follows.
            std::vector<std::string> reduced(tokens.begin(), found - 1);
            if (found + 2 == tokens.end() && at >= 2) {
                reduced.push_back(tokens[at - 1]);
            } else {
                reduced.insert(reduced.end(), found + 1, tokens.end());
            }
            auto further = ReduceOr(reduced, cuts);
            return further.empty()
                       ? std::vector<std::pair<std::vector<std::string>, int>>{{reduced, cuts}}
                       : further;
        }
        if (at >= 2 && tokens.size() - at - 1 <= 3) {
            return {{{tokens.begin(), found}, cuts + 1}};
        }
        return {};
    }

    // Alternatives listed with commas each define on their own: "form a queue, form a line,
    // stand in line".
    void AddSegments(const std::vector<std::string>& tokens, int cuts)
    {
        // Each alternative opens like the first ("form a queue, form a line"); "have an end, in
        // a temporal, spatial..." lists no alternatives, nor does a comparison ("hit with
        // something flat, like a paddle").
        const int lead = MainPosIndex(Plain(tokens.front()));
        std::vector<std::string> segment;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            segment.push_back(tokens[i]);
            if (tokens[i].back() == ',' || i + 1 == tokens.size()) {
                const std::string opening = Plain(segment.front());
                if (segment.size() >= 2 && segment.size() < tokens.size() && lead >= 0 &&
                    MainPosIndex(opening) == lead && opening != "like" &&
                    !In(kPrepositions, opening)) {
                    Add(segment, cuts + 1);
                }
                segment.clear();
            }
        }
    }

    // The text up to where what defines gives way to what narrows it: a comma, a relative
    // clause, an "and" or a "with" ("building where travelers can pay for lodging and
    // meals"), a participle after a noun ("slice of meat cut from...").
    void AddCuts(const std::vector<std::string>& tokens, int cuts)
    {
        // Inside a relative clause or after a verb, a participle belongs to the clause ("date on
        // which a person was born"); inside "between" or "both", an "and" is needed ("between
        // the base and the surbase").
        bool clause = false;
        bool pair = false;
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            const std::string word = Plain(tokens[i]);
            const std::string before = Plain(tokens[i - 1]);
            clause = clause || In(kRelativeWords, before) ||
                     IsParticipleAfterNoun(tokens, i - 1, morphology);
            pair = pair || before == "between" || before == "both" || before == "either";
            // Inside a relative clause an "and" or a "with" is the clause's: "craftsman who
            // works with stone" is no "craftsman who works".
            // A "with" after an adjective or a verb carries the sense ("appropriate for people
            // with good incomes"), and an "and" after "a high-pitched" joins two modifiers of a
            // noun still to come: cut there, neither defines.
            const bool modifierPair = In(kDeterminers, Plain(tokens[i - 2])) &&
                                      MainPosIndex(before) != static_cast<int>(Pos::Noun);
            const bool join =
                !clause && ((word == "and" && !pair && !modifierPair) || (word == "with" && noun));
            const bool participle = !clause && IsParticipleAfterNoun(tokens, i, morphology);
            if (tokens[i - 1].back() == ',' || In(kRelativeWords, word) || (join && i >= 3) ||
                word == "used" || participle) {
                Add({tokens.begin(), tokens.begin() + static_cast<long>(i)}, cuts + 1);
            }
        }
    }

    static bool OpensCapital(const std::string& token)
    {
        return !token.empty() && token.front() >= 'A' && token.front() <= 'Z';
    }

    // A noun definition's head phrase up to what qualifies it ("deciduous tree of the genus
    // Quercus" -> "deciduous tree"), and its head with its last one or two modifiers
    // ("black-and-white short-necked web-footed diving bird" -> "web-footed diving bird",
    // "diving bird"): the way a setter narrows a broader term.
    void AddHeadPhrases(const std::vector<std::string>& tokens, int cuts)
    {
        const std::size_t boundary = HeadBoundary(tokens, morphology);
        if (boundary < 2) {
            return;
        }
        std::vector<std::string> phrase(tokens.begin(),
                                        tokens.begin() + static_cast<long>(boundary));
        // An adverb after the head belongs to what follows: "small tree extensively cultivated".
        while (phrase.size() > 2 && phrase.back().size() > 4 && phrase.back().ends_with("ly")) {
            phrase.pop_back();
        }
        for (const std::string& token : phrase) {
            if (In(kDeterminers, Plain(token)) || token.back() == ',' || token == "or" ||
                token == "and") {
                return;
            }
        }
        if (phrase.size() < tokens.size()) {
            Add(phrase, cuts + 1);
        }
        for (std::size_t keep : {std::size_t{3}, std::size_t{2}}) {
            // "excessive but superficial compliments": no tail that opens on "but"; "United
            // States youth subculture": none that opens inside a name.
            if (phrase.size() <= keep) {
                continue;
            }
            const std::size_t first = phrase.size() - keep;
            if (!In(kDanglingWords, Plain(phrase[first])) &&
                !(OpensCapital(phrase[first]) && OpensCapital(phrase[first - 1]))) {
                Add({phrase.end() - static_cast<long>(keep), phrase.end()},
                    cuts + (keep == 3 ? 1 : 2));
            }
        }
    }

    const Morphology* morphology;
    bool noun;
    bool verb;
    bool adjective;
};

}  // namespace

std::vector<DefinitionVariant> DefinitionVariants(std::string_view definition, bool noun,
                                                  const Morphology* morphology, bool verb,
                                                  bool adverb)
{
    // "cut with or as if with scissors" says "cut with scissors".
    static const std::regex kAsIf(R"(\b(\w+) or as if \1\b)");
    const std::string clean = std::regex_replace(WithoutAsides(definition), kAsIf, "$1");
    // The first clause ends at a semicolon, a colon or a dash ("creep up -- used of plants").
    std::string text(Trim(std::string_view(clean).substr(
        0, std::min({clean.find(';'), clean.find(':'), clean.find(" --")}))));
    text = TrimEnd(DropLeading(text));
    int cuts = 0;
    text = CutAsides(text, cuts);
    VariantMaker maker(morphology, noun, verb, !noun && !verb && !adverb);
    const std::vector<std::string> tokens = Tokens(text);
    if (tokens.empty() || text.find('"') != std::string::npos) {
        return {};
    }
    maker.AddAll(tokens, cuts);
    // "of a golden brown to reddish brown color" -> "reddish brown": the colour itself.
    static const std::regex kColour(
        R"(^of an? (?:[a-z-]+ )*?(?:to )?([a-z-]+ [a-z-]+|[a-z-]+) colou?r$)");
    std::smatch colour;
    if (!noun && !verb && std::regex_search(text, colour, kColour)) {
        maker.Add(Tokens(colour[1].str()), cuts + 1);
    }
    // "the 7th letter of the Greek alphabet" -> "Greek letter".
    static const std::regex kLetterOf(R"(^\w+ letters? of the (\w+) alphabet)");
    std::smatch letter;
    if (std::regex_search(text, letter, kLetterOf)) {
        maker.Add({Capitalised(letter[1].str()), "letter"}, cuts + 1);
    }
    // "a piece of furniture with a writing surface": the furniture is what it is.
    for (std::string_view container : {"piece of ", "item of ", "article of "}) {
        if (text.substr(0, container.size()) == container) {
            maker.AddAll(Tokens(text.substr(container.size())), cuts);
        }
    }
    return std::move(maker.variants);
}

}  // namespace quillby::data
