#include "data/clue_audit.h"

#include <algorithm>
#include <set>

#include "data/text_util.h"

namespace quillby::data {

namespace {

constexpr std::size_t kExamplesKept = 20;

}  // namespace

bool BareBroader(std::string_view answer, std::string_view clue, const WordNet& wordNet,
                 const Morphology& morphology)
{
    const std::vector<std::string> words = LetterWords(clue);
    if (words.size() != 1) {
        return false;
    }
    std::set<std::pair<std::string, Pos>> clueLemmas;
    for (const Reading& reading : morphology.Analyse(words.front())) {
        clueLemmas.insert({reading.lemma, reading.pos});
    }
    auto names = [&](const Synset& synset) {
        return std::any_of(synset.words.begin(), synset.words.end(), [&](const SynsetWord& w) {
            return clueLemmas.count({Lower(w.lemma), synset.pos}) != 0;
        });
    };
    bool broader = false;
    for (const Reading& reading : morphology.Analyse(Lower(answer))) {
        for (const Sense& sense : wordNet.SensesOf(reading.lemma, reading.pos)) {
            if (names(*sense.synset)) {
                return false;  // a synonym of one of the answer's senses
            }
            for (const Synset* up : sense.synset->broader) {
                broader = broader || names(*up);
                for (const Synset* further : up->broader) {
                    broader = broader || names(*further);
                }
            }
        }
    }
    return broader;
}

void ClueFigures::Add(std::string_view answer, std::string_view clue, const ClueSources& sources)
{
    pairs += 1;
    overSixWords += SplitSpaces(clue).size() > 6 ? 1 : 0;
    kindOf += Lower(clue).starts_with("kind of ") ? 1 : 0;
    bareBroader += BareBroader(answer, clue, sources.Net(), sources.Forms()) ? 1 : 0;
    trailingPunctuation +=
        !clue.empty() && std::string_view(",;:.-").find(clue.back()) != std::string_view::npos ? 1
                                                                                               : 0;
    const std::string pair = std::string(answer) + ": " + std::string(clue);
    if (sources.Leaks().Leaks(answer, clue)) {
        leaks += 1;
        if (leaking.size() < kExamplesKept) {
            leaking.push_back(pair);
        }
    }
    if (sources.Unfit().IsOffensive(answer) || sources.Breakfast().IsOffensive(answer)) {
        breakfastAnswers += 1;
        if (unfit.size() < kExamplesKept) {
            unfit.emplace_back(answer);
        }
    }
}

}  // namespace quillby::data
