#pragma once

#include <optional>
#include <string_view>

namespace quillby::data {

// The simple past and the past participle of an English irregular verb, which WordNet's
// exception list gives without saying which is which ("ate" and "eaten" both lead to "eat").
struct IrregularVerb {
    std::string_view base;
    std::string_view past;
    std::string_view participle;
};

// The irregular verb whose base form is base, if it is one.
std::optional<IrregularVerb> IrregularVerbOf(std::string_view base);

// Whether a form is only ever the simple past of an irregular verb ("ate", "stole"), only ever
// its past participle ("eaten", "stolen"), or neither (a regular form, or both: "made").
enum class PastKind { Either, SimplePast, Participle };
PastKind IrregularPastKind(std::string_view form);

}  // namespace quillby::data
