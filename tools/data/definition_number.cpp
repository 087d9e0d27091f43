#include "data/clue_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/clue_words.h"
#include "data/text_util.h"

// Number agreement: a singular definition made plural for a plural answer, and back.
namespace quillby::data {

namespace {

// The verb of a relative clause made to agree with a plural head ("removes" -> "remove").
std::string PluralVerb(const std::string& token, const Morphology& morphology)
{
    static constexpr std::pair<std::string_view, std::string_view> kIrregular[] = {
        {"is", "are"}, {"was", "were"}, {"has", "have"}, {"does", "do"}};
    for (const auto& [singular, plural] : kIrregular) {
        if (token == singular) {
            return std::string(plural);
        }
    }
    for (const Reading& reading : morphology.Analyse(token)) {
        if (reading.inflection == Inflection::ThirdPerson) {
            return reading.lemma;
        }
    }
    return token;
}

// The plural's verb made singular again ("remove" -> "removes").
std::string SingularVerb(const std::string& token, const WordNet& wordNet,
                         const Morphology& morphology)
{
    static constexpr std::pair<std::string_view, std::string_view> kIrregular[] = {
        {"are", "is"}, {"were", "was"}, {"have", "has"}, {"do", "does"}};
    for (const auto& [plural, singular] : kIrregular) {
        if (token == plural) {
            return std::string(singular);
        }
    }
    if (IsLowerAlpha(token) && wordNet.HasLemma(token, Pos::Verb)) {
        if (auto form = morphology.Inflect(token, Pos::Verb, Inflection::ThirdPerson)) {
            return *form;
        }
    }
    return token;
}

// Makes the verbs of a relative clause after the head agree, through "and"/"or" joins.
template <typename Agree>
void AgreeClause(std::vector<std::string>& tokens, std::size_t boundary, Agree agree)
{
    if (boundary + 1 >= tokens.size() || !In(kRelativeWords, tokens[boundary])) {
        return;
    }
    tokens[boundary + 1] = agree(tokens[boundary + 1]);
    for (std::size_t i = boundary + 2; i + 1 < tokens.size(); ++i) {
        if (tokens[i] == "and" || tokens[i] == "or") {
            tokens[i + 1] = agree(tokens[i + 1]);
        }
    }
}

}  // namespace

std::optional<std::string> PluralDefinition(std::string_view text, const WordNet& wordNet,
                                            const Morphology& morphology)
{
    std::vector<std::string> tokens = Tokens(text);
    std::size_t boundary = HeadBoundary(tokens, &morphology);
    if (boundary == 0) {
        return std::nullopt;
    }
    // "color or pigment": both sides would need the plural; "either side" is one.
    for (std::size_t i = 0; i < boundary; ++i) {
        if (tokens[i] == "or" || tokens[i] == "and" || tokens[i] == "either" ||
            tokens[i] == "each" || tokens[i] == "one" || tokens[i] == "every") {
            return std::nullopt;
        }
    }
    std::string& head = tokens[boundary - 1];
    const auto hyphen = head.rfind('-');
    const std::string prefix = hyphen == std::string::npos ? "" : head.substr(0, hyphen + 1);
    const std::string noun = head.substr(prefix.size());
    if (!IsLowerAlpha(noun) || noun == "one" || noun == "something" || noun == "someone") {
        return std::nullopt;
    }
    if (!wordNet.HasLemma(noun, Pos::Noun)) {
        const auto readings = morphology.Analyse(noun);
        const bool plural = std::any_of(readings.begin(), readings.end(), [](const Reading& r) {
            return r.inflection == Inflection::Plural;
        });
        return plural ? std::optional(std::string(text)) : std::nullopt;
    }
    const auto form = noun == "person" ? std::optional<std::string>("people")
                                       : morphology.Inflect(noun, Pos::Noun, Inflection::Plural);
    if (!form) {
        return std::nullopt;
    }
    head = prefix + *form;
    // "a" and "an" go with the singular: "(a) large dog" -> "large dogs".
    const auto articleEnd = tokens.begin() + static_cast<long>(boundary) - 1;
    const auto kept = std::remove_if(tokens.begin(), articleEnd,
                                     [](const std::string& t) { return t == "a" || t == "an"; });
    const auto removed = static_cast<std::size_t>(articleEnd - kept);
    tokens.erase(kept, articleEnd);
    boundary -= removed;
    AgreeClause(tokens, boundary,
                [&](const std::string& token) { return PluralVerb(token, morphology); });
    return JoinTokens(tokens);
}

std::string SingularDefinition(std::string_view text, const WordNet& wordNet,
                               const Morphology& morphology)
{
    std::vector<std::string> tokens = Tokens(text);
    const std::size_t boundary = HeadBoundary(tokens, &morphology);
    if (boundary == 0) {
        return std::string(text);
    }
    std::string& head = tokens[boundary - 1];
    const std::string noun = Plain(head);
    // "two performers", "several trees": the count says the head is plural.
    if (!IsLowerAlpha(noun) || (boundary >= 2 && In(kCounts, Plain(tokens[boundary - 2])))) {
        return std::string(text);
    }
    // "organs" is a lemma of its own (variety meats), but mostly the plural of "organ".
    const std::size_t own = wordNet.SensesOf(noun, Pos::Noun).size();
    for (const Reading& reading : morphology.Analyse(noun)) {
        if (reading.inflection == Inflection::Plural &&
            wordNet.SensesOf(reading.lemma, Pos::Noun).size() > own) {
            head = reading.lemma;
            AgreeClause(tokens, boundary, [&](const std::string& token) {
                return SingularVerb(token, wordNet, morphology);
            });
            return JoinTokens(tokens);
        }
    }
    return std::string(text);
}

}  // namespace quillby::data
