#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/generator/recent_answers.h"

// Any accepted file is one the writer gives back character for character, except that a
// trailing space after a line's last answer is not written again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto recent = quillby::ParseRecentAnswers(text);
    if (!recent) {
        return 0;
    }
    const auto again = quillby::ParseRecentAnswers(quillby::SerializeRecentAnswers(recent.Value()));
    if (!again || !(again.Value() == recent.Value()) ||
        recent.Value().Size() > quillby::RecentAnswers::kPuzzles) {
        __builtin_trap();
    }
    // What the fill asks of a memory: which answers rest, and how like it a new puzzle is.
    const double share = recent.Value().LargestShare(recent.Value().Newest(1));
    if (share < 0 || share > 1 || recent.Value().UsedAtLeast(1).size() > size) {
        __builtin_trap();
    }
    return 0;
}
