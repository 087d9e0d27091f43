#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/storage/preferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const quillby::ReadPreferences read = quillby::ParsePreferences(text);
    // Whatever was read writes back to text that reads as the same preferences, cleanly.
    const std::string written = quillby::FormatPreferences(read.preferences);
    const quillby::ReadPreferences again = quillby::ParsePreferences(written);
    if (!again.problems.empty() || !(again.preferences == read.preferences) ||
        quillby::FormatPreferences(again.preferences) != written) {
        __builtin_trap();
    }
    (void)quillby::PreferencesMessage("preferences.ini", read.problems);
    return 0;
}
