#pragma once

// Word lists and token helpers shared by the files that turn WordNet glosses into clue text.
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

namespace quillby::data {

// Words that begin a relative clause or a trailing qualification.
inline constexpr std::string_view kRelativeWords[] = {"that",  "which", "who",
                                                      "whose", "where", "when"};

// Words that say a head noun is plural: "two performers", "several trees".
inline constexpr std::string_view kCounts[] = {
    "two", "three",   "four", "five", "six",     "seven",    "eight", "nine",
    "ten", "several", "many", "both", "various", "numerous", "few",   "all"};

template <std::size_t N>
bool In(const std::string_view (&list)[N], std::string_view word)
{
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

// A token's letters, apostrophes and hyphens, lower-cased: "(dogs)," -> dogs.
std::string Plain(std::string_view token);

}  // namespace quillby::data
