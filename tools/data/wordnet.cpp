#include "data/wordnet.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <optional>
#include <sstream>

#include "core/common/file_io.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

constexpr const char* kFileNames[] = {"noun", "verb", "adj", "adv"};

// Usage domains whose members WordNet marks as unfit to print or as insults.
constexpr std::uint32_t kOffensiveDomains[] = {6717170, 6718862, 7124340};
// Trade names, trademarks and archaisms make poor answers and worse clues.
constexpr std::uint32_t kMarginalDomains[] = {6845599, 6851742, 7073447};

constexpr std::string_view kOffensiveGlossWords[] = {"vulgar",     "offensive",   "obscene",
                                                     "derogatory", "disparaging", "slur",
                                                     "taboo",      "insulting",   "dismissive"};

// Calls onLine for every line of a dictionary file, or says why the file cannot be read.
Status ForEachLine(const std::string& path, const std::function<void(const std::string&)>& onLine)
{
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return Status::Failure(bytes.Error());
    }
    const auto& raw = bytes.Value();
    std::istringstream lines(std::string(reinterpret_cast<const char*>(raw.data()), raw.size()));
    for (std::string line; std::getline(lines, line);) {
        onLine(line);
    }
    return Done{};
}

std::uint32_t ParseNumber(std::string_view text, int base = 10)
{
    std::uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, base);
    return value;
}

std::string StripMarker(std::string_view lemma)
{
    const auto paren = lemma.find('(');
    return std::string(paren == std::string_view::npos ? lemma : lemma.substr(0, paren));
}

bool GlossSoundsOffensive(std::string_view definition)
{
    const std::string lower = Lower(definition);
    return std::any_of(std::begin(kOffensiveGlossWords), std::end(kOffensiveGlossWords),
                       [&](std::string_view word) { return ContainsWord(lower, word); });
}

// The pointer symbols kept as links, and which kind each is.
std::optional<LinkKind> LinkKindOf(std::string_view symbol)
{
    static constexpr std::pair<std::string_view, LinkKind> kKinds[] = {
        {"!", LinkKind::Antonym}, {"+", LinkKind::Derivation}, {"\\", LinkKind::Pertainym},
        {";c", LinkKind::Topic},  {";r", LinkKind::Region},    {";u", LinkKind::Usage},
        {"&", LinkKind::Similar}};
    for (const auto& [text, kind] : kKinds) {
        if (symbol == text) {
            return kind;
        }
    }
    return std::nullopt;
}

int PosIndex(std::string_view letter)
{
    static constexpr std::string_view kPosLetters = "nvasr";
    const auto at = kPosLetters.find(letter);
    return at == 3 ? 2 : at == 4 ? 3 : static_cast<int>(at);
}

// The quoted example sentences of a gloss: "..."; "...".
std::vector<std::string> Examples(std::string_view gloss)
{
    std::vector<std::string> examples;
    for (auto open = gloss.find('"'); open != std::string_view::npos;) {
        const auto close = gloss.find('"', open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        examples.emplace_back(Trim(gloss.substr(open + 1, close - open - 1)));
        open = gloss.find('"', close + 1);
    }
    return examples;
}

// One pointer of a data file line: symbol offset pos source/target.
struct ParsedPointer {
    std::string_view symbol;
    std::pair<int, std::uint32_t> target;
    std::uint8_t sourceWord = 0;
    std::uint8_t targetWord = 0;
};

// One line of a data file: offset lex_filenum ss_type w_cnt (word lex_id)... p_cnt
// (symbol offset pos source/target)... [frames] | gloss
bool ParseSynsetLine(std::string_view line, Pos pos, std::uint32_t& offset, Synset& synset,
                     std::vector<ParsedPointer>& pointers)
{
    const auto bar = line.find(" | ");
    const std::vector<std::string_view> fields = SplitSpaces(line.substr(0, bar));
    if (fields.size() < 4) {
        return false;
    }
    offset = ParseNumber(fields[0]);
    synset.pos = pos;
    synset.lexFile = static_cast<int>(ParseNumber(fields[1]));
    synset.satellite = fields[2] == "s";
    const std::size_t wordCount = ParseNumber(fields[3], 16);
    std::size_t at = 4;
    for (std::size_t i = 0; i < wordCount && at + 1 < fields.size(); ++i, at += 2) {
        synset.words.push_back(
            {StripMarker(fields[at]), static_cast<int>(ParseNumber(fields[at + 1], 16))});
    }
    const std::size_t pointerCount = at < fields.size() ? ParseNumber(fields[at]) : 0;
    ++at;
    for (std::size_t i = 0; i < pointerCount && at + 3 < fields.size(); ++i, at += 4) {
        const std::uint32_t words = ParseNumber(fields[at + 3], 16);
        pointers.push_back({fields[at],
                            {PosIndex(fields[at + 2]), ParseNumber(fields[at + 1])},
                            static_cast<std::uint8_t>(words >> 8),
                            static_cast<std::uint8_t>(words & 0xFF)});
        if (fields[at] != ";u") {
            continue;
        }
        const std::uint32_t domain = ParseNumber(fields[at + 1]);
        auto in = [&](const auto& list) {
            return std::find(std::begin(list), std::end(list), domain) != std::end(list);
        };
        synset.offensive = synset.offensive || in(kOffensiveDomains);
        synset.marginal = synset.marginal || in(kMarginalDomains);
    }
    std::string_view gloss = bar == std::string_view::npos ? "" : line.substr(bar + 3);
    synset.examples = Examples(gloss);
    const auto example = gloss.find("; \"");
    const auto quote = gloss.find('"');
    gloss = gloss.substr(0, std::min(example, quote));
    synset.definition = std::string(Trim(gloss));
    synset.offensive = synset.offensive || GlossSoundsOffensive(synset.definition);
    return true;
}

}  // namespace

std::vector<const Synset*> Synset::Linked(LinkKind kind, int word) const
{
    std::vector<const Synset*> out;
    for (const Link& link : links) {
        if (link.kind == kind && (word == 0 || link.sourceWord == 0 || link.sourceWord == word)) {
            out.push_back(link.target);
        }
    }
    return out;
}

int Synset::WordIndex(std::string_view lemma) const
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (Lower(words[i].lemma) == lemma) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string PlainLemma(std::string_view lemma)
{
    std::string plain = Lower(lemma);
    std::replace(plain.begin(), plain.end(), '_', ' ');
    return plain;
}

Status WordNet::ReadData(const std::string& folder, Pos pos)
{
    const std::string path = folder + "/data." + kFileNames[static_cast<int>(pos)];
    return ForEachLine(path, [&](const std::string& line) {
        if (line.empty() || line[0] == ' ') {
            return;  // the licence header
        }
        Synset synset;
        std::uint32_t offset = 0;
        std::vector<ParsedPointer> pointers;
        if (ParseSynsetLine(line, pos, offset, synset, pointers)) {
            Synset& stored = synsets[{static_cast<int>(pos), offset}] = std::move(synset);
            for (const ParsedPointer& pointer : pointers) {
                const bool broader = pointer.symbol == "@" || pointer.symbol == "&";
                const auto kind = LinkKindOf(pointer.symbol);
                if (broader || kind) {
                    pendingLinks.push_back({&stored, pointer.target, broader, kind.has_value(),
                                            Link{kind.value_or(LinkKind::Antonym), nullptr,
                                                 pointer.sourceWord, pointer.targetWord}});
                }
            }
        }
    });
}

int WordNet::TagCount(std::string_view lemma, const Synset& synset) const
{
    static constexpr char kTypes[] = {'1', '2', '3', '4'};
    for (const SynsetWord& word : synset.words) {
        if (Lower(word.lemma) != lemma) {
            continue;
        }
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ":%02d:%02d", synset.lexFile, word.lexId);
        std::string key = std::string(lemma) + '%' + kTypes[static_cast<int>(synset.pos)] + suffix;
        auto found = senseCounts.find(key);
        if (found == senseCounts.end() && synset.pos == Pos::Adjective) {
            key[lemma.size() + 1] = '5';  // a satellite adjective
            found = senseCounts.find(key);
        }
        return found == senseCounts.end() ? 0 : found->second;
    }
    return 0;
}

// index.X: lemma pos synset_cnt p_cnt [symbol...] sense_cnt tagsense_cnt offset...
Status WordNet::ReadIndex(const std::string& folder, Pos pos)
{
    const std::string path = folder + "/index." + kFileNames[static_cast<int>(pos)];
    return ForEachLine(path, [&](const std::string& line) {
        if (line.empty() || line[0] == ' ') {
            return;
        }
        const std::vector<std::string_view> fields = SplitSpaces(line);
        if (fields.size() < 6) {
            return;
        }
        const std::size_t synsetCount = ParseNumber(fields[2]);
        const std::size_t pointerCount = ParseNumber(fields[3]);
        const std::size_t first = 4 + pointerCount + 2;
        std::vector<Sense> senses;
        for (std::size_t i = 0; i < synsetCount && first + i < fields.size(); ++i) {
            auto found = synsets.find({static_cast<int>(pos), ParseNumber(fields[first + i])});
            if (found != synsets.end()) {
                senses.push_back({&found->second, static_cast<int>(i),
                                  TagCount(fields[0], found->second),
                                  std::max(0, found->second.WordIndex(fields[0]))});
            }
        }
        index[static_cast<int>(pos)][std::string(fields[0])] = std::move(senses);
    });
}

Status WordNet::ReadExceptions(const std::string& folder, Pos pos)
{
    const std::string path = folder + "/" + kFileNames[static_cast<int>(pos)] + ".exc";
    return ForEachLine(path, [&](const std::string& line) {
        const std::vector<std::string_view> fields = SplitSpaces(line);
        for (std::size_t i = 1; i < fields.size(); ++i) {
            exceptions[static_cast<int>(pos)][std::string(fields[0])].emplace_back(fields[i]);
            exceptionForms[static_cast<int>(pos)][std::string(fields[i])].emplace_back(fields[0]);
        }
    });
}

// cntlist.rev: sense_key sense_number tag_cnt; the key's head word part is dropped.
Status WordNet::ReadCounts(const std::string& folder)
{
    return ForEachLine(folder + "/cntlist.rev", [&](const std::string& line) {
        const std::vector<std::string_view> fields = SplitSpaces(line);
        if (fields.size() < 3) {
            return;
        }
        std::string_view key = fields[0];
        const auto colon = key.find(':');
        if (colon == std::string_view::npos) {
            return;
        }
        // lemma%t:ff:ii:head:hid -> lemma%t:ff:ii
        const auto third = key.find(':', key.find(':', colon + 1) + 1);
        senseCounts[std::string(key.substr(0, third))] += static_cast<int>(ParseNumber(fields[2]));
    });
}

Result<WordNet> WordNet::Load(const std::string& folder)
{
    WordNet wordNet;
    Status status = wordNet.ReadCounts(folder);
    for (Pos pos : kAllPos) {
        if (status) {
            status = wordNet.ReadData(folder, pos);
        }
        if (status) {
            status = wordNet.ReadIndex(folder, pos);
        }
        if (status && pos != Pos::Adverb) {
            status = wordNet.ReadExceptions(folder, pos);
        }
    }
    if (!status) {
        return Result<WordNet>::Failure(status.Error());
    }
    wordNet.LinkBroader();
    wordNet.CountGlossWords();
    return wordNet;
}

void WordNet::LinkBroader()
{
    for (PendingLink& pending : pendingLinks) {
        const auto found = synsets.find(pending.to);
        if (found == synsets.end()) {
            continue;
        }
        if (pending.broader) {
            pending.from->broader.push_back(&found->second);
        }
        if (pending.linked) {
            pending.link.target = &found->second;
            pending.from->links.push_back(pending.link);
        }
    }
    pendingLinks.clear();
}

void WordNet::CountGlossWords()
{
    for (const auto& [key, synset] : synsets) {
        for (const std::string& word : LetterWords(synset.definition)) {
            glossCounts[word] += 1;
        }
        for (const std::string& example : synset.examples) {
            for (const std::string& word : LetterWords(example)) {
                glossCounts[word] += 1;
            }
        }
    }
}

int WordNet::GlossCount(std::string_view word) const
{
    const auto found = glossCounts.find(std::string(word));
    return found == glossCounts.end() ? 0 : found->second;
}

const std::vector<Sense>& WordNet::SensesOf(std::string_view lemma, Pos pos) const
{
    static const std::vector<Sense> kNone;
    const auto& table = index[static_cast<int>(pos)];
    const auto found = table.find(std::string(lemma));
    return found == table.end() ? kNone : found->second;
}

const std::vector<std::string>& WordNet::ExceptionLemmas(std::string_view form, Pos pos) const
{
    static const std::vector<std::string> kNone;
    const auto& table = exceptions[static_cast<int>(pos)];
    const auto found = table.find(std::string(form));
    return found == table.end() ? kNone : found->second;
}

const std::vector<std::string>& WordNet::ExceptionForms(std::string_view lemma, Pos pos) const
{
    static const std::vector<std::string> kNone;
    const auto& table = exceptionForms[static_cast<int>(pos)];
    const auto found = table.find(std::string(lemma));
    return found == table.end() ? kNone : found->second;
}

}  // namespace quillby::data
