#include "core/storage/puzzle_formats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string_view>

#include "core/common/file_io.h"
#include "core/storage/ipuz_file.h"
#include "core/storage/puz_file.h"

namespace quillby {

namespace {

bool EndsWithNoCase(const std::string& text, std::string_view ending)
{
    if (text.size() < ending.size()) {
        return false;
    }
    return std::equal(ending.begin(), ending.end(), text.end() - ending.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// For a name of none of the three extensions: what the bytes look like.
PuzzleFormat FormatOfContent(std::span<const std::byte> bytes)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.size() >= 14 && text.substr(2, 12) == std::string_view("ACROSS&DOWN\0", 12)) {
        return PuzzleFormat::Puz;
    }
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first != std::string_view::npos &&
        (text[first] == '{' || text.substr(first, 5) == "ipuz(")) {
        return PuzzleFormat::Ipuz;
    }
    return PuzzleFormat::Crs;
}

Result<LoadedPuzzle> FromOwn(Result<OwnPuzzle> own, PuzzleFormat format)
{
    if (!own) {
        return Result<LoadedPuzzle>::Failure(own.Error());
    }
    LoadedPuzzle loaded;
    loaded.format = format;
    loaded.puzzle.crossword = std::move(own->crossword);
    loaded.puzzle.clock = own->clock;
    loaded.puzzle.completed = own->completed;
    loaded.own = std::move(own->own);
    return loaded;
}

bool HasKnownExtension(const std::string& path)
{
    return EndsWithNoCase(path, ".crs") || EndsWithNoCase(path, ".puz") ||
           EndsWithNoCase(path, ".ipuz");
}

}  // namespace

PuzzleFormat FormatOfName(const std::string& path)
{
    if (EndsWithNoCase(path, ".puz")) {
        return PuzzleFormat::Puz;
    }
    if (EndsWithNoCase(path, ".ipuz")) {
        return PuzzleFormat::Ipuz;
    }
    return PuzzleFormat::Crs;
}

const char* ExtensionOf(PuzzleFormat format)
{
    switch (format) {
        case PuzzleFormat::Puz:
            return ".puz";
        case PuzzleFormat::Ipuz:
            return ".ipuz";
        default:
            return ".crs";
    }
}

std::size_t MaxFileBytes(PuzzleFormat format)
{
    switch (format) {
        case PuzzleFormat::Puz:
            return kMaxPuzFileBytes;
        case PuzzleFormat::Ipuz:
            return kMaxIpuzFileBytes;
        default:
            return kMaxPuzzleFileBytes;
    }
}

Result<LoadedPuzzle> ParsePuzzleBytes(const std::string& path, std::span<const std::byte> bytes)
{
    const PuzzleFormat format =
        HasKnownExtension(path) ? FormatOfName(path) : FormatOfContent(bytes);
    switch (format) {
        case PuzzleFormat::Puz:
            return FromOwn(ParsePuz(bytes), format);
        case PuzzleFormat::Ipuz:
            return FromOwn(ParseIpuz(bytes), format);
        default: {
            Result<PuzzleFile> crs = ParsePuzzle(bytes);
            if (!crs) {
                return Result<LoadedPuzzle>::Failure(crs.Error());
            }
            LoadedPuzzle loaded;
            loaded.puzzle = std::move(crs.Value());
            return loaded;
        }
    }
}

Result<std::vector<std::byte>> ReadPuzzleBytes(const std::string& path)
{
    const std::size_t limit = HasKnownExtension(path) ? MaxFileBytes(FormatOfName(path))
                                                      : MaxFileBytes(PuzzleFormat::Ipuz);
    return ReadWholeFile(path, limit);
}

Result<LoadedPuzzle> ReadAnyPuzzle(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return Result<LoadedPuzzle>::Failure("cannot be found");
    }
    const auto bytes = ReadPuzzleBytes(path);
    if (!bytes) {
        // The reason follows the name in the refusal, so the path in front is not repeated.
        const std::string prefix = path + ": ";
        const std::string& why = bytes.Error();
        return Result<LoadedPuzzle>::Failure(why.starts_with(prefix) ? why.substr(prefix.size())
                                                                     : why);
    }
    return ParsePuzzleBytes(path, bytes.Value());
}

std::string RefusedPuzzleMessage(const std::string& name, const std::string& reason)
{
    return "This file is not a valid crossword: " + name + " " + reason;
}

}  // namespace quillby
