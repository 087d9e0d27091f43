#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quillby {

// A value, or the reason there is none. Readers return one so the caller can tell the user
// which file is wrong and how ("ends inside square record 17").
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state(std::move(value)) {}  // NOLINT(google-explicit-constructor)
    static Result Failure(std::string message) { return Result(ErrorText{std::move(message)}); }

    bool Ok() const { return std::holds_alternative<T>(state); }
    explicit operator bool() const { return Ok(); }
    T& Value() { return std::get<T>(state); }
    const T& Value() const { return std::get<T>(state); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    const std::string& Error() const { return std::get<ErrorText>(state).text; }

private:
    struct ErrorText {
        std::string text;
    };
    explicit Result(ErrorText error) : state(std::move(error)) {}
    std::variant<T, ErrorText> state;
};

// For operations that produce nothing but may fail with a reason.
struct Done {};
using Status = Result<Done>;

}  // namespace quillby
