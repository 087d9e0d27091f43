#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// Clue texts travel in the clue window's markup: UTF-8 text in which '<', '>' and '&' are
// written &lt; &gt; &amp;, with the tags <b>, <i>, <u>, <sub>, <sup> (and their closing tags)
// and <br>. These convert to and from it.

// A clue written in HTML, as an .ipuz file carries it, in the clue window's markup: bold,
// italic, underline, sub- and superscript and line breaks are kept in their plain form (strong
// is bold, em italic, <br/> a break); every other tag is dropped; every entity except &lt; &gt;
// &amp; becomes its character; a '<', '>' or '&' that starts no tag or entity is text; runs of
// whitespace become one space, and the ends are trimmed.
std::string ClueMarkupFromHtml(std::string_view html);

// The plain text of a clue's markup, for the status bar, paper and .puz files: tags dropped (a
// break becomes a space), entities decoded. Text without markup comes back unchanged.
std::string PlainTextOfMarkup(std::string_view markup);

// Plain text from an HTML text such as an .ipuz title or notes: as ClueMarkupFromHtml, then
// tags dropped, line breaks kept as '\n' and entities decoded.
std::string PlainTextFromHtml(std::string_view html);
// The reverse, for writing plain text where HTML is read: '<', '>' and '&' as entities, '\n'
// as <br>.
std::string HtmlFromPlainText(std::string_view plain);

// The character of the named or numeric entity (without its '&' and ';': "eacute", "#233",
// "#xE9"), or nullopt when there is none.
std::optional<char32_t> EntityCharacter(std::string_view name);

}  // namespace quillby
