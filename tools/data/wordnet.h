#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/common/result.h"

namespace quillby::data {

// Parts of speech as WordNet's file names spell them; satellite adjectives live in the
// adjective files.
enum class Pos : std::uint8_t { Noun, Verb, Adjective, Adverb };
inline constexpr Pos kAllPos[] = {Pos::Noun, Pos::Verb, Pos::Adjective, Pos::Adverb};

struct SynsetWord {
    std::string lemma;  // as written in the synset: case kept, '_' for spaces, markers removed
    int lexId = 0;
};

struct Synset;

// The pointers the clue writer reads besides the broader ones. Lexical pointers join one word
// of each synset (numbered from 1); semantic ones join whole synsets (word 0).
enum class LinkKind : std::uint8_t {
    Antonym,     // !
    Derivation,  // + derivationally related form (lawyer / law)
    Pertainym,   // \ relating to a noun, or the adjective an adverb comes from
    Topic,       // ;c the field a sense belongs to (golf, chemistry)
    Region,      // ;r where a sense is used (United Kingdom)
    Usage,       // ;u how a sense is used (slang, archaism)
    Similar,     // & a satellite adjective and its head, both ways (tasty / delicious)
};

struct Link {
    LinkKind kind = LinkKind::Antonym;
    const Synset* target = nullptr;
    std::uint8_t sourceWord = 0;
    std::uint8_t targetWord = 0;
};

struct Synset {
    Pos pos = Pos::Noun;
    int lexFile = 0;
    bool satellite = false;  // an adjective cluster's satellite (ss_type 's'), not its head
    std::vector<SynsetWord> words;
    std::string definition;             // the gloss without its quoted examples
    std::vector<std::string> examples;  // the gloss's quoted example sentences
    bool offensive = false;  // obscene, a slur or disparaging, by usage domain or by gloss
    bool marginal = false;   // a trade name, an archaism or a colloquial usage
    // Broader synsets: hypernyms of nouns and verbs, the head a satellite adjective is similar to.
    std::vector<const Synset*> broader;
    std::vector<Link> links;

    // The synsets a pointer of this kind leads to; for lexical pointers only those that leave
    // the word numbered word (1-based), or every one when word is 0.
    std::vector<const Synset*> Linked(LinkKind kind, int word = 0) const;
    // Position (0-based) of a lower-case lemma among the synset's words, or -1.
    int WordIndex(std::string_view lemma) const;
};

// One meaning of an index word: its synset and how often the tagged corpora used it.
struct Sense {
    const Synset* synset = nullptr;
    int rank = 0;       // 0 for the most frequent sense within its part of speech
    int tagCount = 0;   // from cntlist.rev; 0 when untagged
    int wordIndex = 0;  // where the lemma stands among the synset's words: 0 when it heads them
};

// The parts of WordNet 3.0 the clue writer needs, read from a dictionary folder such as
// /usr/share/wordnet. Lemmas are keyed in lower case with '_' between words.
class WordNet {
public:
    static Result<WordNet> Load(const std::string& folder);

    const std::vector<Sense>& SensesOf(std::string_view lemma, Pos pos) const;
    bool HasLemma(std::string_view lemma, Pos pos) const { return !SensesOf(lemma, pos).empty(); }
    // Lemmas that the exception list gives for an irregular form ("ran" -> "run").
    const std::vector<std::string>& ExceptionLemmas(std::string_view form, Pos pos) const;
    // Irregular forms of a lemma, the reverse of the exception list.
    const std::vector<std::string>& ExceptionForms(std::string_view lemma, Pos pos) const;
    // The tag count of a lemma's sense in a synset (0 when untagged or not a word of it).
    int TagCountOf(std::string_view lemma, const Synset& synset) const
    {
        return TagCount(lemma, synset);
    }
    // How often a lower-case word occurs in WordNet's glosses and examples: a rough measure of
    // how often English uses it ("hays" never, "apples" often).
    int GlossCount(std::string_view word) const;
    template <typename Visit>
    void ForEachSynset(Visit visit) const
    {
        for (const auto& [key, synset] : synsets) {
            visit(synset);
        }
    }

private:
    using Key = std::pair<int, std::uint32_t>;  // part of speech, byte offset in its data file
    Status ReadData(const std::string& folder, Pos pos);
    Status ReadIndex(const std::string& folder, Pos pos);
    Status ReadExceptions(const std::string& folder, Pos pos);
    Status ReadCounts(const std::string& folder);
    int TagCount(std::string_view lemma, const Synset& synset) const;

    void LinkBroader();
    void CountGlossWords();

    std::map<Key, Synset> synsets;
    struct PendingLink {
        Synset* from;
        Key to;
        bool broader;
        bool linked;
        Link link;
    };
    std::vector<PendingLink> pendingLinks;
    std::unordered_map<std::string, std::vector<Sense>> index[4];
    std::unordered_map<std::string, std::vector<std::string>> exceptions[4];
    std::unordered_map<std::string, std::vector<std::string>> exceptionForms[4];
    std::unordered_map<std::string, int> senseCounts;  // "lemma%type:file:id" -> tag count
    std::unordered_map<std::string, int> glossCounts;
};

// Lower case with the separators of a multiword lemma turned into spaces.
std::string PlainLemma(std::string_view lemma);

}  // namespace quillby::data
