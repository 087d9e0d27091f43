#include "core/storage/preferences.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <filesystem>
#include <span>

#include "core/common/file_io.h"

namespace quillby {

// preferences.ini: UTF-8 text, one "key = value" a line; blank lines and lines starting with
// '#' or ';' are comments. Keys are case-sensitive; the last line of a key wins.

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return lower;
}

std::optional<bool> ReadFlag(std::string_view value)
{
    const std::string word = Lower(value);
    if (word == "yes" || word == "true" || word == "on" || word == "1") {
        return true;
    }
    if (word == "no" || word == "false" || word == "off" || word == "0") {
        return false;
    }
    return std::nullopt;
}

std::optional<int> ReadNumber(std::string_view value, int low, int high)
{
    int number = 0;
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (error != std::errc{} || stop != end || number < low || number > high) {
        return std::nullopt;
    }
    return number;
}

// "x, y" with each within what any desktop could have.
std::optional<ScreenPlace> ReadPlace(std::string_view value)
{
    const auto comma = value.find(',');
    if (comma == std::string_view::npos) {
        return std::nullopt;
    }
    constexpr int kFar = 100000;
    const auto x = ReadNumber(Trimmed(value.substr(0, comma)), -kFar, kFar);
    const auto y = ReadNumber(Trimmed(value.substr(comma + 1)), -kFar, kFar);
    if (!x || !y) {
        return std::nullopt;
    }
    return ScreenPlace{*x, *y};
}

// A yes-or-no value into its field; the field is left alone when the value is neither.
bool SetFlag(std::string_view value, bool& field)
{
    const auto flag = ReadFlag(value);
    field = flag.value_or(field);
    return flag.has_value();
}

std::string Flag(bool on)
{
    return on ? "yes" : "no";
}

std::string Place(const std::optional<ScreenPlace>& place)
{
    return place ? std::to_string(place->x) + ", " + std::to_string(place->y) : "";
}

// One key: how its value is read (false: it cannot be) and written (empty: not written).
struct Key {
    const char* name;
    const char* expected;
    bool (*read)(std::string_view value, Preferences& into);
    std::string (*write)(const Preferences& from);
};

const Key kKeys[] = {
    {"keyboard", "classic or modern",
     [](std::string_view value, Preferences& into) {
         const std::string word = Lower(value);
         if (word != "classic" && word != "modern") {
             return false;
         }
         into.keyboard = word == "modern" ? KeyboardStyle::Modern : KeyboardStyle::Classic;
         return true;
     },
     [](const Preferences& from) {
         return std::string(from.keyboard == KeyboardStyle::Modern ? "modern" : "classic");
     }},
    {"skipFilledSquares", "yes or no",
     [](std::string_view value, Preferences& into) {
         return SetFlag(value, into.skipFilledSquares);
     },
     [](const Preferences& from) { return Flag(from.skipFilledSquares); }},
    {"showMistakesAsYouType", "yes or no",
     [](std::string_view value, Preferences& into) { return SetFlag(value, into.showMistakes); },
     [](const Preferences& from) { return Flag(from.showMistakes); }},
    {"menus", "original or modern",
     [](std::string_view value, Preferences& into) {
         const std::string word = Lower(value);
         if (word != "original" && word != "modern") {
             return false;
         }
         into.modernMenus = word == "modern";
         return true;
     },
     [](const Preferences& from) { return std::string(from.modernMenus ? "modern" : "original"); }},
    {"desktopColourScheme", "yes or no",
     [](std::string_view value, Preferences& into) { return SetFlag(value, into.desktopColours); },
     [](const Preferences& from) { return Flag(from.desktopColours); }},
    {"squareSize", "a whole number from 24 to 72",
     [](std::string_view value, Preferences& into) {
         const auto pitch = ReadNumber(value, kMinSquarePitch, kMaxSquarePitch);
         into.squarePitch = pitch.value_or(into.squarePitch);
         return pitch.has_value();
     },
     [](const Preferences& from) { return std::to_string(from.squarePitch); }},
    {"sizeChoice", "a whole number from 0 to 15",
     [](std::string_view value, Preferences& into) {
         const auto choice = ReadNumber(value, 0, 15);
         into.sizeChoice = choice.value_or(into.sizeChoice);
         return choice.has_value();
     },
     [](const Preferences& from) { return std::to_string(from.sizeChoice); }},
    {"mainWindow", "x, y",
     [](std::string_view value, Preferences& into) {
         into.mainWindow = ReadPlace(value);
         return into.mainWindow.has_value();
     },
     [](const Preferences& from) { return Place(from.mainWindow); }},
    {"clueWindow", "x, y",
     [](std::string_view value, Preferences& into) {
         into.clueWindow = ReadPlace(value);
         return into.clueWindow.has_value();
     },
     [](const Preferences& from) { return Place(from.clueWindow); }},
};

const Key* FindKey(std::string_view name)
{
    for (const Key& key : kKeys) {
        if (name == key.name) {
            return &key;
        }
    }
    return nullptr;
}

// A value as the message quotes it: short, and nothing that would garble a message box.
std::string Quoted(std::string_view value)
{
    std::string shown;
    for (const char c : value.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        shown.push_back(byte < 0x20 || byte == 0x7F ? '?' : c);
    }
    return "\"" + shown + (value.size() > 40 ? "...\"" : "\"");
}

void ReadLine(std::string_view line, int number, ReadPreferences& read)
{
    const std::string_view text = Trimmed(line);
    if (text.empty() || text.front() == '#' || text.front() == ';') {
        return;
    }
    const auto equals = text.find('=');
    const std::string_view name = Trimmed(text.substr(0, equals));
    const std::string at = "line " + std::to_string(number) + ": ";
    if (equals == std::string_view::npos || name.empty()) {
        read.problems.push_back(at + Quoted(text) + " is not a \"key = value\" line");
        return;
    }
    const std::string_view value = Trimmed(text.substr(equals + 1));
    const Key* key = FindKey(name);
    if (key == nullptr) {
        read.preferences.unknown.emplace_back(name, value);
        return;
    }
    if (!key->read(value, read.preferences)) {
        // The default, not whatever an earlier line of the same key said.
        (void)key->read(key->write(Preferences{}), read.preferences);
        read.problems.push_back(at + std::string(key->name) + " is " + Quoted(value) + ", not " +
                                key->expected);
    }
}

}  // namespace

ReadPreferences ParsePreferences(std::string_view text)
{
    ReadPreferences read;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        ReadLine(text.substr(0, end), ++number, read);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return read;
}

std::string FormatPreferences(const Preferences& preferences)
{
    std::string text =
        "# Quillby preferences: one \"key = value\" a line. A value the game cannot read is\n"
        "# replaced by its default; keys the game does not know are kept as they are.\n"
        "#   keyboard = classic | modern          showMistakesAsYouType = yes | no\n"
        "#   skipFilledSquares = yes | no         menus = original | modern\n"
        "#   desktopColourScheme = yes | no       squareSize = 24 .. 72 (36: actual size)\n"
        "#   sizeChoice = the New Puzzle size     mainWindow, clueWindow = x, y\n";
    for (const Key& key : kKeys) {
        const std::string value = key.write(preferences);
        if (!value.empty()) {
            text += std::string(key.name) + " = " + value + "\n";
        }
    }
    for (const auto& [name, value] : preferences.unknown) {
        text += name + " = " + value + "\n";
    }
    return text;
}

ReadPreferences LoadPreferences(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return {};
    }
    ReadPreferences refused;
    const auto size = std::filesystem::file_size(path, error);
    if (error || !std::filesystem::is_regular_file(path, error)) {
        refused.problems.push_back("the file cannot be read");
        return refused;
    }
    if (size > kMaxPreferencesBytes) {
        refused.problems.push_back("the file is larger than 64 KiB");
        return refused;
    }
    const auto bytes = ReadWholeFile(path, kMaxPreferencesBytes);
    if (!bytes) {
        refused.problems.push_back("the file cannot be read");
        return refused;
    }
    const auto& data = bytes.Value();
    return ParsePreferences(
        std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

Status SavePreferences(const std::string& path, const Preferences& preferences)
{
    const std::string text = FormatPreferences(preferences);
    return WriteFileAtomically(path, std::as_bytes(std::span(text.data(), text.size())));
}

std::string PreferencesMessage(const std::string& path, const std::vector<std::string>& problems)
{
    if (problems.empty()) {
        return {};
    }
    std::string text = "Some of your preferences in " + path +
                       " could not be read; the game uses its defaults for them:\n";
    constexpr std::size_t kShown = 5;
    for (std::size_t i = 0; i < problems.size() && i < kShown; ++i) {
        text += "\n    " + problems[i];
    }
    if (problems.size() > kShown) {
        text += "\n    and " + std::to_string(problems.size() - kShown) + " more";
    }
    return text;
}

}  // namespace quillby
