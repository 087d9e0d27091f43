#include "core/common/html_tokens.h"

#include <array>

namespace quillby {

namespace {

struct TagRow {
    std::string_view name;
    HtmlTag tag;
    bool takesAttributes;
    bool block;
};

// Searched from the last row up, and a row matches when its name starts the tag's name, so
// "br" is found before "b", and "bogus" still means bold.
constexpr std::array<TagRow, 10> kTagTable = {{
    {"b", HtmlTag::Bold, false, false},
    {"br", HtmlTag::LineBreak, false, true},
    {"em", HtmlTag::Italic, false, false},
    {"font", HtmlTag::Font, true, false},
    {"i", HtmlTag::Italic, false, false},
    {"p", HtmlTag::Paragraph, false, true},
    {"strong", HtmlTag::Bold, false, false},
    {"sub", HtmlTag::Subscript, false, false},
    {"sup", HtmlTag::Superscript, false, false},
    {"u", HtmlTag::Underline, false, false},
}};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) {
            return false;
        }
    }
    return true;
}

const TagRow* MatchTag(std::string_view name)
{
    for (auto row = kTagTable.rbegin(); row != kTagTable.rend(); ++row) {
        if (StartsWithNoCase(name, row->name)) {
            return &*row;
        }
    }
    return nullptr;
}

// Reads a tag's name, and its attributes where it takes them, up to (not past) its '>'. The
// tag's row, or null when the tag is unknown or malformed.
const TagRow* ReadTagBody(std::string_view text, std::size_t& position, bool closing)
{
    const std::size_t nameStart = position;
    while (position < text.size() && !IsSpace(text[position]) && text[position] != '<' &&
           text[position] != '>') {
        ++position;
    }
    const TagRow* row = MatchTag(text.substr(nameStart, position - nameStart));
    if (row != nullptr && !closing && row->takesAttributes) {
        while (position < text.size() && text[position] != '<' && text[position] != '>') {
            ++position;
        }
        return row;
    }
    if (row != nullptr && (position >= text.size() || text[position] != '>')) {
        return nullptr;
    }
    return row;
}

int HexDigit(std::string_view text, std::size_t at)
{
    if (at >= text.size()) {
        return 0;
    }
    const char c = text[at];
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

}  // namespace

bool HtmlTokenizer::Next(HtmlToken& token)
{
    // A stray closing tag yields nothing, so reading goes on after it.
    for (;;) {
        const bool wasPending = pendingSpace;
        if (!pendingSpace && position < text.size() && IsSpace(text[position])) {
            pendingSpace = true;
        }
        SkipSpace();
        if (position >= text.size()) {
            return false;
        }
        token = HtmlToken{};
        token.start = position;
        if (text[position] != '<') {
            ReadWord(token);
            return true;
        }
        if (ReadTag(token, wasPending)) {
            return true;
        }
    }
}

void HtmlTokenizer::ReadWord(HtmlToken& token)
{
    const std::size_t start = position;
    while (position < text.size() && !IsSpace(text[position]) && text[position] != '<') {
        ++position;
    }
    token.text = DecodeHtmlEntities(text.substr(start, position - start));
    token.spaceBefore = pendingSpace;
    pendingSpace = false;
}

bool HtmlTokenizer::ReadTag(HtmlToken& token, bool wasPending)
{
    const std::size_t start = position++;  // the '<'
    const bool closing = position < text.size() && text[position] == '/';
    if (closing) {
        ++position;
    }
    const TagRow* row = ReadTagBody(text, position, closing);
    if (row != nullptr && row->block) {
        pendingSpace = false;
    }
    if (position < text.size() && text[position] == '>') {
        ++position;
    }
    if (row != nullptr && (row->block || wasPending)) {
        SkipSpace();
    }
    if (row != nullptr) {
        token.tag = row->tag;
        token.closing = closing;
        if (row->tag == HtmlTag::Font && !closing) {
            token.colour = FontTagColour(text.substr(start));
        }
        return true;
    }
    if (closing) {
        return false;
    }
    // An unknown opening tag shows as the text it is.
    token.text = std::string(text.substr(start, position - start));
    token.spaceBefore = pendingSpace;
    pendingSpace = false;
    return true;
}

void HtmlTokenizer::SkipSpace()
{
    while (position < text.size() && IsSpace(text[position])) {
        ++position;
    }
}

std::optional<std::uint32_t> FontTagColour(std::string_view fromTag)
{
    constexpr std::size_t kAttribute = 6;  // "<font" and one separator
    if (fromTag.size() < kAttribute || !StartsWithNoCase(fromTag.substr(kAttribute), "color=")) {
        return std::nullopt;
    }
    std::size_t at = kAttribute + 6;
    if (at < fromTag.size() && (fromTag[at] == '"' || fromTag[at] == '\'')) {
        ++at;
    }
    if (at < fromTag.size() && fromTag[at] == '#') {
        ++at;
    }
    std::uint32_t colour = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        colour = (colour << 4) | static_cast<std::uint32_t>(HexDigit(fromTag, at + i));
    }
    return colour;
}

std::uint32_t HtmlColourStack::Push(std::uint32_t current, std::uint32_t colour)
{
    if (depth < kSlots) {
        saved[static_cast<std::size_t>(depth++)] = current;
    }
    return colour;
}

std::uint32_t HtmlColourStack::Pop()
{
    if (depth >= 1) {
        --depth;
    }
    return saved[static_cast<std::size_t>(depth)];
}

std::string EscapeHtmlText(std::string_view plain)
{
    std::string escaped;
    escaped.reserve(plain.size());
    for (const char c : plain) {
        switch (c) {
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '&':
                escaped += "&amp;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string DecodeHtmlEntities(std::string_view word)
{
    static constexpr std::array<std::pair<std::string_view, char>, 3> kEntities = {
        {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}}};
    std::string decoded;
    decoded.reserve(word.size());
    std::size_t at = 0;
    while (at < word.size()) {
        bool matched = false;
        if (word[at] == '&') {
            for (const auto& [entity, c] : kEntities) {
                if (word.substr(at, entity.size()) == entity) {
                    decoded += c;
                    at += entity.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched) {
            decoded += word[at++];
        }
    }
    return decoded;
}

}  // namespace quillby
