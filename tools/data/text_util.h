#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillby::data {

std::string Lower(std::string_view text);
std::string Upper(std::string_view text);
std::string_view Trim(std::string_view text);
std::vector<std::string_view> SplitSpaces(std::string_view text);
// The runs of ASCII letters in a text, lower-cased: "Ten-pin bowling's" -> ten, pin, bowling, s.
std::vector<std::string> LetterWords(std::string_view text);
// Whether a lower-case text holds word as a whole word (letters on neither side).
bool ContainsWord(std::string_view text, std::string_view word);
bool IsLowerAlpha(std::string_view text);
bool HasCapital(std::string_view text);
// Words as spaces separate them.
std::size_t WordCount(std::string_view text);
bool IsVowel(char letter);

}  // namespace quillby::data
