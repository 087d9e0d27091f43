#include "data/clue_writer.h"

#include <string>
#include <vector>

#include "data/clue_text.h"
#include "data/gloss_text.h"
#include "data/leak_filter.h"
#include "data/text_util.h"

// The clues a sense's relations give, beside its definition and synonyms: its antonyms ("Not
// old"), its topic field ("Golf score"), and its example sentences with a gap ("Iced ___").

namespace quillby::data {

namespace {

// Longer example sentences read as a passage, not a clue.
constexpr std::size_t kLongestBlankExample = 7;

}  // namespace

std::vector<ScoredClue> ClueWriter::AntonymClues(const RankedSense& sense) const
{
    const Reading& reading = sense.reading;
    // "Not old", and for the degrees "Less noisy", "Least noisy".
    const std::string lead = reading.inflection == Inflection::None          ? "not "
                             : reading.inflection == Inflection::Comparative ? "less "
                             : reading.inflection == Inflection::Superlative ? "least "
                                                                             : "";
    if (lead.empty() || (reading.pos != Pos::Adjective && reading.pos != Pos::Adverb)) {
        return {};
    }
    std::vector<ScoredClue> clues;
    for (const Link& link : sense.synset->links) {
        if (link.kind != LinkKind::Antonym || link.sourceWord != sense.wordIndex + 1 ||
            link.targetWord == 0 || link.targetWord > link.target->words.size()) {
            continue;
        }
        const std::string opposite = PlainLemma(link.target->words[link.targetWord - 1u].lemma);
        if (IsLowerAlpha(opposite) && Common(opposite)) {
            clues.push_back({Capitalised(lead) + opposite, familiarity.WordFactor(opposite),
                             ClueKind::Antonym});
        }
    }
    return clues;
}

std::vector<ScoredClue> ClueWriter::FieldClues(const RankedSense& sense) const
{
    const Reading& reading = sense.reading;
    const bool noun = reading.pos == Pos::Noun && (reading.inflection == Inflection::None ||
                                                   reading.inflection == Inflection::Plural);
    const std::string field = FieldOf(*sense.synset);
    if (!noun || field.empty() || WordCount(field) > 1 || !Common(field)) {
        return {};
    }
    // What the sense is, in one word: its definition's head ("a hit that flies..." -> hit),
    // else its broader term's name ("score" for par).
    std::vector<std::string> heads;
    const std::vector<std::string> tokens =
        Tokens(DropArticle(SplitDomainMarker(sense.synset->definition).rest));
    const std::size_t boundary = HeadBoundary(tokens, &morphology);
    if (boundary == 1) {
        heads.push_back(Lower(tokens.front()));
    }
    if (!sense.synset->broader.empty()) {
        for (const SynsetWord& broader : sense.synset->broader.front()->words) {
            if (!HasCapital(broader.lemma)) {
                heads.push_back(PlainLemma(broader.lemma));
            }
        }
    }
    for (const std::string& head : heads) {
        if (!IsLowerAlpha(head) || VagueClass(head) || head == field || !Common(head)) {
            continue;
        }
        auto form = morphology.Inflect(head, Pos::Noun, reading.inflection);
        if (!form) {
            continue;
        }
        // A specialist's field before a class reads as jargon: "Biology diffusion".
        const double quality = (EverydayField(field) ? 0.8 : 0.5) * familiarity.WordFactor(head);
        return {{Capitalised(field + " " + *form), quality, ClueKind::Field}};
    }
    return {};
}

std::vector<ScoredClue> ClueWriter::BlankClues(const RankedSense& sense,
                                               std::string_view word) const
{
    // A sentence must be made of common words, which only SCOWL's sizes can tell.
    if (!familiarity.Graded()) {
        return {};
    }
    std::vector<ScoredClue> clues;
    for (const std::string& example : sense.synset->examples) {
        std::vector<std::string> tokens = Tokens(example);
        std::size_t found = 0;
        std::size_t at = 0;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const std::vector<std::string> letters = LetterWords(tokens[i]);
            if (letters.size() == 1 && letters.front() == word) {
                ++found;
                at = i;
            }
        }
        // Three words or fewer ("A ___ life", "Several Republicans ___") leave too many
        // answers open.
        if (found != 1 || tokens.size() > kLongestBlankExample || tokens.size() < 4) {
            continue;
        }
        std::string& blank = tokens[at];
        const auto start = Lower(blank).find(word);
        blank = blank.substr(0, start) + "___" + blank.substr(start + word.size());
        std::string text = JoinTokens(tokens);
        while (!text.empty() &&
               std::string_view(".!,;:?- ").find(text.back()) != std::string::npos) {
            text.pop_back();
        }
        std::string rest = text;
        rest.replace(rest.find("___"), 3, "");
        if (!Common(rest) || text.find('"') != std::string::npos) {
            continue;
        }
        // A sentence with a gap seldom pins one word down ("Two ___ later they left"): it
        // may follow a definition, and leads only where nothing else reads well.
        const double quality = 0.58 * (tokens.size() <= 5 ? 1.0 : tokens.size() == 6 ? 0.95 : 0.9);
        clues.push_back({Capitalised(text), quality, ClueKind::Blank});
    }
    return clues;
}

bool ClueWriter::Common(std::string_view phrase) const
{
    for (const std::string& word : LetterWords(phrase)) {
        if (commonWords.count(word) == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace quillby::data
