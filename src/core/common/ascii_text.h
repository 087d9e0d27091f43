#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The runs of letters of a text, lower-cased: the words a clue check compares.
inline std::vector<std::string> LowerLetterRuns(std::string_view text)
{
    std::vector<std::string> runs;
    std::string current;
    for (const char c : text) {
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower >= 'a' && lower <= 'z') {
            current.push_back(lower);
        } else if (!current.empty()) {
            runs.push_back(std::move(current));
            current.clear();
        }
    }
    if (!current.empty()) {
        runs.push_back(std::move(current));
    }
    return runs;
}

}  // namespace quillby
