#include "core/generator/fill_words.h"

#include "core/common/byte_io.h"
#include "core/common/file_io.h"

namespace quillby {

// data/eng_fill_words, little-endian:
//
//   offset  size  field
//   0       4     magic "QFWL"
//   4       4     version (u32), kFillWordsVersion
//   8       4     entry count (u32)
//   12      ...   entries, each: length (u8, 3..15), the letters ('A'..'Z'),
//                 familiarity (u8, 0..100)
//
// Entries come in strictly ascending order of their letters, so no word is there twice, and
// the file ends with the last entry.

namespace {

constexpr char kMagic[4] = {'Q', 'F', 'W', 'L'};
constexpr std::uint32_t kFillWordsVersion = 1;
// The shortest entry: a length byte, three letters and a familiarity byte.
constexpr std::size_t kLeastEntryBytes = 1 + kMinFillWordLength + 1;
// Several times the shipped list; more is not a word list.
constexpr std::size_t kMaxFillWordsBytes = std::size_t{16} << 20;

Result<FillWordList> Refuse(const std::string& why)
{
    return Result<FillWordList>::Failure("eng_fill_words: " + why);
}

bool AllCapitals(const std::string& text)
{
    for (char c : text) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

}  // namespace

Result<FillWordList> ParseFillWords(std::span<const std::uint8_t> bytes)
{
    ByteReader reader(std::as_bytes(bytes));
    std::string magic;
    std::uint32_t version = 0;
    std::uint32_t count = 0;
    if (!reader.ReadText(sizeof kMagic, magic) || magic != std::string(kMagic, sizeof kMagic)) {
        return Refuse("not a fill word list (no QFWL at the start)");
    }
    if (!reader.ReadU32Le(version) || version != kFillWordsVersion) {
        return Refuse(reader.Failed() ? "ends inside its header"
                                      : "version " + std::to_string(version) +
                                            " is not the version this game reads (" +
                                            std::to_string(kFillWordsVersion) + ")");
    }
    if (!reader.ReadU32Le(count)) {
        return Refuse("ends inside its header");
    }
    if (count > reader.Remaining() / kLeastEntryBytes) {
        return Refuse("claims " + std::to_string(count) + " entries but holds at most " +
                      std::to_string(reader.Remaining() / kLeastEntryBytes));
    }
    FillWordList list;
    list.words.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string where = "entry " + std::to_string(i + 1);
        std::uint8_t length = 0;
        std::uint8_t familiarity = 0;
        FillWord word;
        if (!reader.ReadU8(length)) {
            return Refuse("ends inside " + where);
        }
        if (length < kMinFillWordLength || length > kMaxFillWordLength) {
            return Refuse(where + " is " + std::to_string(length) + " letters long, not " +
                          std::to_string(kMinFillWordLength) + " to " +
                          std::to_string(kMaxFillWordLength));
        }
        if (!reader.ReadText(length, word.text) || !reader.ReadU8(familiarity)) {
            return Refuse("ends inside " + where);
        }
        if (!AllCapitals(word.text)) {
            return Refuse(where + " holds a character other than A to Z");
        }
        if (familiarity > kMaxFamiliarity) {
            return Refuse(where + " (" + word.text + ") has familiarity " +
                          std::to_string(familiarity) + ", above " +
                          std::to_string(kMaxFamiliarity));
        }
        if (!list.words.empty() && !(list.words.back().text < word.text)) {
            return Refuse(where + " (" + word.text + ") is out of order or there twice");
        }
        word.familiarity = familiarity;
        list.words.push_back(std::move(word));
    }
    if (!reader.AtEnd()) {
        return Refuse(std::to_string(reader.Remaining()) + " bytes follow the last entry");
    }
    return list;
}

Result<FillWordList> ReadFillWords(const std::string& path)
{
    auto bytes = ReadWholeFile(path, kMaxFillWordsBytes);
    if (!bytes) {
        return Result<FillWordList>::Failure(bytes.Error());
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    auto list = ParseFillWords(std::span(data, bytes->size()));
    if (!list) {
        return Result<FillWordList>::Failure(path + ": " + list.Error());
    }
    return list;
}

std::vector<std::byte> SerializeFillWords(const FillWordList& list)
{
    ByteWriter writer;
    writer.WriteText(std::string_view(kMagic, sizeof kMagic));
    writer.WriteU32Le(kFillWordsVersion);
    writer.WriteU32Le(static_cast<std::uint32_t>(list.words.size()));
    for (const FillWord& word : list.words) {
        writer.WriteU8(static_cast<std::uint8_t>(word.text.size()));
        writer.WriteText(word.text);
        writer.WriteU8(static_cast<std::uint8_t>(word.familiarity));
    }
    return writer.Take();
}

}  // namespace quillby
