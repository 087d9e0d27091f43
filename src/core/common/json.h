#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// One JSON value. Objects keep their members in file order; a key appears once.
class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };
    using Array = std::vector<JsonValue>;
    using Member = std::pair<std::string, JsonValue>;
    using Object = std::vector<Member>;

    JsonValue() = default;                                       // null
    JsonValue(bool value) : kind(Kind::Bool), boolean(value) {}  // NOLINT: values read naturally
    JsonValue(int value) : kind(Kind::Number), number(value) {}  // NOLINT
    JsonValue(std::int64_t value)
        : kind(Kind::Number), number(static_cast<double>(value)) {}               // NOLINT
    JsonValue(double value) : kind(Kind::Number), number(value) {}                // NOLINT
    JsonValue(std::string value) : kind(Kind::String), text(std::move(value)) {}  // NOLINT
    JsonValue(const char* value) : kind(Kind::String), text(value) {}             // NOLINT
    static JsonValue MakeArray() { return JsonValue(Kind::Array); }
    static JsonValue MakeObject() { return JsonValue(Kind::Object); }

    Kind GetKind() const { return kind; }
    bool IsNull() const { return kind == Kind::Null; }
    bool IsBool() const { return kind == Kind::Bool; }
    bool IsNumber() const { return kind == Kind::Number; }
    bool IsString() const { return kind == Kind::String; }
    bool IsArray() const { return kind == Kind::Array; }
    bool IsObject() const { return kind == Kind::Object; }

    // Each accessor is for a value of its own kind: false, 0 or empty otherwise.
    bool AsBool() const { return kind == Kind::Bool && boolean; }
    double AsNumber() const { return kind == Kind::Number ? number : 0; }
    const std::string& AsString() const { return text; }
    const Array& Items() const { return items; }
    const Object& Members() const { return members; }
    // A number with a whole value in [-2^53, 2^53]; nullopt for anything else.
    std::optional<std::int64_t> AsInteger() const;
    // The member's value, or null when there is no such member or this is not an object.
    const JsonValue* Find(std::string_view key) const;

    // Building (a writer's side): Add appends to an array, Set adds or replaces a member.
    JsonValue& Add(JsonValue value);
    JsonValue& Set(std::string key, JsonValue value);
    // Appends a member without looking for one of the same key (the reader has checked).
    void AppendMember(std::string key, JsonValue value);

    bool operator==(const JsonValue&) const = default;

private:
    explicit JsonValue(Kind kind) : kind(kind) {}

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    Array items;
    Object members;
};

// What the reader accepts at most; anything beyond is refused, never truncated.
struct JsonLimits {
    std::size_t maxBytes = 4 * 1024 * 1024;
    int maxDepth = 64;  // arrays and objects nested in each other
};

// Reads one JSON text (RFC 8259) strictly: nothing but whitespace after the value, no
// comments or trailing commas, UTF-8 checked (a leading byte-order mark is skipped), duplicate
// keys and lone surrogates refused. The reason names what was wrong and where ("expected ':'
// after an object key at line 3, column 12").
Result<JsonValue> ParseJson(std::string_view text, const JsonLimits& limits = {});

// The JSON text of a value. Pretty: two-space indents, and an array with no array in it (a grid
// row, a clue) on one line. Strings keep their characters as UTF-8; invalid UTF-8 becomes U+FFFD.
std::string WriteJson(const JsonValue& value, bool pretty = true);

}  // namespace quillby
