#include "ui/cluewindow/render_html_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <optional>

#include "core/common/html_tokens.h"

namespace quillby {

namespace {

enum StyleBit : int { kBold = 1, kItalic = 2, kUnderline = 4, kSuperscript = 8, kSubscript = 16 };

// Nested font colours are remembered across calls, as the clue list has always done.
HtmlColourStack& ColourStack()
{
    static HtmlColourStack stack;
    return stack;
}

int StyleBitOf(HtmlTag tag)
{
    switch (tag) {
        case HtmlTag::Bold:
            return kBold;
        case HtmlTag::Italic:
            return kItalic;
        case HtmlTag::Underline:
            return kUnderline;
        case HtmlTag::Superscript:
            return kSuperscript;
        case HtmlTag::Subscript:
            return kSubscript;
        default:
            return 0;
    }
}

QFont StyleFont(const QFont& base, int style)
{
    QFont font = base;
    font.setWeight((style & kBold) != 0 ? QFont::Bold : QFont::Normal);
    font.setItalic((style & kItalic) != 0);
    font.setUnderline((style & kUnderline) != 0);
    if ((style & (kSuperscript | kSubscript)) != 0) {
        if (base.pixelSize() > 0) {
            font.setPixelSize(std::max(1, base.pixelSize() * 7 / 10));
        } else {
            font.setPointSizeF(std::max(1.0, base.pointSizeF() * 0.7));
        }
    }
    return font;
}

QColor FromRgb(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

std::uint32_t ToRgb(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.rgb()) & 0xffffffu;
}

// One call's layout: pen position, line width and the fonts made for styles.
class HtmlLayout {
public:
    HtmlLayout(QPainter& painter, const QRect& rect, unsigned format)
        : painter(painter), rect(rect), format(format), base(painter.font())
    {
        lineHeight = QFontMetrics(base, painter.device()).height();
        lineWidth = std::max(0, rect.width());
        SelectStyle(0);
    }

    void Apply(const HtmlToken& token);

    int x = 0;
    int y = 0;
    int widest = 0;
    int lineHeight = 0;

private:
    void SelectStyle(int newStyle);
    void LayOutWord(const HtmlToken& token);
    bool Measuring() const { return (format & kHtmlCalcRect) != 0; }

    QPainter& painter;
    QRect rect;
    unsigned format;
    QFont base;
    std::array<std::optional<QFont>, 32> fonts;
    int style = 0;
    int selectedStyle = -1;
    int spaceWidth = 0;
    int lineWidth = 0;
};

void HtmlLayout::SelectStyle(int newStyle)
{
    auto& font = fonts[static_cast<std::size_t>(newStyle)];
    if (!font) {
        font = newStyle == 0 ? base : StyleFont(base, newStyle);
    }
    painter.setFont(*font);
    spaceWidth = QFontMetrics(*font, painter.device()).horizontalAdvance(QLatin1Char(' '));
    selectedStyle = newStyle;
}

void HtmlLayout::Apply(const HtmlToken& token)
{
    const bool breaks = !token.closing && (format & kHtmlSingleLine) == 0;
    switch (token.tag) {
        case HtmlTag::None:
            LayOutWord(token);
            break;
        case HtmlTag::LineBreak:
        case HtmlTag::Paragraph:
            if (breaks) {
                // A paragraph opening the text adds no space above it.
                const bool paragraph = token.tag == HtmlTag::Paragraph;
                y += paragraph ? (token.start == 0 ? 0 : lineHeight * 3 / 2) : lineHeight;
                x = 0;
            }
            break;
        case HtmlTag::Font:
            if (token.closing) {
                painter.setPen(FromRgb(ColourStack().Pop()));
            } else if (token.colour) {
                const std::uint32_t current = ToRgb(painter.pen().color());
                painter.setPen(FromRgb(ColourStack().Push(current, *token.colour)));
            }
            break;
        default:
            // No nesting count: one closing tag ends the style however often it was opened.
            style =
                token.closing ? (style & ~StyleBitOf(token.tag)) : (style | StyleBitOf(token.tag));
            break;
    }
}

void HtmlLayout::LayOutWord(const HtmlToken& token)
{
    if (style != selectedStyle) {
        SelectStyle(style);
    }
    const QString word =
        QString::fromUtf8(token.text.data(), static_cast<qsizetype>(token.text.size()));
    const int w = QFontMetrics(painter.font(), painter.device()).horizontalAdvance(word);
    lineWidth = std::max(lineWidth, w);
    if (token.spaceBefore) {
        x += spaceWidth;
    }
    if (x + w > lineWidth && token.spaceBefore) {
        if ((format & kHtmlWordBreak) != 0) {
            y += lineHeight;
            x = 0;
        } else {
            lineWidth = x + w;
        }
    }
    if (!Measuring()) {
        const int left = rect.left();
        const int top = rect.top() + y;
        const int align = Qt::AlignLeft | Qt::TextSingleLine | Qt::TextDontClip |
                          ((style & kSubscript) != 0 ? Qt::AlignBottom : Qt::AlignTop);
        painter.drawText(QRect(left + x, top, lineWidth - x, lineHeight), align, word);
        if ((style & kUnderline) != 0 && token.spaceBefore && x >= spaceWidth) {
            // The underline runs on under the gap before an underlined word.
            painter.drawText(QRect(left + x - spaceWidth, top, spaceWidth, lineHeight), align,
                             QStringLiteral(" "));
        }
    }
    x += w;
    widest = std::max(widest, x);
}

}  // namespace

int RenderHtmlText(QPainter& painter, std::string_view text, QRect& rect, unsigned format)
{
    painter.save();
    ColourStack().Reset();
    HtmlLayout layout(painter, rect, format);
    HtmlTokenizer tokenizer(text);
    HtmlToken token;
    while (tokenizer.Next(token)) {
        layout.Apply(token);
    }
    painter.restore();
    if ((format & kHtmlCalcRect) != 0) {
        rect.setWidth(layout.widest);
        rect.setHeight(layout.y + layout.lineHeight);
    }
    return layout.y;
}

}  // namespace quillby
