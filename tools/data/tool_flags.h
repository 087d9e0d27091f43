#pragma once

#include <functional>
#include <string>

namespace quillby::data {

// A flag's number, or fallback when the text is not one (a tool refuses, never throws).
int NumberOr(const std::string& text, int fallback);

// Hands each "--flag value" pair of a command line to take, in order. False when take
// refuses a flag (the walk stops there) or when the last flag has no value.
bool ForEachFlag(
    int argc, char** argv,
    const std::function<bool(const std::string& flag, const std::string& value)>& take);

}  // namespace quillby::data
