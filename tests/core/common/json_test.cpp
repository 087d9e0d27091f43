#include <gtest/gtest.h>

#include <string>

#include "core/common/json.h"

namespace quillby {
namespace {

std::string ErrorOf(std::string_view text, const JsonLimits& limits = {})
{
    const Result<JsonValue> parsed = ParseJson(text, limits);
    return parsed ? "" : parsed.Error();
}

TEST(Json, ReadsEveryKindOfValue)
{
    const auto parsed = ParseJson(R"( {"a": [1, -2.5e2, true, false, null], "b": {"c": "d"},
        "s": "q\"\\\/\b\f\n\r\t\u00e9\ud83d\ude00", "e": {}, "f": []} )");
    ASSERT_TRUE(parsed) << parsed.Error();
    const JsonValue& value = parsed.Value();
    ASSERT_TRUE(value.IsObject());
    const JsonValue& a = *value.Find("a");
    ASSERT_EQ(a.Items().size(), 5u);
    EXPECT_EQ(a.Items()[0].AsInteger(), 1);
    EXPECT_EQ(a.Items()[1].AsNumber(), -250.0);
    EXPECT_EQ(a.Items()[1].AsInteger(), -250);
    EXPECT_TRUE(a.Items()[2].AsBool());
    EXPECT_TRUE(a.Items()[3].IsBool());
    EXPECT_TRUE(a.Items()[4].IsNull());
    EXPECT_EQ(value.Find("b")->Find("c")->AsString(), "d");
    EXPECT_EQ(value.Find("s")->AsString(), "q\"\\/\b\f\n\r\t\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_TRUE(value.Find("e")->Members().empty());
    EXPECT_TRUE(value.Find("f")->Items().empty());
    EXPECT_EQ(value.Find("missing"), nullptr);
    EXPECT_EQ(value.Members()[1].first, "b");  // file order is kept

    EXPECT_FALSE(JsonValue(1.5).AsInteger());
    EXPECT_FALSE(JsonValue("1").AsInteger());
    // A byte-order mark before the value is allowed.
    EXPECT_TRUE(ParseJson("\xEF\xBB\xBF[1]"));
}

TEST(Json, RefusesWhatIsNotStrictJsonSayingWhere)
{
    EXPECT_EQ(ErrorOf("{\"a\" 1}"), "expected ':' after an object key at line 1, column 6");
    EXPECT_EQ(ErrorOf("[1,\n 2,\n ]"), "unexpected character at line 3, column 2");
    EXPECT_EQ(ErrorOf("{\"a\": 1, \"a\": 2}"),
              "the key \"a\" appears twice in one object at line 1, column 10");
    EXPECT_EQ(ErrorOf(""), "the text ends where a value was expected at line 1, column 1");
    EXPECT_EQ(ErrorOf("[1] x"), "unexpected text after the value at line 1, column 5");
    EXPECT_EQ(ErrorOf("\"ab"), "the text ends inside a string at line 1, column 4");
    EXPECT_EQ(ErrorOf("\"a\nb\""),
              "a control character stands unescaped in a string at line 1, column 3");
    EXPECT_EQ(ErrorOf("\"\xC3\x28\""),
              "a string holds bytes that are not UTF-8 at line 1, column 2");
    EXPECT_EQ(ErrorOf("\"\xED\xA0\x80\""),  // an encoded surrogate
              "a string holds bytes that are not UTF-8 at line 1, column 2");
    EXPECT_EQ(ErrorOf("\"\\ud800\""),
              "a \\u escape holds a lone high surrogate at line 1, column 8");
    EXPECT_EQ(ErrorOf("\"\\udc00x\""),
              "a \\u escape holds a lone low surrogate at line 1, column 8");
    EXPECT_EQ(ErrorOf("\"\\x\""), "unknown escape in a string at line 1, column 3");
    EXPECT_EQ(ErrorOf("01"), "unexpected text after the value at line 1, column 2");
    EXPECT_EQ(ErrorOf("1."), "a number needs digits after its decimal point at line 1, column 3");
    EXPECT_EQ(ErrorOf("1e999"), "a number is out of range at line 1, column 1");
    EXPECT_EQ(ErrorOf("tru"), "unexpected character at line 1, column 1");
    EXPECT_EQ(ErrorOf("/* c */ 1"), "unexpected character at line 1, column 1");
    EXPECT_EQ(ErrorOf("[1,]"), "unexpected character at line 1, column 4");
    EXPECT_NE(ErrorOf("NaN"), "");
}

TEST(Json, RefusesTextBeyondItsLimits)
{
    const JsonLimits limits{.maxBytes = 100, .maxDepth = 3};
    EXPECT_EQ(ErrorOf("[[[1]]]", limits), "");
    EXPECT_EQ(ErrorOf("[[[[1]]]]", limits),
              "arrays and objects nest deeper than 3 at line 1, column 4");
    EXPECT_EQ(ErrorOf(std::string(101, ' ') + "1", limits),
              "is 102 bytes long, more than the 100 allowed");
    // The default depth stops a hostile nesting long before the stack would.
    EXPECT_NE(ErrorOf(std::string(100000, '[')), "");
    EXPECT_NE(ErrorOf(std::string(50000, '{')), "");
}

TEST(Json, WritesWhatItReadsBack)
{
    JsonValue value = JsonValue::MakeObject();
    value.Set("text", "é \"quoted\"\n\x01 \xFF");
    value.Set("whole", 42);
    value.Set("half", 0.5);
    JsonValue& grid = value.Set("grid", JsonValue::MakeArray());
    JsonValue row = JsonValue::MakeArray();
    row.Add(1);
    row.Add("#");
    row.Add(JsonValue());
    grid.Add(row);
    value.Set("flag", false);

    const std::string pretty = WriteJson(value);
    EXPECT_NE(pretty.find("\"grid\": [\n    [1, \"#\", null]\n  ]"), std::string::npos) << pretty;
    EXPECT_NE(pretty.find("\"whole\": 42,"), std::string::npos);
    EXPECT_NE(pretty.find("\\u0001"), std::string::npos);
    const auto back = ParseJson(pretty);
    ASSERT_TRUE(back) << back.Error();
    // The invalid byte comes back as U+FFFD; everything else exactly.
    EXPECT_EQ(back->Find("text")->AsString(), "é \"quoted\"\n\x01 \xEF\xBF\xBD");
    EXPECT_EQ(back->Find("grid")->Items()[0], row);
    EXPECT_EQ(back->Find("half")->AsNumber(), 0.5);
    EXPECT_EQ(WriteJson(value, false).find('\n'), std::string::npos);
    EXPECT_EQ(ParseJson(WriteJson(value, false))->Find("whole")->AsInteger(), 42);
}

}  // namespace
}  // namespace quillby
