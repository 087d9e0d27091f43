#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "data/morphology.h"

namespace quillby::data {

inline constexpr std::size_t kClueLengthLimit = 60;

// A gloss that opens with its field in parentheses: "(golf) the standard number of strokes"
// gives "golf" and "the standard number of strokes". No field: domain is empty.
struct MarkedGloss {
    std::string domain;
    std::string rest;
};
MarkedGloss SplitDomainMarker(std::string_view definition);

// A WordNet definition made into a clue: asides in parentheses dropped, cut at its first ';'
// and, when still longer than limit, at the last comma or "or" that leaves a whole phrase; a
// leading article dropped and the first letter capitalised. None when no natural break fits.
std::optional<std::string> CutDefinition(std::string_view definition,
                                         std::size_t limit = kClueLengthLimit);

// A verb definition with its head verb inflected to match an inflected answer ("move fast" ->
// "moved fast" for a past form); a second verb joined by "or"/"and" follows suit. None when the
// definition does not start with a verb the morphology can inflect.
std::optional<std::string> InflectDefinition(std::string_view clue, Inflection inflection,
                                             const WordNet& wordNet, const Morphology& morphology);

std::string Capitalised(std::string_view text);

// A gloss without its opening hedge: "of or relating to" becomes "relating to", "any of various"
// and the like go, then a leading article or "to", then a leading "usually" or "often".
std::string DropLeading(std::string_view text);

// A gloss with its asides in parentheses dropped, spaces collapsed and backquotes made quotes.
std::string WithoutAsides(std::string_view text);

}  // namespace quillby::data
