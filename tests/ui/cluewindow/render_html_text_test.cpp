#include "ui/cluewindow/render_html_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace quillby {
namespace {

// A white canvas with a painter in a known font; sizes are measured with that font, so the
// tests hold for whatever face the machine substitutes.
class RenderHtmlTextTest : public ::testing::Test {
protected:
    QImage image{600, 300, QImage::Format_RGB32};
    QFont font{QStringLiteral("Arial")};
    std::unique_ptr<QPainter> painter;

    void SetUp() override
    {
        image.fill(Qt::white);
        font.setPixelSize(20);
        font.setStyleStrategy(QFont::NoAntialias);  // ink pixels carry the exact pen colour
        painter = std::make_unique<QPainter>(&image);
        painter->setFont(font);
        painter->setPen(Qt::black);
    }

    int LineHeight() const { return QFontMetrics(font, &image).height(); }
    int Width(const QString& text, const QFont& inFont) const
    {
        return QFontMetrics(inFont, &image).horizontalAdvance(text);
    }
    int Width(const QString& text) const { return Width(text, font); }
    // A line is laid out word by word: the words' widths plus one space between each two.
    int Line(const QStringList& words, const QFont& inFont) const
    {
        int width = 0;
        for (const QString& word : words) {
            width += (width > 0 ? Width(QStringLiteral(" "), inFont) : 0) + Width(word, inFont);
        }
        return width;
    }
    int Line(const QStringList& words) const { return Line(words, font); }

    // Measures text in a rectangle of the given width: {returned y, width, height}.
    std::array<int, 3> Measure(std::string_view text, int width)
    {
        QRect rect(7, 9, width, 1000);
        const int y = RenderHtmlText(*painter, text, rect, kHtmlCalcRect | kHtmlWordBreak);
        EXPECT_EQ(rect.topLeft(), QPoint(7, 9));
        return {y, rect.width(), rect.height()};
    }

    int Draw(std::string_view text, int width = 600, unsigned format = kHtmlWordBreak)
    {
        QRect rect(0, 0, width, 300);
        return RenderHtmlText(*painter, text, rect, format);
    }

    // Whether some pixel in columns [x0, x1) and rows [y0, y1) has exactly this colour.
    bool HasInk(int x0, int x1, QColor colour, int y0 = 0, int y1 = 300)
    {
        painter->end();
        bool found = false;
        for (int y = y0; y < y1 && !found; ++y) {
            for (int x = x0; x < x1 && !found; ++x) {
                found = image.pixelColor(x, y) == colour;
            }
        }
        painter->begin(&image);
        painter->setFont(font);
        return found;
    }
};

TEST_F(RenderHtmlTextTest, OneLineAndThreeLinesReturnTheTopOfTheLastLine)
{
    const int lh = LineHeight();
    EXPECT_EQ(Measure("12) Small and furry [3]", 600),
              (std::array<int, 3>{0, Line({"12)", "Small", "and", "furry", "[3]"}), lh}));
    EXPECT_EQ(Measure("one<br>two<br>three", 600),
              (std::array<int, 3>{2 * lh, Width("three"), 3 * lh}));
    EXPECT_EQ(Measure("", 600), (std::array<int, 3>{0, 0, lh}));  // empty is one line high
    EXPECT_EQ(Measure("x<p>y", 600)[2], lh * 3 / 2 + lh);
    EXPECT_EQ(Measure("<p>x", 600)[2], lh);  // no space above a paragraph at the start
    EXPECT_EQ(Measure("x<br>y", 600)[2], 2 * lh);
    // Single-line mode ignores breaks.
    QRect rect(0, 0, 600, 100);
    RenderHtmlText(*painter, "x<br>y", rect, kHtmlCalcRect | kHtmlSingleLine);
    EXPECT_EQ(rect.height(), lh);
}

TEST_F(RenderHtmlTextTest, WordsWrapAtTheRectangleWidth)
{
    const int lh = LineHeight();
    const int twoWords = Line({"alpha", "beta"});
    EXPECT_EQ(Measure("alpha beta gamma", twoWords), (std::array<int, 3>{lh, twoWords, 2 * lh}));
    EXPECT_EQ(Measure("alpha beta gamma", twoWords - 1)[2], 3 * lh);
    // Whitespace runs count as one space, and a tag does not split a word.
    EXPECT_EQ(Measure("alpha \t\n beta", 600)[1], twoWords);
    EXPECT_EQ(Measure("al<i></i>pha", 600)[1], Width("alpha"));
    // Without word break the line just grows.
    QRect rect(0, 0, 10, 100);
    RenderHtmlText(*painter, "alpha beta gamma", rect, kHtmlCalcRect);
    EXPECT_EQ(rect.height(), lh);
    EXPECT_EQ(rect.width(), Line({"alpha", "beta", "gamma"}));
}

TEST_F(RenderHtmlTextTest, AWordWiderThanTheLineWidensIt)
{
    const int lh = LineHeight();
    const int longWord = Width("extraordinarily");
    // The long word stands alone and is never broken...
    EXPECT_EQ(Measure("a extraordinarily b", 10), (std::array<int, 3>{2 * lh, longWord, 3 * lh}));
    // ...and the words after it wrap at the wider width.
    ASSERT_LE(Line({"a", "b"}), longWord);
    EXPECT_EQ(Measure("extraordinarily a b", 10), (std::array<int, 3>{lh, longWord, 2 * lh}));
}

TEST_F(RenderHtmlTextTest, BoldAndSmallScriptsUseTheirOwnWidths)
{
    QFont bold = font;
    bold.setWeight(QFont::Bold);
    ASSERT_GT(Width("Crossword", bold), Width("Crossword"));
    EXPECT_EQ(Measure("<b>Crossword</b>", 600)[1], Width("Crossword", bold));
    EXPECT_EQ(Measure("<strong>Cross</strong>word", 600)[1], Width("Cross", bold) + Width("word"));
    // No nesting count: one closing tag ends bold however many opened it.
    EXPECT_EQ(Measure("<b><b>Cross</b>word", 600)[1], Width("Cross", bold) + Width("word"));

    QFont small = font;
    small.setPixelSize(20 * 7 / 10);
    EXPECT_EQ(Measure("<sub>H2O</sub>", 600),
              (std::array<int, 3>{0, Width("H2O", small), LineHeight()}));
    EXPECT_EQ(Measure("<sup>H2O</sup>", 600)[1], Width("H2O", small));
}

TEST_F(RenderHtmlTextTest, EscapedCharactersShowAsTyped)
{
    EXPECT_EQ(Measure("a&lt;b&gt; &amp; c", 600)[1], Line({"a<b>", "&", "c"}));
    EXPECT_EQ(Measure("<zzz>", 600)[1], Width("<zzz>"));
    EXPECT_EQ(Measure("a</zzz>b", 600)[1], Width("ab"));
}

TEST_F(RenderHtmlTextTest, MalformedMarkupNeverBreaksTheRender)
{
    for (const char* text :
         {"<", "</", "<b", "<font color=", "<font color=#ff", "a<b c<d", "</font></font></b>x",
          "<font color=#0000ff><p></p><br></sup></sub>", "&", "&lt", "<<<>>>"}) {
        EXPECT_GE(Draw(text), 0) << text;
    }
    // The painter is handed back as it came.
    EXPECT_EQ(painter->font(), font);
    EXPECT_EQ(painter->pen().color(), QColor(Qt::black));
}

TEST_F(RenderHtmlTextTest, NestedColoursAreRestoredInOrder)
{
    const QColor red(255, 0, 0), green(0, 160, 0), blue(0, 0, 255);
    Draw("<b><font color=#ff0000>MM <font color='#00a000'>MM</font> MM</font> MM");
    QFont bold = font;
    bold.setWeight(QFont::Bold);
    const int word = Width("MM", bold);
    const int step = word + Width(" ", bold);
    const QColor expected[] = {red, green, red, Qt::black};
    for (int i = 0; i < 4; ++i) {
        const int left = i * step + 1;
        const int right = i * step + word - 1;
        EXPECT_TRUE(HasInk(left, right, expected[i])) << i;
        for (const QColor& other : {red, green, QColor(Qt::black), blue}) {
            EXPECT_TRUE(other == expected[i] || !HasInk(left, right, other)) << i;
        }
    }
}

TEST_F(RenderHtmlTextTest, TheNinthNestedColourSavesNothing)
{
    // Eight levels are remembered; closing the ninth goes back to the seventh's colour.
    std::string text;
    for (int level = 1; level <= 9; ++level) {
        text += "<font color=#0000" + std::to_string(level) + "0>";
    }
    text += "MM<br></font>MM<br></font>MM";
    Draw(text);
    const int lh = LineHeight();
    EXPECT_TRUE(HasInk(0, 100, QColor(0, 0, 0x90), 0, lh));
    EXPECT_TRUE(HasInk(0, 100, QColor(0, 0, 0x70), lh, 2 * lh));
    EXPECT_TRUE(HasInk(0, 100, QColor(0, 0, 0x60), 2 * lh, 3 * lh));
}

TEST_F(RenderHtmlTextTest, SubscriptSitsLowSuperscriptHigh)
{
    const int lh = LineHeight();
    Draw("<sub>MM</sub><br><sup>MM</sup>");
    const int middle = lh / 2;
    EXPECT_TRUE(HasInk(0, 100, Qt::black, middle, lh));
    EXPECT_FALSE(HasInk(0, 100, Qt::black, 0, lh / 4));
    EXPECT_TRUE(HasInk(0, 100, Qt::black, lh, lh + middle));
    EXPECT_FALSE(HasInk(0, 100, Qt::black, lh + lh * 3 / 4, 2 * lh));
}

TEST_F(RenderHtmlTextTest, UnderlineRunsOnUnderTheGap)
{
    Draw("<u>MM MM</u>");
    const int gapStart = Width("MM") + 1;
    const int gapEnd = Width("MM ") - 1;
    ASSERT_LT(gapStart, gapEnd);
    EXPECT_TRUE(HasInk(gapStart, gapEnd, Qt::black));
}

TEST(RenderHtmlText, SampleOfEveryStyleForTheEye)
{
    // Not a check of pixels: a picture of every feature, at twice the pixel ratio, for people.
    QImage image(QSize(320, 200) * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::black);
    QRect rect(5, 5, 150, 190);
    const int y = RenderHtmlText(
        painter,
        "<font color=#ff0000><b>-- Across Clues -- <b></font><br>Plain <b>bold</b> <i>italic</i> "
        "<u>under lined words</u> H<sub>2</sub>O x<sup>2</sup> &lt;tag&gt; &amp; "
        "<font color=#0000ff>blue <font color='#00a000'>green</font> blue</font> "
        "extraordinarilylongword wraps<p>A new paragraph <zzz> </zzz>",
        rect, kHtmlWordBreak);
    EXPECT_GT(y, 0);
    painter.drawRect(QRect(5, 5, 150, 190).adjusted(0, 0, -1, -1));
    QDir().mkpath(QUILLBY_UI_OUTPUT_DIR);
    EXPECT_TRUE(image.save(QStringLiteral(QUILLBY_UI_OUTPUT_DIR "/html_text_styles.png")));
}

}  // namespace
}  // namespace quillby
