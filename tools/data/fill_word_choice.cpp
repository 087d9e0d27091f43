#include "data/fill_word_choice.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <unordered_set>

#include "data/answer_choice.h"
#include "data/leak_filter.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

// A phrase ending on one of these is half a phrase ("out of", "stocked with"), and one starting
// on "or" or "and" is a logic gate's name; a phrase ending on a rank of the taxonomy is a
// biologist's ("orchid family").
const std::set<std::string> kDanglingEnds = {
    "a",    "an", "the",  "and", "or",   "of",   "with", "to",     "upon",  "for",
    "from", "by", "than", "as",  "into", "onto", "at",   "family", "genus", "order"};
const std::set<std::string> kBadStarts = {"or", "and"};
// A phrase used this often in the glosses of other words is one English uses, tagged or not.
constexpr int kFamiliarGlossUses = 2;

int LevelPart(int level)
{
    if (level == 0) {
        return 15;  // not in SCOWL up to the answers' size
    }
    return level <= 10 ? 60 : level <= 20 ? 55 : level <= 35 ? 45 : level <= 40 ? 35 : 25;
}

// The tagged corpora's use, in steps that flatten out: one use says a lot, the hundredth little.
int CountPart(int tags)
{
    return std::min(40, static_cast<int>(std::lround(8.0 * std::log2(1.0 + tags))));
}

int TagCount(const WordNet& net, const std::string& lemma)
{
    int tags = 0;
    for (Pos pos : kAllPos) {
        for (const Sense& sense : net.SensesOf(lemma, pos)) {
            tags += sense.tagCount;
        }
    }
    return tags;
}

int LevelOf(const ClueSources& inputs, const std::string& word)
{
    const auto found = inputs.Levels().find(word);
    return found == inputs.Levels().end() ? 0 : found->second;
}

struct PhraseCandidate {
    std::string lemma;  // lower case, '_' between words
    std::vector<std::string> parts;
    int glossUses = 0;
};

bool PhraseShaped(const std::vector<std::string>& parts, const ClueSources& inputs)
{
    if (parts.size() < 2 || kDanglingEnds.count(parts.back()) != 0 ||
        kBadStarts.count(parts.front()) != 0) {
        return false;
    }
    std::size_t letters = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        letters += part.size();
        // "a lot" is a phrase; "vitamin a" is a label.
        const bool shortOk = part.size() >= 2 || (part == "a" && i + 1 < parts.size());
        if (!IsLowerAlpha(part) || !shortOk || LevelOf(inputs, part) == 0) {
            return false;
        }
    }
    return letters >= kMinFillWordLength && letters <= static_cast<std::size_t>(kLongestFillWord);
}

// WordNet's multiword lemmas written in lower case somewhere (so not only names), made of
// common words; keyed by lemma, so the order is fixed.
std::map<std::string, PhraseCandidate> PhraseCandidates(const ClueSources& inputs)
{
    std::set<std::string> lowerCase;
    inputs.Net().ForEachSynset([&](const Synset& synset) {
        for (const SynsetWord& word : synset.words) {
            if (word.lemma.find('_') != std::string::npos && Lower(word.lemma) == word.lemma) {
                lowerCase.insert(word.lemma);
            }
        }
    });
    std::map<std::string, PhraseCandidate> candidates;
    for (const std::string& lemma : lowerCase) {
        PhraseCandidate candidate{lemma, {}, 0};
        std::size_t start = 0;
        for (std::size_t end = lemma.find('_'); start <= lemma.size();
             end = lemma.find('_', start)) {
            candidate.parts.push_back(lemma.substr(start, end - start));
            if (end == std::string::npos) {
                break;
            }
            start = end + 1;
        }
        if (PhraseShaped(candidate.parts, inputs)) {
            candidates.emplace(lemma, std::move(candidate));
        }
    }
    // How often each is used in WordNet's glosses and examples: runs of two to four words.
    std::unordered_map<std::string, PhraseCandidate*> bySpacedText;
    for (auto& [lemma, candidate] : candidates) {
        std::string spaced = lemma;
        std::replace(spaced.begin(), spaced.end(), '_', ' ');
        bySpacedText.emplace(spaced, &candidate);
    }
    auto count = [&](const std::string& text) {
        const std::vector<std::string> words = LetterWords(text);
        for (std::size_t n = 2; n <= 4; ++n) {
            for (std::size_t i = 0; i + n <= words.size(); ++i) {
                std::string run = words[i];
                for (std::size_t k = 1; k < n; ++k) {
                    run += " " + words[i + k];
                }
                if (const auto found = bySpacedText.find(run); found != bySpacedText.end()) {
                    found->second->glossUses += 1;
                }
            }
        }
    };
    inputs.Net().ForEachSynset([&](const Synset& synset) {
        count(synset.definition);
        for (const std::string& example : synset.examples) {
            count(example);
        }
    });
    return candidates;
}

// The writer's clues, less any that give the letters away read as one word (the check the
// shipped clue file gets): a phrase's words are checked one by one, its letters not.
WordClues CluesOf(const ClueSources& inputs, const std::string& entry, const std::string& letters)
{
    WordClues clues = inputs.Writer().Write(entry);
    std::erase_if(clues.clues,
                  [&](const ScoredClue& clue) { return ClueLeaks(letters, clue.text); });
    return clues;
}

void AddExtra(std::map<std::string, ExtraFillWord>& extra, ExtraFillWord word)
{
    auto [at, added] = extra.emplace(word.letters, word);
    // Two phrases with the same letters: the more familiar one is the answer.
    if (!added && word.familiarity > at->second.familiarity) {
        at->second = std::move(word);
    }
}

}  // namespace

int WordFamiliarity(const ClueSources& inputs, const std::string& word)
{
    int tags = TagCount(inputs.Net(), word);
    for (const Reading& reading : inputs.Forms().Analyse(word)) {
        tags = std::max(tags, TagCount(inputs.Net(), reading.lemma));
    }
    return std::clamp(LevelPart(LevelOf(inputs, word)) + CountPart(tags), 0, kMaxFamiliarity);
}

int PhraseFamiliarity(const ClueSources& inputs, const std::string& lemma, int glossUses)
{
    int level = 0;
    for (const std::string& part : LetterWords(lemma)) {
        level = std::max(level, LevelOf(inputs, part));
    }
    // A phrase is a step less familiar than its rarest word alone, unless English uses it.
    const int familiarity = LevelPart(level) - 15 + CountPart(TagCount(inputs.Net(), lemma)) +
                            std::min(15, 3 * glossUses);
    return std::clamp(familiarity, 0, kMaxFamiliarity);
}

FillWordChoice ChooseFillWords(const ClueSources& inputs, const CluedWords& clued)
{
    FillWordChoice choice;
    const std::unordered_set<std::string> answers(clued.words.begin(), clued.words.end());
    std::map<std::string, ExtraFillWord> extra;
    for (const auto& [lemma, candidate] : PhraseCandidates(inputs)) {
        const std::string spaced = PlainLemma(lemma);
        const int tags = TagCount(inputs.Net(), lemma);
        std::string letters;
        for (const std::string& part : candidate.parts) {
            letters += Upper(part);
        }
        // A phrase on the rare list ("eat_on") is one no solver would write in.
        if ((tags == 0 && candidate.glossUses < kFamiliarGlossUses) ||
            answers.count(letters) != 0 || inputs.Unfit().ClueUsesOffensive(spaced) ||
            inputs.RareAnswers().count(lemma) != 0) {
            continue;
        }
        WordClues clues = CluesOf(inputs, lemma, letters);
        if (clues.clues.empty() || clues.Best() < kGoodClue || clues.rareForm) {
            continue;
        }
        AddExtra(extra, {letters, spaced, ExtraFillWord::Kind::Phrase,
                         PhraseFamiliarity(inputs, lemma, candidate.glossUses), clues.Texts()});
    }
    // SCOWL's long words, under the rules every answer meets (RateAnswer), in a fixed order.
    std::vector<std::string> longWords;
    for (const auto& [word, level] : inputs.Levels()) {
        if (word.size() > static_cast<std::size_t>(kLongestAnswer) &&
            word.size() <= static_cast<std::size_t>(kLongestFillWord)) {
            longWords.push_back(word);
        }
    }
    std::sort(longWords.begin(), longWords.end());
    for (const std::string& word : longWords) {
        AnswerChoice rated = RateAnswer(word, CluesOf(inputs, word, Upper(word)), inputs.Levels(),
                                        inputs.RareAnswers().count(word) != 0);
        if (!rated.wanted || rated.clues.clues.empty()) {
            continue;
        }
        // A long word is the answer where a phrase has the same letters.
        extra.erase(Upper(word));
        AddExtra(extra, {Upper(word), word, ExtraFillWord::Kind::LongWord,
                         WordFamiliarity(inputs, word), rated.clues.Texts()});
    }
    for (const std::string& word : clued.words) {
        choice.list.words.push_back({word, WordFamiliarity(inputs, Lower(word))});
    }
    for (auto& [letters, word] : extra) {
        choice.list.words.push_back({letters, word.familiarity});
        choice.extra.push_back(std::move(word));
    }
    std::sort(choice.list.words.begin(), choice.list.words.end(),
              [](const FillWord& a, const FillWord& b) { return a.text < b.text; });
    return choice;
}

}  // namespace quillby::data
