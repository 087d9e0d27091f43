#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "data/clue_scoring.h"
#include "data/leak_check.h"
#include "data/morphology.h"
#include "data/offensive.h"
#include "data/word_list.h"
#include "data/wordnet.h"

namespace quillby::data {

inline constexpr std::size_t kMaxCluesPerWord = 4;
// A clue scoring this much reads as an editor's clue; a word whose best clue scores less has
// only weak ones.
inline constexpr double kGoodClue = 0.6;
// Further clues of a word must score this much to take turns with the first.
inline constexpr double kKeptClue = 0.6;

// Hand-written clues for short words WordNet lacks. Text: "WORD<TAB>clue" a line; a word may
// have several lines; '#' starts a comment line.
std::map<std::string, std::vector<std::string>> ParseClueTable(std::string_view text);

// One clue with its score (0..1): how familiar its sense is times how well its text reads.
struct ScoredClue {
    std::string text;
    double score = 0;
    ClueKind kind = ClueKind::Definition;
};

// What the writer makes of one word.
struct WordClues {
    std::vector<ScoredClue> clues;  // best first, at most kMaxCluesPerWord
    // Every clue came from reading the word as a form English seldom uses: the plural of a noun
    // that is seldom plural (hays, okras), or "-er" and "-est" on an adjective graded with "more"
    // (awfuller): a rare word as an answer, whatever its clue.
    bool rareForm = false;

    double Best() const { return clues.empty() ? 0.0 : clues.front().score; }
    std::vector<std::string> Texts() const;
};

// Writes crossword clues for answer words from WordNet. For each of the word's senses, most
// familiar first, it offers a short definition, synonyms, an antonym ("Not old"), a broader
// term narrowed by its field ("Golf score") and example sentences with the word left out, all
// inflected to match an inflected answer; scores each (see ScoredClue) and keeps the best.
// Every clue passes the leak and offensive-word filters.
class ClueWriter {
public:
    // commonWords: the words a player can be expected to know (lower case, every form);
    // synonyms and classes made of other words are too obscure to clue with. levels, when
    // given, grades them (SCOWL sizes) so commoner words score better.
    ClueWriter(const WordNet& wordNet, const Morphology& morphology,
               const OffensiveWords& offensive,
               std::map<std::string, std::vector<std::string>> handClues,
               const std::unordered_set<std::string>& commonWords,
               const WordLevels* levels = nullptr);

    // Clues for a lower-case word, best first, at most kMaxCluesPerWord; none for a word that
    // is offensive, a proper noun only, or has no clue that keeps its answer hidden. A WordNet
    // phrase may be given as its lemma ("ice_cream" or "ice cream"): it is clued as that lemma,
    // and no clue holds any of its words.
    std::vector<std::string> CluesFor(std::string_view word) const;
    WordClues Write(std::string_view word) const;
    // For people tuning the writer: the word's senses in order of familiarity, then every
    // clue offered with its score and whether it was taken or why not.
    std::string Explain(std::string_view word) const;

private:
    struct Offer {
        ScoredClue clue;
        std::size_t sense;
    };
    // The clues taken so far, and how many each sense has given.
    struct Selection {
        std::vector<ScoredClue> taken;
        std::vector<std::size_t> perSense = std::vector<std::size_t>(8, 0);
        std::vector<bool> defined = std::vector<bool>(8, false);
        std::string Skip(const Offer& offer,
                         const std::function<std::string(const std::string&)>& refusal);
    };

    struct RankedSense {
        const Synset* synset;
        Reading reading;
        int wordIndex;
        double familiarity;
        bool rareForm;
    };
    std::vector<RankedSense> RankedSenses(std::string_view word, bool& offensiveOnly) const;
    static std::string Entry(std::string_view entry);
    // Why a clue may not be printed for this word ("leaks", "too long"...), or "".
    std::function<std::string(const std::string&)> Refusal(const std::string& word) const;
    std::vector<Offer> Offers(const std::vector<RankedSense>& senses,
                              const std::string& word) const;
    double SenseFamiliarity(const Sense& sense, std::string_view lemma) const;
    bool RareForm(const Reading& reading) const;
    std::vector<ScoredClue> DefinitionClues(const RankedSense& sense) const;
    // A short cut definition whose head noun has many senses: it no longer defines.
    bool BroadHead(const std::string& text) const;
    std::vector<ScoredClue> SynonymClues(const RankedSense& sense) const;
    std::vector<ScoredClue> AntonymClues(const RankedSense& sense) const;
    std::vector<ScoredClue> FieldClues(const RankedSense& sense) const;
    std::vector<ScoredClue> BlankClues(const RankedSense& sense, std::string_view word) const;
    std::optional<std::string> AdaptDefinition(const std::string& text,
                                               const Reading& reading) const;
    bool Common(std::string_view phrase) const;

    const WordNet& wordNet;
    const Morphology& morphology;
    const OffensiveWords& offensive;
    std::map<std::string, std::vector<std::string>> handClues;
    const std::unordered_set<std::string>& commonWords;
    Familiarity familiarity;
    LeakCheck leakCheck;
};

}  // namespace quillby::data
