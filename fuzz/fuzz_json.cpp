#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/common/clue_markup.h"
#include "core/common/json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quillby::Result<quillby::JsonValue> value = quillby::ParseJson(text);
    if (value) {
        // What was read is written and read back to the same value, pretty or not.
        for (const bool pretty : {true, false}) {
            const auto again = quillby::ParseJson(quillby::WriteJson(value.Value(), pretty));
            if (!again || !(again.Value() == value.Value())) {
                __builtin_trap();
            }
        }
    }
    // The clue markup made from any text is its own markup again.
    const std::string markup = quillby::ClueMarkupFromHtml(text);
    if (quillby::ClueMarkupFromHtml(markup) != markup) {
        __builtin_trap();
    }
    (void)quillby::PlainTextOfMarkup(text);
    return 0;
}
