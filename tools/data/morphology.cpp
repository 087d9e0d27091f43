#include "data/morphology.h"

#include <algorithm>
#include <span>

#include "data/irregular_verbs.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsConsonant(char c)
{
    return c >= 'a' && c <= 'z' && !IsVowel(c);
}

// An irregular form that is a participle by its shape: "hewn", "proven", "stricken".
bool LooksLikeParticiple(std::string_view form, std::string_view lemma)
{
    return EndsWith(form, "n") && !EndsWith(lemma, "n");
}

int VowelGroups(std::string_view word)
{
    int groups = 0;
    bool inVowel = false;
    for (char c : word) {
        const bool vowel = IsVowel(c) || c == 'y';
        groups += vowel && !inVowel ? 1 : 0;
        inVowel = vowel;
    }
    return groups;
}

// Consonant-vowel-consonant ending whose last consonant doubles before a vowel suffix
// ("hat" -> "hatted"). Returns 2 when it must double (one syllable), 1 when it may.
int Doubling(std::string_view word)
{
    const std::size_t n = word.size();
    if (n < 3 || !IsConsonant(word[n - 1]) ||
        std::string_view("wxy").find(word[n - 1]) != std::string_view::npos) {
        return 0;
    }
    if (!IsVowel(word[n - 2]) || !IsConsonant(word[n - 3])) {
        return 0;
    }
    if (n >= 4 && word[n - 3] == 'u' && word[n - 4] == 'q') {
        return 2;  // "quit" -> "quitting"
    }
    return VowelGroups(word) == 1 ? 2 : 1;
}

void VowelSuffix(std::string_view lemma, std::string_view suffix, std::vector<std::string>& out)
{
    const std::string base(lemma);
    const int doubling = Doubling(lemma);
    if (doubling > 0) {
        out.push_back(base + base.back() + std::string(suffix));
    }
    if (doubling < 2) {
        out.push_back(base + std::string(suffix));
    }
}

std::vector<std::string> SForms(std::string_view lemma, bool noun)
{
    const std::string base(lemma);
    std::vector<std::string> out;
    if (EndsWith(lemma, "s") || EndsWith(lemma, "x") || EndsWith(lemma, "z") ||
        EndsWith(lemma, "ch") || EndsWith(lemma, "sh")) {
        out.push_back(base + "es");
    } else if (lemma.size() >= 2 && EndsWith(lemma, "y") && IsConsonant(lemma[lemma.size() - 2])) {
        out.push_back(base.substr(0, base.size() - 1) + "ies");
    } else {
        out.push_back(base + "s");
        if (EndsWith(lemma, "o")) {
            out.push_back(base + "es");
        }
    }
    if (noun && EndsWith(lemma, "man")) {
        out.push_back(base.substr(0, base.size() - 3) + "men");
    }
    if (noun && EndsWith(lemma, "f")) {
        out.push_back(base.substr(0, base.size() - 1) + "ves");
    }
    if (noun && EndsWith(lemma, "fe")) {
        out.push_back(base.substr(0, base.size() - 2) + "ves");
    }
    return out;
}

std::vector<std::string> VowelForms(std::string_view lemma, std::string_view suffix)
{
    const std::string base(lemma);
    const std::size_t n = lemma.size();
    std::vector<std::string> out;
    const bool consonantY = n >= 2 && lemma.back() == 'y' && IsConsonant(lemma[n - 2]);
    if (suffix == "ing") {
        if (EndsWith(lemma, "ie")) {
            out.push_back(base.substr(0, n - 2) + "ying");
        } else if (EndsWith(lemma, "e") && !EndsWith(lemma, "ee") && !EndsWith(lemma, "ye") &&
                   !EndsWith(lemma, "oe") && n > 2) {
            out.push_back(base.substr(0, n - 1) + "ing");
        } else if (EndsWith(lemma, "c")) {
            out.push_back(base + "king");
        } else {
            VowelSuffix(lemma, suffix, out);
        }
        return out;
    }
    if (EndsWith(lemma, "e")) {
        out.push_back(base + std::string(suffix.substr(1)));
    } else if (consonantY) {
        out.push_back(base.substr(0, n - 1) + "i" + std::string(suffix));
    } else if (EndsWith(lemma, "c") && suffix == "ed") {
        out.push_back(base + "ked");
    } else {
        VowelSuffix(lemma, suffix, out);
    }
    return out;
}

// Lemmas a form may come from by WordNet's detachment rules, doubled consonants undone.
std::vector<std::string> Detach(std::string_view word, Inflection inflection)
{
    static constexpr std::pair<std::string_view, std::string_view> kPlural[] = {
        {"s", ""}, {"es", ""}, {"ies", "y"}, {"men", "man"}, {"ves", "f"}, {"ves", "fe"}};
    static constexpr std::pair<std::string_view, std::string_view> kPast[] = {
        {"ed", ""}, {"d", ""}, {"ied", "y"}, {"ked", ""}};
    static constexpr std::pair<std::string_view, std::string_view> kGerund[] = {
        {"ing", ""}, {"ing", "e"}, {"ying", "ie"}, {"king", ""}};
    static constexpr std::pair<std::string_view, std::string_view> kComparative[] = {
        {"er", ""}, {"r", ""}, {"ier", "y"}};
    static constexpr std::pair<std::string_view, std::string_view> kSuperlative[] = {
        {"est", ""}, {"st", ""}, {"iest", "y"}};
    std::span<const std::pair<std::string_view, std::string_view>> rules;
    switch (inflection) {
        case Inflection::Plural:
        case Inflection::ThirdPerson:
            rules = kPlural;
            break;
        case Inflection::Past:
            rules = kPast;
            break;
        case Inflection::Participle:
            break;  // regular participles read as pasts; irregular ones come from the tables
        case Inflection::Gerund:
            rules = kGerund;
            break;
        case Inflection::Comparative:
            rules = kComparative;
            break;
        case Inflection::Superlative:
            rules = kSuperlative;
            break;
        case Inflection::None:
            break;
    }
    std::vector<std::string> lemmas;
    for (const auto& [suffix, replacement] : rules) {
        if (word.size() > suffix.size() + 1 && EndsWith(word, suffix)) {
            std::string stem(word.substr(0, word.size() - suffix.size()));
            lemmas.push_back(stem + std::string(replacement));
            const std::size_t n = stem.size();
            if (replacement.empty() && n >= 3 && stem[n - 1] == stem[n - 2]) {
                lemmas.push_back(stem.substr(0, n - 1));
            }
        }
    }
    return lemmas;
}

}  // namespace

Pos PosOf(Inflection inflection)
{
    switch (inflection) {
        case Inflection::Plural:
            return Pos::Noun;
        case Inflection::ThirdPerson:
        case Inflection::Past:
        case Inflection::Participle:
        case Inflection::Gerund:
            return Pos::Verb;
        case Inflection::Comparative:
        case Inflection::Superlative:
            return Pos::Adjective;
        case Inflection::None:
            break;
    }
    return Pos::Noun;
}

std::vector<std::string> RegularForms(std::string_view lemma, Inflection inflection)
{
    switch (inflection) {
        case Inflection::Plural:
            return SForms(lemma, true);
        case Inflection::ThirdPerson:
            return SForms(lemma, false);
        case Inflection::Past:
        case Inflection::Participle:
            return VowelForms(lemma, "ed");
        case Inflection::Gerund:
            return VowelForms(lemma, "ing");
        case Inflection::Comparative:
            return VowelForms(lemma, "er");
        case Inflection::Superlative:
            return VowelForms(lemma, "est");
        case Inflection::None:
            break;
    }
    return {std::string(lemma)};
}

std::optional<std::string> Morphology::FixedForm(std::string_view lemma, Pos pos,
                                                 Inflection inflection)
{
    if (pos != Pos::Verb) {
        return std::nullopt;
    }
    static constexpr std::pair<std::string_view, std::string_view> kThird[] = {
        {"be", "is"}, {"have", "has"}, {"do", "does"}, {"go", "goes"}};
    if (inflection == Inflection::ThirdPerson) {
        for (const auto& [base, third] : kThird) {
            if (lemma == base) {
                return std::string(third);
            }
        }
        return std::nullopt;
    }
    const auto verb = IrregularVerbOf(lemma);
    if (!verb || (inflection != Inflection::Past && inflection != Inflection::Participle)) {
        return std::nullopt;
    }
    return std::string(inflection == Inflection::Past ? verb->past : verb->participle);
}

bool Morphology::IsFormOf(std::string_view word, std::string_view lemma, Pos pos,
                          Inflection inflection) const
{
    // The analyser agrees with the inflector: where a table fixes the form, no other reads as
    // it ("dos" is not a form of "do"; "ate" is a past, "eaten" a participle).
    if (const auto fixed = FixedForm(lemma, pos, inflection)) {
        if (inflection == Inflection::Participle) {
            const auto past = FixedForm(lemma, pos, Inflection::Past);
            return *fixed == word && past != word;
        }
        return *fixed == word;
    }
    const auto& irregular = wordNet.ExceptionForms(lemma, pos);
    if (std::find(irregular.begin(), irregular.end(), word) != irregular.end()) {
        if (inflection == Inflection::Participle || inflection == Inflection::Past) {
            return LooksLikeParticiple(word, lemma) == (inflection == Inflection::Participle);
        }
        return true;
    }
    if (inflection == Inflection::Participle) {
        return false;
    }
    const auto regular = RegularForms(lemma, inflection);
    return std::find(regular.begin(), regular.end(), word) != regular.end();
}

std::vector<Reading> Morphology::Analyse(std::string_view word) const
{
    std::vector<Reading> readings;
    static constexpr std::pair<std::string_view, Inflection> kFormsOfBe[] = {
        {"was", Inflection::Past},     {"were", Inflection::Past}, {"been", Inflection::Participle},
        {"being", Inflection::Gerund}, {"are", Inflection::None},  {"is", Inflection::ThirdPerson}};
    for (const auto& [form, inflection] : kFormsOfBe) {
        if (word == form) {
            readings.push_back({"be", Pos::Verb, inflection});
        }
    }
    for (Pos pos : kAllPos) {
        if (wordNet.HasLemma(word, pos)) {
            readings.push_back({std::string(word), pos, Inflection::None});
        }
    }
    static constexpr Inflection kInflections[] = {
        Inflection::Plural, Inflection::ThirdPerson, Inflection::Past,       Inflection::Participle,
        Inflection::Gerund, Inflection::Comparative, Inflection::Superlative};
    for (Inflection inflection : kInflections) {
        const Pos pos = PosOf(inflection);
        std::vector<std::string> lemmas = Detach(word, inflection);
        for (const std::string& lemma : wordNet.ExceptionLemmas(word, pos)) {
            if (pos == Pos::Verb && lemma == "be") {
                continue;  // the forms of "be" are read from their own table below
            }
            const bool suffixFits =
                (inflection == Inflection::Gerund) == EndsWith(word, "ing") &&
                (inflection == Inflection::ThirdPerson) ==
                    (EndsWith(word, "s") && pos == Pos::Verb) &&
                (inflection != Inflection::Superlative || EndsWith(word, "st")) &&
                (inflection != Inflection::Comparative || !EndsWith(word, "st"));
            if (suffixFits || pos == Pos::Noun) {
                lemmas.push_back(lemma);
            }
        }
        std::sort(lemmas.begin(), lemmas.end());
        lemmas.erase(std::unique(lemmas.begin(), lemmas.end()), lemmas.end());
        for (const std::string& lemma : lemmas) {
            if (lemma != word && wordNet.HasLemma(lemma, pos) &&
                IsFormOf(word, lemma, pos, inflection)) {
                readings.push_back({lemma, pos, inflection});
            }
        }
    }
    return readings;
}

std::optional<Pos> Morphology::MainPos(std::string_view word) const
{
    std::size_t counts[4] = {0, 0, 0, 0};
    for (const Reading& reading : Analyse(word)) {
        counts[static_cast<int>(reading.pos)] +=
            wordNet.SensesOf(reading.lemma, reading.pos).size();
    }
    const auto most = std::max_element(std::begin(counts), std::end(counts));
    if (*most == 0) {
        return std::nullopt;
    }
    return static_cast<Pos>(most - std::begin(counts));
}

int Morphology::UseIn(std::string_view word, Pos pos) const
{
    int use = 0;
    for (const Reading& reading : Analyse(word)) {
        if (reading.pos == pos) {
            for (const Sense& sense : wordNet.SensesOf(reading.lemma, reading.pos)) {
                use += 1 + sense.tagCount;
            }
        }
    }
    return use;
}

std::optional<std::string> Morphology::InflectWord(std::string_view word, Pos pos,
                                                   Inflection inflection) const
{
    // Verbs whose past is their base form, which the exception lists leave out.
    static constexpr std::string_view kSamePast[] = {
        "spread", "burst", "cast", "bet",  "bid",    "shed",   "slit",  "split",
        "thrust", "upset", "beat", "read", "offset", "outbid", "reset", "recast"};
    if (const auto fixed = FixedForm(word, pos, inflection)) {
        return fixed;
    }
    const bool pastLike = inflection == Inflection::Past || inflection == Inflection::Participle;
    if (pos == Pos::Verb && pastLike &&
        std::find(std::begin(kSamePast), std::end(kSamePast), word) != std::end(kSamePast)) {
        return std::string(word);
    }
    for (const std::string& form : wordNet.ExceptionForms(word, pos)) {
        const bool ing = EndsWith(form, "ing");
        const bool pastForm =
            pastLike && !ing && !EndsWith(form, "s") &&
            LooksLikeParticiple(form, word) == (inflection == Inflection::Participle);
        const bool fits = inflection == Inflection::Plural || pastForm ||
                          (inflection == Inflection::Gerund && ing) ||
                          (inflection == Inflection::Comparative && EndsWith(form, "er")) ||
                          (inflection == Inflection::Superlative && EndsWith(form, "st"));
        if (fits) {
            return form;
        }
    }
    for (const std::string& form : RegularForms(word, inflection)) {
        if (dictionary.count(form) != 0) {
            return form;
        }
    }
    return std::nullopt;
}

std::optional<std::string> Morphology::Inflect(std::string_view lemma, Pos pos,
                                               Inflection inflection) const
{
    if (inflection == Inflection::None) {
        return PlainLemma(lemma);
    }
    const std::string plain = PlainLemma(lemma);
    const auto space = pos == Pos::Verb ? plain.find(' ') : plain.rfind(' ');
    if (space == std::string::npos) {
        return InflectWord(plain, pos, inflection);
    }
    if (pos == Pos::Verb) {
        auto head = InflectWord(plain.substr(0, space), pos, inflection);
        return head ? std::optional(*head + plain.substr(space)) : std::nullopt;
    }
    auto head = InflectWord(plain.substr(space + 1), pos, inflection);
    return head ? std::optional(plain.substr(0, space + 1) + *head) : std::nullopt;
}

}  // namespace quillby::data
