#include "data/gloss_text.h"

#include <algorithm>
#include <vector>

#include "data/text_util.h"

namespace quillby::data {

namespace {

constexpr std::size_t kShortestCut = 15;
constexpr std::size_t kShortestOrCut = 25;

constexpr std::string_view kDanglingWords[] = {
    "a",       "an",    "the", "and",  "or",   "of",   "to",    "in",  "with",  "for",
    "by",      "from",  "on",  "at",   "as",   "that", "which", "who", "whose", "its",
    "their",   "his",   "her", "into", "than", "such", "very",  "not", "but",   "especially",
    "usually", "often", "e",   "g",    "he",   "she",  "they",  "we"};

bool EndsCleanly(std::string_view phrase)
{
    const std::vector<std::string> words = LetterWords(phrase);
    if (words.size() < 2) {
        return false;
    }
    return std::find(std::begin(kDanglingWords), std::end(kDanglingWords), words.back()) ==
           std::end(kDanglingWords);
}

std::string_view DropArticle(std::string_view text)
{
    for (std::string_view article : {"a ", "an ", "the "}) {
        if (text.substr(0, article.size()) == article) {
            return text.substr(article.size());
        }
    }
    return text;
}

int TagCountOf(const WordNet& wordNet, std::string_view lemma, Pos pos)
{
    int total = 0;
    for (const Sense& sense : wordNet.SensesOf(lemma, pos)) {
        total += sense.tagCount + 1;  // an untagged sense still counts for a little
    }
    return total;
}

// Adjective glosses open with a hedge of near-synonyms that reads badly in a clue.
constexpr std::pair<std::string_view, std::string_view> kOpenings[] = {
    {"of or relating to or characteristic of ", "relating to "},
    {"of, relating to, or characteristic of ", "relating to "},
    {"of or relating to or supporting ", "relating to "},
    {"of or relating to ", "relating to "},
    {"of or pertaining to ", "relating to "},
    {"pertaining to or characteristic of ", "relating to "},
    {"relating to or characteristic of ", "relating to "},
    {"relating to or characterized by ", "relating to "},
    {"of or relating or belonging to ", "belonging to "},
    {"of or belonging to ", "belonging to "},
    {"of or involving ", "involving "},
    {"pertaining to ", "relating to "},
    {"of or concerning ", "concerning "},
    // "any of various small insects": the writer makes the head agree with the answer.
    {"any of various ", ""},
    {"any of several ", ""},
    {"any of numerous ", ""},
    {"any of a number of ", ""},
    {"any of many ", ""},
    {"any of the ", ""},
    {"one of the ", ""},
    {"either of two ", ""},
    {"either of the two ", ""},
    {"either of ", ""},
    {"informal terms for ", ""},
    {"informal term for ", ""},
    {"an informal term for ", ""},
    {"a term for ", ""},
    {"term for ", ""},
    {"a general name for ", ""},
    {"general name for ", ""},
    {"a general term for ", ""},
    {"general term for ", ""},
    // "important food fish": a food fish is what it is.
    {"important ", ""},
    {"the shape of ", ""},
    {"shape of ", ""},
    {"mostly ", ""},
    {"chiefly ", ""},
    {"usually ", ""},
    {"typically ", ""},
    {"often ", ""},
    {"especially ", ""},
    // "any of various kinds of wheeled vehicles": the vehicles are what it is.
    {"kinds of ", ""},
    {"types of ", ""},
    {"sorts of ", ""},
    {"any ", ""}};

}  // namespace

std::string WithoutAsides(std::string_view text)
{
    std::string out;
    int depth = 0;
    for (char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            out.push_back(c == '`' ? '\'' : c);
        }
    }
    std::string collapsed;
    for (char c : out) {
        if (c == ' ' && (collapsed.empty() || collapsed.back() == ' ')) {
            continue;
        }
        if ((c == ',' || c == ';') && !collapsed.empty() && collapsed.back() == ' ') {
            collapsed.pop_back();
        }
        collapsed.push_back(c);
    }
    return std::string(Trim(collapsed));
}

std::string Capitalised(std::string_view text)
{
    std::string out(text);
    if (!out.empty() && out[0] >= 'a' && out[0] <= 'z') {
        out[0] = static_cast<char>(out[0] - 'a' + 'A');
    }
    return out;
}

std::optional<std::string> CutDefinition(std::string_view definition, std::size_t limit)
{
    const std::string clean = WithoutAsides(definition);
    std::string_view text =
        Trim(std::string_view(clean).substr(0, std::min(clean.find(';'), clean.find(':'))));
    text = DropArticle(text);
    while (!text.empty() && (text.back() == ',' || text.back() == ':' || text.back() == '.')) {
        text.remove_suffix(1);
    }
    if (text.size() > limit) {
        // Cut at a comma, or at the first "or" when what stays is a phrase of its own (a later
        // "or" tends to leave a dangling list: "freshwater or marine").
        std::size_t best = 0;
        const std::size_t firstOr = text.find(" or ");
        for (std::size_t at = 0; at < text.size() && at <= limit; ++at) {
            const bool comma = text[at] == ',' && at >= kShortestCut;
            const bool orWord = at == firstOr && at >= kShortestOrCut;
            if ((comma || orWord) && EndsCleanly(text.substr(0, at))) {
                best = at;
            }
        }
        if (best == 0) {
            return std::nullopt;
        }
        text = Trim(text.substr(0, best));
    }
    if (text.size() < 3 || text.find('"') != std::string_view::npos) {
        return std::nullopt;
    }
    return Capitalised(text);
}

std::optional<std::string> InflectDefinition(std::string_view clue, Inflection inflection,
                                             const WordNet& wordNet, const Morphology& morphology)
{
    std::vector<std::string> words;
    for (std::string_view part : SplitSpaces(clue)) {
        words.emplace_back(part);
    }
    // A comma in a verb definition starts a second verb phrase that would keep its base form.
    if (words.empty() || clue.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    auto inflectAt = [&](std::size_t i) -> bool {
        const std::string head = Lower(words[i]);
        if (!IsLowerAlpha(head) || !wordNet.HasLemma(head, Pos::Verb) || head == "be") {
            return false;
        }
        auto form = morphology.Inflect(head, Pos::Verb, inflection);
        if (!form) {
            return false;
        }
        words[i] = *form;
        return true;
    };
    if (!inflectAt(0)) {
        return std::nullopt;
    }
    if (words.size() > 2 && (words[1] == "or" || words[1] == "and") && !inflectAt(2)) {
        return std::nullopt;
    }
    // Every later verb joined by "and" or "or" follows suit ("pour liquor over and ignite");
    // a word that may as well be a noun there ("bread and butter") leaves the phrase unsure.
    for (std::size_t i = 2; i + 1 < words.size(); ++i) {
        const std::string next = Lower(words[i + 1]);
        if ((words[i] != "or" && words[i] != "and") || !IsLowerAlpha(next) ||
            !wordNet.HasLemma(next, Pos::Verb)) {
            continue;
        }
        if (TagCountOf(wordNet, next, Pos::Noun) + TagCountOf(wordNet, next, Pos::Adjective) >
                TagCountOf(wordNet, next, Pos::Verb) ||
            !inflectAt(i + 1)) {
            return std::nullopt;
        }
    }
    std::string out;
    for (const std::string& word : words) {
        out += (out.empty() ? "" : " ") + word;
    }
    return Capitalised(out);
}

MarkedGloss SplitDomainMarker(std::string_view definition)
{
    definition = Trim(definition);
    if (definition.empty() || definition.front() != '(') {
        return {"", std::string(definition)};
    }
    const auto close = definition.find(')');
    // "(of a tire) having an inner tube" says what the sense applies to, not its field.
    if (close == std::string_view::npos || definition.substr(1, 3) == "of " ||
        definition.substr(1, 5) == "used " || definition.substr(1, 8) == "usually ") {
        return {"", std::string(definition)};
    }
    return {Lower(Trim(definition.substr(1, close - 1))),
            std::string(Trim(definition.substr(close + 1)))};
}

std::string DropLeading(std::string_view text)
{
    // Openings may follow one another: "any of various usually white herons".
    for (bool again = true; again;) {
        again = false;
        for (const auto& [opening, plain] : kOpenings) {
            if (text.substr(0, opening.size()) == opening) {
                if (plain.empty()) {
                    text.remove_prefix(opening.size());
                    again = true;
                    break;
                }
                return std::string(plain) + std::string(text.substr(opening.size()));
            }
        }
    }
    for (std::string_view lead : {"a ", "an ", "the ", "to "}) {
        if (text.substr(0, lead.size()) == lead) {
            text.remove_prefix(lead.size());
            break;
        }
    }
    // "a usually soluble substance": a hedge cannot open a clue.
    for (std::string_view hedge : {"usually ", "often ", "typically ", "sometimes "}) {
        if (text.substr(0, hedge.size()) == hedge) {
            text.remove_prefix(hedge.size());
            break;
        }
    }
    return std::string(text);
}

}  // namespace quillby::data
