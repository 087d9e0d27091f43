#include "core/common/html_tokens.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quillby {
namespace {

// The tokens of a text in a compact form: " w" a word after a separator, "w" a joined word,
// "<b>" "</b>" tags, "<font #rrggbb>" a font tag with a colour.
std::string Tokens(std::string_view text)
{
    static const char* const kNames[] = {"", "b", "br", "i", "font", "p", "sub", "sup", "u"};
    HtmlTokenizer tokenizer(text);
    HtmlToken token;
    std::string out;
    while (tokenizer.Next(token)) {
        if (token.tag == HtmlTag::None) {
            out += (token.spaceBefore ? " " : "") + token.text;
            continue;
        }
        out += token.closing ? "</" : "<";
        out += kNames[static_cast<int>(token.tag)];
        if (token.colour) {
            char hex[16];
            std::snprintf(hex, sizeof hex, " #%06x", *token.colour);
            out += hex;
        }
        out += ">";
    }
    return out;
}

TEST(HtmlTokenizer, WhitespaceCollapsesAndTagsDoNotSeparateWords)
{
    EXPECT_EQ(Tokens("a  b"), "a b");
    EXPECT_EQ(Tokens(" \t\r\n a \f\v b "), " a b");
    EXPECT_EQ(Tokens("ab<i>cd</i>"), "ab<i>cd</i>");
    EXPECT_EQ(Tokens("a <b> c"), "a<b> c");
    EXPECT_EQ(Tokens("a <b> <i> c"), "a<b><i> c");
    EXPECT_EQ(Tokens(""), "");
    EXPECT_EQ(Tokens("   "), "");
}

TEST(HtmlTokenizer, BreaksSwallowTheSpaceAroundThem)
{
    EXPECT_EQ(Tokens("a<br>  b"), "a<br>b");
    EXPECT_EQ(Tokens("a <br> b"), "a<br>b");
    EXPECT_EQ(Tokens("a <p> b </p> c"), "a<p>b</p>c");
    EXPECT_EQ(Tokens("a <BR> b"), "a<br>b");
}

TEST(HtmlTokenizer, TagNamesMatchByPrefixFromTheLastRow)
{
    EXPECT_EQ(Tokens("<bogus>x"), "<b>x");
    EXPECT_EQ(Tokens("<pre>x"), "<p>x");
    EXPECT_EQ(Tokens("<Strong>x</STRONG>"), "<b>x</b>");
    EXPECT_EQ(Tokens("<em>x</em><sub>y</sub><sup>z</sup><u>w</u>"),
              "<i>x</i><sub>y</sub><sup>z</sup><u>w</u>");
    EXPECT_EQ(Tokens("<img>"), "<i>");  // "i" is the first row from the end that fits
}

TEST(HtmlTokenizer, UnknownOrMalformedTagsShowAsTextOrVanish)
{
    // Text that ends inside a tag, or a '<' without a '>', must be read to its end and no
    // further: the tag is shown as text or dropped.
    EXPECT_EQ(Tokens("a</zzz>b"), "ab");
    EXPECT_EQ(Tokens("a<zzz>b"), "a<zzz>b");
    EXPECT_EQ(Tokens("<b x>y"), "<b x>y");  // a tag without attributes must close at once
    EXPECT_EQ(Tokens("a < b"), "a < b");    // an empty name is no tag
    EXPECT_EQ(Tokens("a<>b"), "a<>b");
    EXPECT_EQ(Tokens("x<"), "x<");    // '<' with nothing after it
    EXPECT_EQ(Tokens("x<b"), "x<b");  // ends inside a tag
    EXPECT_EQ(Tokens("x</"), "x");
    EXPECT_EQ(Tokens("x</b"), "x");
    EXPECT_EQ(Tokens("<<b>>"), "<<b>>");
    EXPECT_EQ(Tokens("</b></font>x"), "</b></font>x");
}

TEST(HtmlTokenizer, FontTagsReadTheirColour)
{
    EXPECT_EQ(Tokens("<font color=#ff0000>x</font>"), "<font #ff0000>x</font>");
    EXPECT_EQ(Tokens("<FONT COLOR=\"#00ff7F\">x"), "<font #00ff7f>x");
    EXPECT_EQ(Tokens("<font color='0000ff'>x"), "<font #0000ff>x");
    // Two spaces put "color=" one character late: no colour, but still a font tag.
    EXPECT_EQ(Tokens("<font  color=#ff0000>x</font>"), "<font>x</font>");
    EXPECT_EQ(Tokens("<font size=2>x"), "<font>x");
    // Non-hex characters and the end of the text count as 0.
    EXPECT_EQ(Tokens("<font color=#fzf"), "<font #f0f000>");
    EXPECT_EQ(Tokens("<font color=#12>ab"), "<font #120ab0>ab");
    EXPECT_EQ(Tokens("<font"), "<font>");
}

TEST(HtmlTokenizer, EntitiesDecodeOnlyTheThreeEscapes)
{
    EXPECT_EQ(Tokens("a&lt;b&gt;c&amp;d"), "a<b>c&d");
    EXPECT_EQ(Tokens("&amp;lt; &nbsp; & &LT;"), "&lt; &nbsp; & &LT;");
    EXPECT_EQ(EscapeHtmlText("Fish & <chips>"), "Fish &amp; &lt;chips&gt;");
    EXPECT_EQ(DecodeHtmlEntities(EscapeHtmlText("&lt; is <")), "&lt; is <");
}

TEST(HtmlColourStack, NinthLevelOverwritesWithoutSaving)
{
    HtmlColourStack stack;
    std::uint32_t colour = 0;
    for (std::uint32_t level = 1; level <= 9; ++level) {
        colour = stack.Push(colour, level);
    }
    EXPECT_EQ(colour, 9u);
    EXPECT_EQ(stack.Depth(), 8);
    EXPECT_EQ(stack.Pop(), 7u);  // the eighth level's previous colour; the ninth kept none
    EXPECT_EQ(stack.Pop(), 6u);
    for (int i = 0; i < 6; ++i) {
        stack.Pop();
    }
    EXPECT_EQ(stack.Depth(), 0);
    EXPECT_EQ(stack.Pop(), 0u);  // below the bottom: slot 0 again, never out of range
    EXPECT_EQ(stack.Depth(), 0);

    stack.Reset();
    EXPECT_EQ(stack.Push(5, 6), 6u);
    EXPECT_EQ(stack.Pop(), 5u);
}

}  // namespace
}  // namespace quillby
