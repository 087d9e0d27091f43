#include "data/leak_check.h"

#include <algorithm>

#include "data/leak_filter.h"
#include "data/text_util.h"

namespace quillby::data {

std::vector<std::string> LeakCheck::RelatedWords(std::string_view answer) const
{
    const std::string word = Lower(answer);
    std::vector<std::string> related;
    auto add = [&](const std::string& lemma) {
        if (IsLowerAlpha(lemma)) {
            related.push_back(lemma);
        }
    };
    for (const Reading& reading : morphology.Analyse(word)) {
        add(reading.lemma);
        for (const Sense& sense : wordNet.SensesOf(reading.lemma, reading.pos)) {
            for (const Link& link : sense.synset->links) {
                const bool lexical = link.sourceWord == sense.wordIndex + 1;
                const bool derived =
                    link.kind == LinkKind::Derivation || link.kind == LinkKind::Pertainym;
                if (!lexical || !derived || link.targetWord == 0 ||
                    link.targetWord > link.target->words.size()) {
                    continue;
                }
                // Only a relative in spelling gives the answer away: "number" for NUMERICAL,
                // not "moon" for LUNAR.
                const std::string target = Lower(link.target->words[link.targetWord - 1u].lemma);
                if (target.substr(0, 3) == reading.lemma.substr(0, 3)) {
                    add(target);
                }
            }
        }
    }
    std::sort(related.begin(), related.end());
    related.erase(std::unique(related.begin(), related.end()), related.end());
    return related;
}

bool LeakCheck::Leaks(std::string_view answer, std::string_view clue) const
{
    return ClueLeaks(answer, clue, RelatedWords(answer));
}

}  // namespace quillby::data
