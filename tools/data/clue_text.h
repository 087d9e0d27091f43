#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/morphology.h"
#include "data/wordnet.h"

namespace quillby::data {

// One way to say a definition as a clue, in the gloss's own case (the writer capitalises).
struct DefinitionVariant {
    std::string text;
    int cuts = 0;         // how many times something that defined was cut away
    bool orList = false;  // still offers alternatives joined by "or"
};

// The short forms of a WordNet definition: asides dropped, the first clause only, cut before
// "especially", "such as", "e.g.", "usually" and the like, no leading article or "to", no
// trailing punctuation; then that text with its "or"-list reduced to one alternative ("come or
// go into" -> "come into"), cut at its first comma, and cut before a relative clause. Each
// variant is a whole phrase that ends cleanly; the list may be empty. A noun's definition also
// gives its head phrase ("deciduous tree"), narrowed to its last modifiers.
// With a morphology, an "or" between two words of one part of speech keeps the one nearer what
// follows ("worry or cause anxiety" -> "cause anxiety").
// A verb's definition may end on its particle ("go into"); no other may.
std::vector<DefinitionVariant> DefinitionVariants(std::string_view definition, bool noun = false,
                                                  const Morphology* morphology = nullptr,
                                                  bool verb = false, bool adverb = false);

// Where a noun phrase's head ends: the first word that starts what qualifies it ("of", "that",
// "with", "used"...), or the end.
// With a morphology, a participle after a noun ends it too ("rule adopted by").
std::size_t HeadBoundary(const std::vector<std::string>& tokens,
                         const Morphology* morphology = nullptr);

// The text without a leading "a ", "an " or "the ".
std::string DropArticle(std::string_view text);

// Words of a phrase, in order ("fish eggs" -> fish, eggs); punctuation stays on its word.
std::vector<std::string> Tokens(std::string_view text);
std::string JoinTokens(const std::vector<std::string>& tokens);

// A singular noun definition made plural for a plural answer: its head noun pluralised and the
// verbs of a following relative clause made to agree ("appliance that removes moisture" ->
// "appliances that remove moisture"). None when the head is not a noun WordNet knows.
std::optional<std::string> PluralDefinition(std::string_view text, const WordNet& wordNet,
                                            const Morphology& morphology);

// A definition whose head is plural ("evergreen trees" once "any of various" is gone) made
// singular for a singular answer, its relative clause agreeing; otherwise the text unchanged.
std::string SingularDefinition(std::string_view text, const WordNet& wordNet,
                               const Morphology& morphology);

}  // namespace quillby::data
