#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillby {

// Appends the UTF-8 form of a code point; a surrogate or a value past U+10FFFF becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

// The code point that starts at position, which moves past it; nullopt (position unchanged)
// for a sequence that is truncated, overlong, a surrogate or past U+10FFFF.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& position);

// The offset of the first byte that does not begin a valid UTF-8 sequence, or nullopt.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text);
// Invalid sequences replaced by U+FFFD, byte by byte.
std::string ValidUtf8(std::string_view text);

// Windows-1252, the code page of .puz strings, to UTF-8. Bytes 0x80-0x9F are the code page's
// characters (0x91 is a left single quote, 0x80 the euro sign), not ISO-8859-1's controls.
// The five bytes it leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control
// characters of the same value, so they survive a round trip.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. A character the code page cannot hold, an invalid UTF-8 sequence and
// a NUL (which would end a .puz string) are each written as '?'.
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace quillby
