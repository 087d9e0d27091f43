#include "core/common/clue_markup.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "core/common/html_tokens.h"
#include "core/common/text_encoding.h"

namespace quillby {

namespace {

// HTML's named entities for Latin-1 and the typographic ones clues use.
constexpr std::pair<std::string_view, char32_t> kNamedEntities[] = {
    {"quot", 0x22},     {"amp", 0x26},      {"apos", 0x27},     {"lt", 0x3C},
    {"gt", 0x3E},       {"nbsp", 0xA0},     {"iexcl", 0xA1},    {"cent", 0xA2},
    {"pound", 0xA3},    {"curren", 0xA4},   {"yen", 0xA5},      {"brvbar", 0xA6},
    {"sect", 0xA7},     {"uml", 0xA8},      {"copy", 0xA9},     {"ordf", 0xAA},
    {"laquo", 0xAB},    {"not", 0xAC},      {"shy", 0xAD},      {"reg", 0xAE},
    {"macr", 0xAF},     {"deg", 0xB0},      {"plusmn", 0xB1},   {"sup2", 0xB2},
    {"sup3", 0xB3},     {"acute", 0xB4},    {"micro", 0xB5},    {"para", 0xB6},
    {"middot", 0xB7},   {"cedil", 0xB8},    {"sup1", 0xB9},     {"ordm", 0xBA},
    {"raquo", 0xBB},    {"frac14", 0xBC},   {"frac12", 0xBD},   {"frac34", 0xBE},
    {"iquest", 0xBF},   {"Agrave", 0xC0},   {"Aacute", 0xC1},   {"Acirc", 0xC2},
    {"Atilde", 0xC3},   {"Auml", 0xC4},     {"Aring", 0xC5},    {"AElig", 0xC6},
    {"Ccedil", 0xC7},   {"Egrave", 0xC8},   {"Eacute", 0xC9},   {"Ecirc", 0xCA},
    {"Euml", 0xCB},     {"Igrave", 0xCC},   {"Iacute", 0xCD},   {"Icirc", 0xCE},
    {"Iuml", 0xCF},     {"ETH", 0xD0},      {"Ntilde", 0xD1},   {"Ograve", 0xD2},
    {"Oacute", 0xD3},   {"Ocirc", 0xD4},    {"Otilde", 0xD5},   {"Ouml", 0xD6},
    {"times", 0xD7},    {"Oslash", 0xD8},   {"Ugrave", 0xD9},   {"Uacute", 0xDA},
    {"Ucirc", 0xDB},    {"Uuml", 0xDC},     {"Yacute", 0xDD},   {"THORN", 0xDE},
    {"szlig", 0xDF},    {"agrave", 0xE0},   {"aacute", 0xE1},   {"acirc", 0xE2},
    {"atilde", 0xE3},   {"auml", 0xE4},     {"aring", 0xE5},    {"aelig", 0xE6},
    {"ccedil", 0xE7},   {"egrave", 0xE8},   {"eacute", 0xE9},   {"ecirc", 0xEA},
    {"euml", 0xEB},     {"igrave", 0xEC},   {"iacute", 0xED},   {"icirc", 0xEE},
    {"iuml", 0xEF},     {"eth", 0xF0},      {"ntilde", 0xF1},   {"ograve", 0xF2},
    {"oacute", 0xF3},   {"ocirc", 0xF4},    {"otilde", 0xF5},   {"ouml", 0xF6},
    {"divide", 0xF7},   {"oslash", 0xF8},   {"ugrave", 0xF9},   {"uacute", 0xFA},
    {"ucirc", 0xFB},    {"uuml", 0xFC},     {"yacute", 0xFD},   {"thorn", 0xFE},
    {"yuml", 0xFF},     {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},    {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"pi", 0x3C0},      {"ensp", 0x2002},   {"emsp", 0x2003},
    {"thinsp", 0x2009}, {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},
    {"rsquo", 0x2019},  {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"bdquo", 0x201E},  {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},
    {"hellip", 0x2026}, {"permil", 0x2030}, {"prime", 0x2032},  {"Prime", 0x2033},
    {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},   {"trade", 0x2122},
    {"larr", 0x2190},   {"uarr", 0x2191},   {"rarr", 0x2192},   {"darr", 0x2193},
    {"harr", 0x2194},   {"minus", 0x2212},  {"hearts", 0x2665}, {"spades", 0x2660},
    {"clubs", 0x2663},  {"diams", 0x2666},
};

constexpr std::size_t kLongestEntity = 12;  // "&#x10FFFF;" and the longest name fit
// A longer stretch is not taken for a tag, so a text of many '<' stays linear.
constexpr std::size_t kLongestTag = 256;

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A tag at text[at] == '<': its lower-case name, whether it closes, and where it ends.
struct Tag {
    std::string name;
    bool closing = false;
    std::size_t end = 0;  // one past its '>'
};

std::optional<Tag> ReadTag(std::string_view text, std::size_t at)
{
    Tag tag;
    std::size_t position = at + 1;
    if (position < text.size() && text[position] == '/') {
        tag.closing = true;
        ++position;
    }
    if (position >= text.size() || !IsAsciiLetter(text[position])) {
        return std::nullopt;
    }
    while (position < text.size() &&
           (IsAsciiLetter(text[position]) || IsAsciiDigit(text[position]))) {
        tag.name += Lower(text[position++]);
    }
    // "<br>", "<br/>" and "<font color=red>" are tags; "<a:b>" and "<3" are text.
    if (position >= text.size() ||
        !(text[position] == '>' || text[position] == '/' || IsSpace(text[position]))) {
        return std::nullopt;
    }
    // Attributes run to the '>' that no quote encloses.
    char quote = 0;
    const std::size_t limit = std::min(text.size(), at + kLongestTag);
    for (; position < limit; ++position) {
        const char c = text[position];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.end = position + 1;
            return tag;
        } else if (c == '<') {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// The entity at text[at] == '&': its character and where it ends.
std::optional<std::pair<char32_t, std::size_t>> ReadEntity(std::string_view text, std::size_t at)
{
    // Only a short stretch is searched, so a text of many '&' stays linear.
    const std::size_t semicolon = text.substr(0, at + 2 + kLongestEntity).find(';', at + 1);
    if (semicolon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<char32_t> character =
        EntityCharacter(text.substr(at + 1, semicolon - at - 1));
    if (!character) {
        return std::nullopt;
    }
    return std::pair{*character, semicolon + 1};
}

// The markup form of a tag an .ipuz clue may hold; empty for one that is dropped.
std::string_view KeptTag(const Tag& tag)
{
    static constexpr std::pair<std::string_view, std::string_view> kKept[] = {
        {"b", "b"}, {"strong", "b"}, {"i", "i"},     {"em", "i"},
        {"u", "u"}, {"sub", "sub"},  {"sup", "sup"},
    };
    for (const auto& [name, kept] : kKept) {
        if (tag.name == name) {
            return kept;
        }
    }
    return {};
}

class MarkupBuilder {
public:
    void Text(char32_t character)
    {
        if (character < 0x20 || character == ' ') {
            Space();
            return;
        }
        FlushSpace();
        atLineStart = false;
        switch (character) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            default:
                AppendUtf8(out, character);
        }
    }
    void Space() { pendingSpace = true; }
    // A space before an opening tag goes before it, a space before a closing tag after it:
    // "a <i>b </i>c" becomes "a <i>b</i> c", as it was written.
    void Tag(std::string_view name, bool closing)
    {
        if (!closing) {
            FlushSpace();
        }
        out += closing ? "</" : "<";
        out += name;
        out += '>';
    }
    void Break()
    {
        out += "<br>";
        pendingSpace = false;
        atLineStart = true;
    }

    std::string out;

private:
    void FlushSpace()
    {
        if (pendingSpace && !atLineStart) {
            out += ' ';
        }
        pendingSpace = false;
    }

    bool pendingSpace = false;
    bool atLineStart = true;
};

}  // namespace

std::optional<char32_t> EntityCharacter(std::string_view name)
{
    if (name.size() >= 2 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        std::string_view digits = name.substr(hex ? 2 : 1);
        if (digits.empty() || digits.size() > 8) {
            return std::nullopt;
        }
        char32_t value = 0;
        for (const char c : digits) {
            int digit = -1;
            if (IsAsciiDigit(c)) {
                digit = c - '0';
            } else if (hex && Lower(c) >= 'a' && Lower(c) <= 'f') {
                digit = Lower(c) - 'a' + 10;
            }
            if (digit < 0) {
                return std::nullopt;
            }
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return std::nullopt;
        }
        return value;
    }
    for (const auto& [entity, character] : kNamedEntities) {
        if (entity == name) {
            return character;
        }
    }
    return std::nullopt;
}

std::string ClueMarkupFromHtml(std::string_view html)
{
    MarkupBuilder markup;
    std::size_t position = 0;
    while (position < html.size()) {
        const char c = html[position];
        if (c == '<') {
            if (const std::optional<Tag> tag = ReadTag(html, position)) {
                position = tag->end;
                if (tag->name == "br") {
                    markup.Break();
                } else if (const std::string_view kept = KeptTag(*tag); !kept.empty()) {
                    markup.Tag(kept, tag->closing);
                } else if (tag->name == "p" || tag->name == "div" || tag->name == "li") {
                    markup.Space();
                }
                continue;
            }
        } else if (c == '&') {
            if (const auto entity = ReadEntity(html, position)) {
                markup.Text(entity->first);
                position = entity->second;
                continue;
            }
        }
        const std::optional<char32_t> character = NextUtf8(html, position);
        if (!character) {
            ++position;
        }
        markup.Text(character.value_or(0xFFFD));
    }
    return std::move(markup.out);
}

std::string PlainTextOfMarkup(std::string_view markup)
{
    std::string plain;
    plain.reserve(markup.size());
    std::size_t position = 0;
    while (position < markup.size()) {
        const char c = markup[position];
        if (c == '<') {
            if (const std::optional<Tag> tag = ReadTag(markup, position)) {
                position = tag->end;
                if ((tag->name == "br" || tag->name == "p") && !plain.empty() &&
                    plain.back() != ' ') {
                    plain += ' ';
                }
                continue;
            }
        } else if (c == '&') {
            if (const auto entity = ReadEntity(markup, position)) {
                AppendUtf8(plain, entity->first);
                position = entity->second;
                continue;
            }
        }
        plain += c;
        ++position;
    }
    return plain;
}

std::string PlainTextFromHtml(std::string_view html)
{
    const std::string markup = ClueMarkupFromHtml(html);
    std::string lines;
    std::size_t start = 0;
    for (std::size_t at = markup.find("<br>"); at != std::string::npos;
         at = markup.find("<br>", start)) {
        lines += PlainTextOfMarkup(std::string_view(markup).substr(start, at - start)) + '\n';
        start = at + 4;
    }
    lines += PlainTextOfMarkup(std::string_view(markup).substr(start));
    // Empty tags may have left two spaces together, or a space at the end of a line: written
    // back and read again, the text must come out the same.
    std::string plain;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const char c = lines[i];
        const bool lineEdge =
            plain.empty() || plain.back() == '\n' || i + 1 == lines.size() || lines[i + 1] == '\n';
        if (c == ' ' && (lineEdge || plain.back() == ' ' || lines[i + 1] == ' ')) {
            continue;
        }
        plain += c;
    }
    return plain;
}

std::string HtmlFromPlainText(std::string_view plain)
{
    std::string html;
    std::size_t start = 0;
    for (std::size_t end = plain.find('\n'); end != std::string_view::npos;
         end = plain.find('\n', start)) {
        html += EscapeHtmlText(plain.substr(start, end - start)) + "<br>";
        start = end + 1;
    }
    return html + EscapeHtmlText(plain.substr(start));
}

}  // namespace quillby
