#include "data/tool_flags.h"

#include <charconv>

namespace quillby::data {

int NumberOr(const std::string& text, int fallback)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

bool ForEachFlag(int argc, char** argv,
                 const std::function<bool(const std::string& flag, const std::string& value)>& take)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!take(argv[i], argv[i + 1])) {
            return false;
        }
    }
    return argc % 2 == 1;
}

}  // namespace quillby::data
