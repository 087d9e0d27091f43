#include "core/common/json.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "core/common/text_encoding.h"

namespace quillby {

namespace {

constexpr double kLargestExactInteger = 9007199254740992.0;  // 2^53

class JsonParser {
public:
    JsonParser(std::string_view text, const JsonLimits& limits) : text(text), limits(limits) {}

    Result<JsonValue> Parse()
    {
        if (text.size() > limits.maxBytes) {
            return Result<JsonValue>::Failure("is " + std::to_string(text.size()) +
                                              " bytes long, more than the " +
                                              std::to_string(limits.maxBytes) + " allowed");
        }
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            position = 3;
        }
        JsonValue value;
        if (ReadValue(value, 0)) {
            SkipSpace();
            if (position != text.size()) {
                Fail("unexpected text after the value");
            }
        }
        if (!error.empty()) {
            return Result<JsonValue>::Failure(error + " at " + Where());
        }
        return value;
    }

private:
    bool Fail(std::string what)
    {
        if (error.empty()) {
            error = std::move(what);
        }
        return false;
    }

    std::string Where() const
    {
        int line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < position && i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        return "line " + std::to_string(line) + ", column " +
               std::to_string(position - lineStart + 1);
    }

    void SkipSpace()
    {
        while (position < text.size() && (text[position] == ' ' || text[position] == '\t' ||
                                          text[position] == '\n' || text[position] == '\r')) {
            ++position;
        }
    }

    bool Literal(std::string_view word)
    {
        if (text.substr(position, word.size()) != word) {
            return Fail("unexpected character");
        }
        position += word.size();
        return true;
    }

    bool ReadValue(JsonValue& value, int depth)
    {
        SkipSpace();
        if (position >= text.size()) {
            return Fail("the text ends where a value was expected");
        }
        switch (text[position]) {
            case '{':
                return ReadObject(value, depth + 1);
            case '[':
                return ReadArray(value, depth + 1);
            case '"': {
                std::string string;
                if (!ReadString(string)) {
                    return false;
                }
                value = JsonValue(std::move(string));
                return true;
            }
            case 't':
                value = JsonValue(true);
                return Literal("true");
            case 'f':
                value = JsonValue(false);
                return Literal("false");
            case 'n':
                value = JsonValue();
                return Literal("null");
            default:
                return ReadNumber(value);
        }
    }

    bool Nest(int depth)
    {
        if (depth > limits.maxDepth) {
            return Fail("arrays and objects nest deeper than " + std::to_string(limits.maxDepth));
        }
        ++position;  // the opening bracket
        SkipSpace();
        return true;
    }

    bool ReadArray(JsonValue& value, int depth)
    {
        if (!Nest(depth)) {
            return false;
        }
        value = JsonValue::MakeArray();
        if (position < text.size() && text[position] == ']') {
            ++position;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!ReadValue(item, depth)) {
                return false;
            }
            value.Add(std::move(item));
            SkipSpace();
            if (position < text.size() && text[position] == ',') {
                ++position;
                continue;
            }
            if (position < text.size() && text[position] == ']') {
                ++position;
                return true;
            }
            return Fail("expected ',' or ']' in an array");
        }
    }

    bool ReadObject(JsonValue& value, int depth)
    {
        if (!Nest(depth)) {
            return false;
        }
        value = JsonValue::MakeObject();
        if (position < text.size() && text[position] == '}') {
            ++position;
            return true;
        }
        std::unordered_set<std::string> keys;
        for (;;) {
            SkipSpace();
            std::string key;
            if (position >= text.size() || text[position] != '"') {
                return Fail("expected a quoted key in an object");
            }
            const std::size_t keyStart = position;
            if (!ReadString(key)) {
                return false;
            }
            if (!keys.insert(key).second) {
                position = keyStart;
                return Fail("the key \"" + key + "\" appears twice in one object");
            }
            SkipSpace();
            if (position >= text.size() || text[position] != ':') {
                return Fail("expected ':' after an object key");
            }
            ++position;
            JsonValue member;
            if (!ReadValue(member, depth)) {
                return false;
            }
            value.AppendMember(std::move(key), std::move(member));
            SkipSpace();
            if (position < text.size() && text[position] == ',') {
                ++position;
                continue;
            }
            if (position < text.size() && text[position] == '}') {
                ++position;
                return true;
            }
            return Fail("expected ',' or '}' in an object");
        }
    }

    bool ReadHex4(char32_t& out)
    {
        if (text.size() - position < 4) {
            return Fail("the text ends inside a \\u escape");
        }
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text[position++];
            int digit = 0;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                --position;
                return Fail("a \\u escape needs four hex digits");
            }
            out = out * 16 + static_cast<char32_t>(digit);
        }
        return true;
    }

    bool ReadUnicodeEscape(std::string& out)
    {
        char32_t unit = 0;
        if (!ReadHex4(unit)) {
            return false;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            return Fail("a \\u escape holds a lone low surrogate");
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            char32_t low = 0;
            if (text.substr(position, 2) != "\\u") {
                return Fail("a \\u escape holds a lone high surrogate");
            }
            position += 2;
            if (!ReadHex4(low)) {
                return false;
            }
            if (low < 0xDC00 || low > 0xDFFF) {
                return Fail("a \\u escape holds a lone high surrogate");
            }
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, unit);
        return true;
    }

    bool ReadEscape(std::string& out)
    {
        if (position >= text.size()) {
            return Fail("the text ends inside a string");
        }
        const char c = text[position++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                return ReadUnicodeEscape(out);
            default:
                --position;
                return Fail("unknown escape in a string");
        }
    }

    bool ReadString(std::string& out)
    {
        ++position;  // the opening quote
        while (position < text.size()) {
            const char c = text[position];
            if (c == '"') {
                ++position;
                return true;
            }
            if (c == '\\') {
                ++position;
                if (!ReadEscape(out)) {
                    return false;
                }
                continue;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return Fail("a control character stands unescaped in a string");
            }
            const std::size_t start = position;
            if (!NextUtf8(text, position)) {
                return Fail("a string holds bytes that are not UTF-8");
            }
            out.append(text.substr(start, position - start));
        }
        return Fail("the text ends inside a string");
    }

    bool SkipDigits()
    {
        const std::size_t start = position;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9') {
            ++position;
        }
        return position > start;
    }

    bool ReadNumber(JsonValue& value)
    {
        const std::size_t start = position;
        if (position < text.size() && text[position] == '-') {
            ++position;
        }
        if (position < text.size() && text[position] == '0') {
            ++position;
        } else if (!SkipDigits()) {
            position = start;
            return Fail("unexpected character");
        }
        if (position < text.size() && text[position] == '.') {
            ++position;
            if (!SkipDigits()) {
                return Fail("a number needs digits after its decimal point");
            }
        }
        if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
            ++position;
            if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
                ++position;
            }
            if (!SkipDigits()) {
                return Fail("a number needs digits in its exponent");
            }
        }
        double number = 0;
        const auto [end, status] = std::from_chars(text.data() + start, text.data() + position,
                                                   number, std::chars_format::general);
        if (status != std::errc() || end != text.data() + position || !std::isfinite(number)) {
            position = start;
            return Fail("a number is out of range");
        }
        value = JsonValue(number);
        return true;
    }

    std::string_view text;
    const JsonLimits& limits;
    std::size_t position = 0;
    std::string error;
};

void WriteString(std::string& out, const std::string& raw)
{
    const std::string text = ValidUtf8(raw);
    out += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
}

void WriteNumber(std::string& out, double number)
{
    if (!std::isfinite(number)) {
        out += "null";  // JSON has no infinity; a writer bug, never a file's content
        return;
    }
    char digits[32];
    const auto [end, status] = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, status == std::errc() ? end : digits);
}

class JsonWriter {
public:
    explicit JsonWriter(bool pretty) : pretty(pretty) {}

    // inLine: inside an array written on one line, so no line breaks at all.
    void Write(const JsonValue& value, int depth, bool inLine)
    {
        switch (value.GetKind()) {
            case JsonValue::Kind::Null:
                out += "null";
                break;
            case JsonValue::Kind::Bool:
                out += value.AsBool() ? "true" : "false";
                break;
            case JsonValue::Kind::Number:
                WriteNumber(out, value.AsNumber());
                break;
            case JsonValue::Kind::String:
                WriteString(out, value.AsString());
                break;
            case JsonValue::Kind::Array:
                WriteArray(value, depth, inLine);
                break;
            case JsonValue::Kind::Object:
                WriteObject(value, depth, inLine);
                break;
        }
    }

    std::string out;

private:
    void Separate(bool first, int depth, bool inLine)
    {
        if (!first) {
            out += ',';
        }
        if (!pretty) {
            return;
        }
        if (inLine) {
            out += first ? "" : " ";
        } else {
            out += '\n';
            out.append(static_cast<std::size_t>(depth) * 2, ' ');
        }
    }

    // An array without arrays in it (a grid row, a clue) goes on one line.
    void WriteArray(const JsonValue& value, int depth, bool inLine)
    {
        const JsonValue::Array& items = value.Items();
        const bool oneLine =
            inLine || std::none_of(items.begin(), items.end(),
                                   [](const JsonValue& item) { return item.IsArray(); });
        out += '[';
        for (std::size_t i = 0; i < items.size(); ++i) {
            Separate(i == 0, depth + 1, oneLine);
            Write(items[i], depth + 1, oneLine);
        }
        if (!oneLine && !items.empty()) {
            Separate(true, depth, false);
        }
        out += ']';
    }

    void WriteObject(const JsonValue& value, int depth, bool inLine)
    {
        const JsonValue::Object& members = value.Members();
        out += '{';
        for (std::size_t i = 0; i < members.size(); ++i) {
            Separate(i == 0, depth + 1, inLine);
            WriteString(out, members[i].first);
            out += pretty ? ": " : ":";
            Write(members[i].second, depth + 1, inLine);
        }
        if (!inLine && !members.empty()) {
            Separate(true, depth, false);
        }
        out += '}';
    }

    bool pretty;
};

}  // namespace

std::optional<std::int64_t> JsonValue::AsInteger() const
{
    if (kind != Kind::Number || std::trunc(number) != number || number < -kLargestExactInteger ||
        number > kLargestExactInteger) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(number);
}

const JsonValue* JsonValue::Find(std::string_view key) const
{
    for (const Member& member : members) {
        if (member.first == key) {
            return &member.second;
        }
    }
    return nullptr;
}

JsonValue& JsonValue::Add(JsonValue value)
{
    items.push_back(std::move(value));
    return items.back();
}

void JsonValue::AppendMember(std::string key, JsonValue value)
{
    members.emplace_back(std::move(key), std::move(value));
}

JsonValue& JsonValue::Set(std::string key, JsonValue value)
{
    for (Member& member : members) {
        if (member.first == key) {
            member.second = std::move(value);
            return member.second;
        }
    }
    members.emplace_back(std::move(key), std::move(value));
    return members.back().second;
}

Result<JsonValue> ParseJson(std::string_view text, const JsonLimits& limits)
{
    return JsonParser(text, limits).Parse();
}

std::string WriteJson(const JsonValue& value, bool pretty)
{
    JsonWriter writer(pretty);
    writer.Write(value, 0, false);
    if (pretty) {
        writer.out += '\n';
    }
    return std::move(writer.out);
}

}  // namespace quillby
