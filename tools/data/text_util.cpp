#include "data/text_util.h"

#include <algorithm>

#include "core/common/ascii_text.h"

namespace quillby::data {

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string Lower(std::string_view text)
{
    return AsciiLower(text);
}

std::string Upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n')) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> SplitSpaces(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') {
            ++at;
        }
        const std::size_t start = at;
        while (at < text.size() && text[at] != ' ') {
            ++at;
        }
        if (at > start) {
            parts.push_back(text.substr(start, at - start));
        }
    }
    return parts;
}

std::vector<std::string> LetterWords(std::string_view text)
{
    return LowerLetterRuns(text);
}

bool HasCapital(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::size_t WordCount(std::string_view text)
{
    return SplitSpaces(text).size();
}

bool ContainsWord(std::string_view text, std::string_view word)
{
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const bool startOk = at == 0 || !IsLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endOk = end == text.size() || !IsLetter(text[end]);
        if (startOk && endOk) {
            return true;
        }
    }
    return false;
}

bool IsLowerAlpha(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool IsVowel(char letter)
{
    return letter == 'a' || letter == 'e' || letter == 'i' || letter == 'o' || letter == 'u';
}

}  // namespace quillby::data
