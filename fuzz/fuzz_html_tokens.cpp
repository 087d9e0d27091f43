#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/common/html_tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The buffer ends exactly at size, so a read past the end is caught by the sanitizer.
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    quillby::HtmlTokenizer tokenizer(text);
    quillby::HtmlColourStack colours;
    quillby::HtmlToken token;
    std::size_t last = 0;
    std::size_t count = 0;
    std::uint32_t colour = 0;
    while (tokenizer.Next(token)) {
        // Every token starts further on than the one before, so reading always ends.
        if (count++ > 0 && token.start <= last) {
            __builtin_trap();
        }
        last = token.start;
        if (token.tag == quillby::HtmlTag::Font && token.closing) {
            colour = colours.Pop();
        } else if (token.tag == quillby::HtmlTag::Font && token.colour) {
            colour = colours.Push(colour, *token.colour);
        }
        if (token.tag == quillby::HtmlTag::None && token.text.empty()) {
            __builtin_trap();  // an empty word would make no progress in the layout
        }
    }
    // Escaping then decoding gives back exactly what was typed.
    if (quillby::DecodeHtmlEntities(quillby::EscapeHtmlText(text)) != text) {
        __builtin_trap();
    }
    return 0;
}
