#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// The tags of the small markup the clue lines are written in. None marks a word.
enum class HtmlTag {
    None,
    Bold,
    LineBreak,
    Italic,
    Font,
    Paragraph,
    Subscript,
    Superscript,
    Underline
};

// One piece of marked-up text: a word to draw, or a recognised tag.
struct HtmlToken {
    HtmlTag tag = HtmlTag::None;
    bool closing = false;
    // A word only: whitespace (or the start of a line after a break) separates it from the
    // previous word, so the layout puts a space before it and may wrap there.
    bool spaceBefore = false;
    std::size_t start = 0;  // offset of the token's first character ('<' for a tag)
    std::string text;       // a word's characters, with &lt; &gt; &amp; decoded
    // An opening font tag with a "color=" attribute: its colour as 0xRRGGBB.
    std::optional<std::uint32_t> colour;
};

// Reads marked-up text token by token. Whitespace runs collapse into one separator, tags do
// not separate words by themselves ("ab<b>cd" is one word), and a break swallows the
// whitespace after it. Anything that is not a well-formed known tag is drawn as text or, for a
// stray closing tag, dropped; no input reads outside the text.
class HtmlTokenizer {
public:
    explicit HtmlTokenizer(std::string_view text) : text(text) {}

    // The next token; false when the text is finished.
    bool Next(HtmlToken& token);

private:
    bool ReadTag(HtmlToken& token, bool wasPending);
    void ReadWord(HtmlToken& token);
    void SkipSpace();

    std::string_view text;
    std::size_t position = 0;
    bool pendingSpace = false;
};

// The colour named by a font tag whose text (from its '<' to the end of the whole text) is
// given: "color=" must stand right after "<font" and one separator. A quote and a '#' may
// lead the six hex digits; a character that is not a hex digit, or the end, counts as 0.
std::optional<std::uint32_t> FontTagColour(std::string_view fromTag);

// The colours saved by nested font tags. One stack serves every render, as eight slots and a
// depth: a render starts at depth 0 but the slots keep what earlier renders left in them. A
// ninth nesting level sets its colour without saving the previous one; popping at depth 0
// restores slot 0.
class HtmlColourStack {
public:
    static constexpr int kSlots = 8;

    void Reset() { depth = 0; }
    // Saves current (when there is room) and returns the colour to use now.
    std::uint32_t Push(std::uint32_t current, std::uint32_t colour);
    // The colour to use after a closing font tag.
    std::uint32_t Pop();
    int Depth() const { return depth; }

private:
    std::array<std::uint32_t, kSlots> saved{};
    int depth = 0;
};

// Makes a plain text safe to put into a line: '<', '>' and '&' become entities, so a clue
// shows exactly as typed.
std::string EscapeHtmlText(std::string_view plain);
// The reverse, for words: only &lt; &gt; &amp; are decoded; anything else stays as it is.
std::string DecodeHtmlEntities(std::string_view word);

}  // namespace quillby
