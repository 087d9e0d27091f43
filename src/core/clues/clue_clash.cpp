#include "core/clues/clue_clash.h"

#include <algorithm>
#include <map>

#include "core/common/ascii_text.h"

namespace quillby {

namespace {

bool IsVowelLetter(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// The word and what is left of it once a regular ending is taken off: "hoping" -> hop, hope;
// "hopped" -> hopp, hop; "dries" -> dri, drie, dry.
std::vector<std::string> InflectionStems(const std::string& word)
{
    struct Ending {
        std::string_view suffix;
        std::string_view replacement;
        bool restoreE;  // "hoping" -> "hope"
    };
    static constexpr Ending kEndings[] = {
        {"s", "", false},     {"es", "", false},   {"ed", "", true},    {"d", "", false},
        {"ing", "", true},    {"er", "", true},    {"ers", "", true},   {"est", "", true},
        {"ly", "", false},    {"ies", "y", false}, {"ied", "y", false}, {"ier", "y", false},
        {"iest", "y", false}, {"ily", "y", false}};
    std::vector<std::string> stems{word};
    for (const Ending& ending : kEndings) {
        if (word.size() < ending.suffix.size() + 3 || !word.ends_with(ending.suffix)) {
            continue;
        }
        const std::string stem =
            word.substr(0, word.size() - ending.suffix.size()) + std::string(ending.replacement);
        stems.push_back(stem);
        if (ending.restoreE) {
            stems.push_back(stem + "e");
        }
        const std::size_t n = stem.size();
        if (n >= 4 && stem[n - 1] == stem[n - 2] && !IsVowelLetter(stem[n - 1])) {
            stems.push_back(stem.substr(0, n - 1));
        }
    }
    return stems;
}

// Where the records of one word stand in the turn order, in store order, as the store would
// move them: Retire and Find on a copy of the rotations.
struct TurnOrder {
    std::vector<const ClueRecord*> records;
    std::vector<std::int64_t> rotations;

    int Current() const
    {
        for (std::size_t i = records.size(); i-- > 0;) {
            if (rotations[i] == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    void Retire(int current)
    {
        std::int64_t others = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (static_cast<int>(i) != current) {
                rotations[i] -= 1;
                ++others;
            }
        }
        rotations[static_cast<std::size_t>(current)] = others;
    }
};

std::map<std::string, TurnOrder> TurnOrders(const std::vector<std::string>& answers,
                                            const ClueStore& clues)
{
    std::map<std::string, TurnOrder> orders;
    for (const std::string& answer : answers) {
        orders[answer];
    }
    for (const ClueRecord& record : clues.Records()) {
        const auto found = orders.find(record.answer);
        if (found != orders.end()) {
            found->second.records.push_back(&record);
            found->second.rotations.push_back(record.rotation);
        }
    }
    return orders;
}

}  // namespace

bool SameStem(std::string_view a, std::string_view b)
{
    const std::string lowerA = AsciiLower(a);
    const std::string lowerB = AsciiLower(b);
    if (lowerA == lowerB) {
        return true;
    }
    const std::vector<std::string> stemsA = InflectionStems(lowerA);
    for (const std::string& stem : InflectionStems(lowerB)) {
        if (stem.size() >= 3 && std::find(stemsA.begin(), stemsA.end(), stem) != stemsA.end()) {
            return true;
        }
    }
    return false;
}

bool ClueHoldsWord(std::string_view clue, std::string_view word)
{
    const std::vector<std::string> words = LowerLetterRuns(clue);
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& w) { return SameStem(w, word); });
}

std::optional<std::vector<ClueTurn>> ChooseClueTurns(const std::vector<std::string>& answers,
                                                     const ClueStore& clues)
{
    std::vector<std::string> shown(answers.size());
    std::vector<bool> hasClue(answers.size(), false);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (const ClueRecord* record = clues.Find(answers[i])) {
            shown[i] = record->question;
            hasClue[i] = true;
        }
    }
    // A clue clashes when it holds another answer, or reads like the clue of an answer before.
    auto clashes = [&](std::size_t i, const std::string& text) {
        const std::string lower = AsciiLower(text);
        for (std::size_t j = 0; j < answers.size(); ++j) {
            if (j != i && (ClueHoldsWord(text, answers[j]) ||
                           (j < i && hasClue[j] && AsciiLower(shown[j]) == lower))) {
                return true;
            }
        }
        return false;
    };
    std::vector<ClueTurn> turns;
    std::map<std::string, TurnOrder> orders;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        if (!hasClue[i] || !clashes(i, shown[i])) {
            continue;
        }
        if (orders.empty()) {
            orders = TurnOrders(answers, clues);  // one walk of the store, only when needed
        }
        TurnOrder order = orders[answers[i]];
        std::optional<int> chosen;
        for (int retires = 1; retires < static_cast<int>(order.records.size()); ++retires) {
            order.Retire(order.Current());
            const int current = order.Current();
            if (current < 0) {
                break;  // rotations not 0..n-1: the store would show no clue
            }
            const ClueRecord& record = *order.records[static_cast<std::size_t>(current)];
            if (record.solved == 0 && !clashes(i, record.question)) {
                shown[i] = record.question;
                chosen = retires;
                break;
            }
        }
        if (!chosen) {
            return std::nullopt;
        }
        turns.push_back({answers[i], *chosen});
    }
    return turns;
}

void ApplyClueTurns(const std::vector<ClueTurn>& turns, ClueStore& clues)
{
    for (const ClueTurn& turn : turns) {
        for (int i = 0; i < turn.retires; ++i) {
            if (ClueRecord* record = clues.Find(turn.answer)) {
                clues.Retire(*record);
            }
        }
    }
}

}  // namespace quillby
