#pragma once

#include <QRect>
#include <string_view>

class QPainter;

namespace quillby {

// Flags of RenderHtmlText.
enum HtmlTextFormat : unsigned {
    kHtmlWordBreak = 1,   // wrap words at the rectangle's width
    kHtmlSingleLine = 2,  // line and paragraph tags do nothing
    kHtmlCalcRect = 4,    // measure only: nothing is drawn, rect's size is written back
};

// Draws text written in the clue lines' markup (b, strong, i, em, u, sub, sup, br, p and
// font color=, with &lt; &gt; &amp;) into rect, in the painter's font and pen colour. Every
// line is as high as the base font; a word is never broken, and one wider than the line
// widens it. Returns the top of the last line relative to rect's top. When measuring, rect's
// width becomes the widest line and its height the height used. The painter's state is the
// same afterwards. Text is UTF-8; malformed markup shows as text and never reads past the end.
int RenderHtmlText(QPainter& painter, std::string_view text, QRect& rect, unsigned format);

}  // namespace quillby
