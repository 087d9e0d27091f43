#include "data/leak_filter.h"

#include <algorithm>

#include "data/text_util.h"

namespace quillby::data {

namespace {

constexpr std::string_view kSuffixes[] = {
    "s",    "es",   "ies",  "ed",    "d",   "ied",  "ing",  "er",   "ers", "r",   "est",   "st",
    "ly",   "ily",  "ness", "ment",  "ful", "less", "ish",  "y",    "ity", "ion", "ation", "ions",
    "al",   "ally", "ic",   "ical",  "ous", "ive",  "able", "ible", "ism", "ist", "ize",   "ise",
    "ized", "ised", "ies",  "iness", "ier", "iest", "ings", "ment", "age", "ages"};

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool IsSuffix(std::string_view rest)
{
    return std::find(std::begin(kSuffixes), std::end(kSuffixes), rest) != std::end(kSuffixes);
}

bool ShareSubstring(std::string_view a, std::string_view b, std::size_t length)
{
    if (a.size() < length || b.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i + length <= a.size(); ++i) {
        if (b.find(a.substr(i, length)) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// One word starts with the other and what is left is an ending ("cat" / "cats", "catty").
bool Extends(std::string_view longer, std::string_view shorter)
{
    // A final "e" dropped before the ending: "use" / "usage", "ice" / "icy".
    if (shorter.size() >= 3 && shorter.back() == 'e' && longer.size() >= shorter.size() &&
        longer.substr(0, shorter.size() - 1) == shorter.substr(0, shorter.size() - 1) &&
        longer[shorter.size() - 1] != 'e' && IsSuffix(longer.substr(shorter.size() - 1))) {
        return true;
    }
    if (shorter.size() < 3 || longer.size() <= shorter.size() ||
        longer.substr(0, shorter.size()) != shorter) {
        return false;
    }
    const std::string_view rest = longer.substr(shorter.size());
    if (IsSuffix(rest) || shorter.size() >= 4) {
        return true;
    }
    // A doubled consonant before the ending: "run" / "running".
    return rest.size() > 1 && rest[0] == shorter.back() && IsSuffix(rest.substr(1));
}

// The word with a 'v' near its end read as 'f': "wive" -> "wife", "halves" -> "halfes", so the
// f/v alternation of English (wife / wive, leaf / leave) compares like any other ending.
std::string FToV(std::string_view word)
{
    std::string out(word);
    const auto v = out.rfind('v');
    if (v != std::string::npos && v + 3 >= out.size() && v > 0) {
        out[v] = 'f';
    }
    return out;
}

// A short answer in a longer clue word: "sis" / "sister", "ump" / "umpire", "tea" /
// "teatime", "tie" / "necktie".
bool ShortAnswerInside(std::string_view answer, std::string_view clueWord)
{
    if (answer.size() != 3 || clueWord.size() <= answer.size()) {
        return false;
    }
    return clueWord.substr(0, 3) == answer || clueWord.substr(clueWord.size() - 3) == answer;
}

// A 3-letter clue word that starts or ends a compound answer: "sun" / "sunbathe".
bool ShortWordOfCompound(std::string_view answer, std::string_view clueWord)
{
    return ShortAnswerInside(clueWord, answer);
}

// A 3-letter short form clued by its full word: the answer's letters in order inside the clue
// word, which starts with the same two letters ("mas" / "mamas", "doc" / "doctor"). Longer
// short forms share their first four letters with the full word ("demo", "prof").
bool ShortFormOf(std::string_view answer, std::string_view clueWord)
{
    if (answer.size() != 3 || clueWord.size() <= answer.size() ||
        clueWord.substr(0, 2) != answer.substr(0, 2)) {
        return false;
    }
    std::size_t at = 0;
    for (char c : clueWord) {
        if (at < answer.size() && c == answer[at]) {
            ++at;
        }
    }
    return at == answer.size();
}

bool SameStem(std::string_view answer, std::string_view clueWord)
{
    if (Extends(answer, clueWord) || Extends(clueWord, answer)) {
        return true;
    }
    const auto answerStems = StemsOf(answer);
    for (const std::string& stem : StemsOf(clueWord)) {
        // "Uses" for USAGE: the clue word's stem extends to the answer.
        if (stem.size() >= 3 && (std::binary_search(answerStems.begin(), answerStems.end(), stem) ||
                                 (stem != clueWord && Extends(answer, stem)))) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::vector<std::string> StemsOf(std::string_view word)
{
    std::vector<std::string> stems{std::string(word)};
    for (std::string_view suffix : kSuffixes) {
        if (!EndsWith(word, suffix) || word.size() < suffix.size() + 3) {
            continue;
        }
        std::string stem(word.substr(0, word.size() - suffix.size()));
        stems.push_back(stem);
        stems.push_back(stem + "e");
        if (stem.back() == 'i') {
            stems.push_back(stem.substr(0, stem.size() - 1) + "y");
        }
        const std::size_t n = stem.size();
        if (n >= 4 && stem[n - 1] == stem[n - 2]) {
            stems.push_back(stem.substr(0, n - 1));
        }
    }
    std::sort(stems.begin(), stems.end());
    stems.erase(std::unique(stems.begin(), stems.end()), stems.end());
    return stems;
}

bool WordsRelated(std::string_view answer, std::string_view clueWord)
{
    if (answer == clueWord) {
        return true;
    }
    if (clueWord.size() < 3 || answer.size() < 3) {
        return false;
    }
    // A word of four or more letters inside the other: "airlift" / "lift".
    const bool inside = (clueWord.size() >= 4 && answer.find(clueWord) != std::string_view::npos) ||
                        (answer.size() >= 4 && clueWord.find(answer) != std::string_view::npos);
    // The same first four letters: "powerboat" / "powered", "demo" / "demonstration".
    const bool sharedStart =
        answer.size() >= 4 && clueWord.size() >= 4 && answer.substr(0, 4) == clueWord.substr(0, 4);
    if (inside || sharedStart || ShareSubstring(answer, clueWord, 5) ||
        ShortAnswerInside(answer, clueWord) || ShortWordOfCompound(answer, clueWord) ||
        ShortFormOf(answer, clueWord)) {
        return true;
    }
    const std::size_t shorter = std::min(answer.size(), clueWord.size());
    const std::size_t distance = EditDistance(answer, clueWord);
    if ((shorter >= 5 && distance <= 1) || (shorter >= 7 && distance <= 2)) {
        return true;  // a spelling variant: colour / color, zither / cither
    }
    return SameStem(answer, clueWord) || SameStem(FToV(answer), FToV(clueWord));
}

bool ClueLeaks(std::string_view answer, std::string_view clue,
               const std::vector<std::string>& related)
{
    std::vector<std::string> answers{Lower(answer)};
    for (const std::string& word : related) {
        for (const std::string& part : LetterWords(word)) {
            answers.push_back(part);
        }
    }
    const std::vector<std::string> words = LetterWords(clue);
    // A clue that spells the answer across words ("ice box" for ICEBOX) leaks too.
    std::string joined;
    for (const std::string& word : words) {
        joined += word;
    }
    for (const std::string& target : answers) {
        if (target.size() >= 4 && joined.find(target) != std::string::npos) {
            return true;
        }
        for (const std::string& word : words) {
            if (WordsRelated(target, word)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace quillby::data
