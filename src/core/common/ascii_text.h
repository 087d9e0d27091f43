#pragma once

#include <string>
#include <string_view>

namespace quillby {

// The text with A-Z lower-cased and every other byte as it was (answers and clues are ASCII
// where it matters; accented letters pass through untouched).
inline std::string AsciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

}  // namespace quillby
