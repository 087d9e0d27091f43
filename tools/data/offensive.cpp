#include "data/offensive.h"

#include <sstream>

#include "data/leak_filter.h"
#include "data/morphology.h"
#include "data/text_util.h"

namespace quillby::data {

bool EverySenseOffensive(const WordNet& wordNet, std::string_view lemma)
{
    bool any = false;
    for (Pos pos : kAllPos) {
        for (const Sense& sense : wordNet.SensesOf(lemma, pos)) {
            if (!sense.synset->offensive) {
                return false;
            }
            any = true;
        }
    }
    return any;
}

OffensiveWords OffensiveWords::FromList(const std::vector<std::string>& list)
{
    OffensiveWords offensive;
    for (const std::string& word : list) {
        offensive.words.insert(Lower(word));
    }
    return offensive;
}

OffensiveWords OffensiveWords::Build(const WordNet& wordNet, std::string_view blocklistText)
{
    std::vector<std::string> list;
    std::istringstream lines{std::string(blocklistText)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::string_view word = Trim(std::string_view(line).substr(0, line.find('#')));
        if (!word.empty()) {
            list.emplace_back(word);
        }
    }
    OffensiveWords offensive = FromList(list);
    // Synsets flagged offensive name their single-word lemmas; keep those with no clean sense.
    wordNet.ForEachSynset([&](const Synset& synset) {
        if (!synset.offensive) {
            return;
        }
        for (const SynsetWord& word : synset.words) {
            const std::string lemma = Lower(word.lemma);
            if (IsLowerAlpha(lemma) && EverySenseOffensive(wordNet, lemma)) {
                offensive.words.insert(lemma);
            }
        }
    });
    return offensive;
}

bool OffensiveWords::IsOffensive(std::string_view word) const
{
    const std::string lower = Lower(word);
    if (words.count(lower) != 0) {
        return true;
    }
    // An inflection of a listed word is caught; a word that merely starts like one ("assess")
    // is not.
    static constexpr Inflection kInflections[] = {Inflection::Plural, Inflection::Past,
                                                  Inflection::Gerund, Inflection::Comparative,
                                                  Inflection::Superlative};
    for (const std::string& stem : StemsOf(lower)) {
        if (stem.size() < 3 || words.count(stem) == 0) {
            continue;
        }
        if (lower == stem + "y" || lower == stem + "er" || lower == stem + "ers") {
            return true;
        }
        for (Inflection inflection : kInflections) {
            for (const std::string& form : RegularForms(stem, inflection)) {
                if (form == lower) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool OffensiveWords::ClueUsesOffensive(std::string_view clue) const
{
    for (const std::string& word : LetterWords(clue)) {
        if (IsOffensive(word)) {
            return true;
        }
    }
    return false;
}

}  // namespace quillby::data
