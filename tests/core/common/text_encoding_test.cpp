#include <gtest/gtest.h>

#include <string>

#include "core/common/clue_markup.h"
#include "core/common/text_encoding.h"

namespace quillby {
namespace {

TEST(TextEncoding, Windows1252RoundTripsEveryByteThroughUtf8)
{
    // The row that ISO-8859-1 would make control characters holds typographic marks.
    EXPECT_EQ(Windows1252ToUtf8("\x93Quoted\x94 \x91it\x92s\x85 \x80"
                                "5 \x96 caf\xE9"),
              "“Quoted” ‘it’s… €5 – café");
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string utf8 = Windows1252ToUtf8(everyByte);
    EXPECT_FALSE(FindInvalidUtf8(utf8));
    EXPECT_EQ(Utf8ToWindows1252(utf8), everyByte);
}

TEST(TextEncoding, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1252("Ωmega “ok” 日本"), "?mega \x93ok\x94 ??");
    EXPECT_EQ(Utf8ToWindows1252(std::string("a\0b", 3)), "a?b");  // a NUL would end the string
    EXPECT_EQ(Utf8ToWindows1252("bad \xC3 byte"), "bad ? byte");
}

TEST(TextEncoding, Utf8IsCheckedStrictly)
{
    EXPECT_FALSE(FindInvalidUtf8("plain, é, 😀"));
    EXPECT_EQ(FindInvalidUtf8("ab\xC0\xAF"), 2u);         // overlong '/'
    EXPECT_EQ(FindInvalidUtf8("a\xED\xA0\x80"), 1u);      // a surrogate
    EXPECT_EQ(FindInvalidUtf8("a\xF4\x90\x80\x80"), 1u);  // past U+10FFFF
    EXPECT_EQ(FindInvalidUtf8("abc\xE2\x82"), 3u);        // truncated
    EXPECT_EQ(ValidUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    std::string out;
    AppendUtf8(out, 0xD800);
    EXPECT_EQ(out, "\xEF\xBF\xBD");
}

TEST(ClueMarkup, HtmlCluesBecomeTheClueWindowsMarkup)
{
    EXPECT_EQ(ClueMarkupFromHtml("<i>Tom Sawyer</i> author"), "<i>Tom Sawyer</i> author");
    EXPECT_EQ(ClueMarkupFromHtml("<EM>A</EM> <strong class=\"x\">B</strong> C<br/>D"),
              "<i>A</i> <b>B</b> C<br>D");
    EXPECT_EQ(ClueMarkupFromHtml("Caf&eacute; &amp; bar &#8220;x&#x201D; &lt;3 &bogus; 5 > 4"),
              "Café &amp; bar “x” &lt;3 &amp;bogus; 5 &gt; 4");
    EXPECT_EQ(ClueMarkupFromHtml("  two\n\tlines <span style='a>b'>here</span>  "),
              "two lines here");
    EXPECT_EQ(ClueMarkupFromHtml("a < b <3 <a:b>"), "a &lt; b &lt;3 &lt;a:b&gt;");
    EXPECT_EQ(ClueMarkupFromHtml("H<sub>2</sub>O, E = mc<sup>2</sup>, <u>u</u>"),
              "H<sub>2</sub>O, E = mc<sup>2</sup>, <u>u</u>");
    // Already markup: nothing changes, so reading a file we wrote gives the same text.
    for (const char* markup : {"<i>A</i> <b>B</b> C<br>D", "Café &amp; bar &lt;3 &gt;", "a"}) {
        EXPECT_EQ(ClueMarkupFromHtml(markup), markup);
    }
    // Hostile input stays linear and gives some text.
    EXPECT_FALSE(
        ClueMarkupFromHtml(std::string(200000, '<') + "<a \"" + std::string(100000, '&')).empty());
}

TEST(ClueMarkup, PlainTextDropsTagsAndDecodesEntities)
{
    EXPECT_EQ(PlainTextOfMarkup("<i>Tom</i> &amp; <b>Huck</b>&#8217;s<br>raft"),
              "Tom & Huck’s raft");
    EXPECT_EQ(PlainTextOfMarkup("Café crème — 50% off? (5,4) «Ω»"),
              "Café crème — 50% off? (5,4) «Ω»");
    EXPECT_EQ(PlainTextOfMarkup("a  b &lt;c&gt; &unknown; 1 < 2"), "a  b <c> &unknown; 1 < 2");
    EXPECT_EQ(EntityCharacter("#233"), U'é');
    EXPECT_EQ(EntityCharacter("#xE9"), U'é');
    EXPECT_EQ(EntityCharacter("rsquo"), U'’');
    EXPECT_FALSE(EntityCharacter("#0"));
    EXPECT_FALSE(EntityCharacter("#xD800"));
    EXPECT_FALSE(EntityCharacter("#x110000"));
    EXPECT_FALSE(EntityCharacter("nope"));
}

}  // namespace
}  // namespace quillby
