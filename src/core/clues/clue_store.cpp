#include "core/clues/clue_store.h"

#include <filesystem>
#include <system_error>

#include "core/common/byte_io.h"
#include "core/common/file_io.h"

namespace quillby {

// The clue file layout (eng_clues.b, output_user.b), little-endian, no header or checksum:
//
//   offset  size  field
//   0       4     N, the number of records (signed)
//   4       ...   N records in store order
//
// A record, 20 + Lq + La bytes:
//
//   0            4   Lq, question length in bytes (signed)
//   4            Lq  question, no terminator
//   4 + Lq       4   La, answer length in bytes (signed)
//   8 + Lq       La  answer
//   8 + Lq + La  4   solved
//   12 + Lq + La 4   rotation
//   16 + Lq + La 4   extra
//
// Note the order after the strings: solved, rotation, extra. A record whose question and
// answer are both empty ends the list; whatever follows it is ignored. An empty store is
// written as an empty file.

namespace {

constexpr std::size_t kMinRecordSize = 20;
constexpr int kFirstRecycledLength = 3;
constexpr int kLastRecycledLength = 9;
constexpr int kRecyclePercent = 55;

// Counters come from files; stepping them must wrap, not overflow.
std::int32_t Stepped(std::int32_t value, std::int64_t step)
{
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(value) + step));
}

std::string RecordName(std::size_t number)
{
    return "record " + std::to_string(number);
}

bool ReadLength(ByteReader& reader, std::int32_t& length, const char* what, std::size_t number,
                std::string& why)
{
    if (!reader.ReadI32Le(length)) {
        why = "ends inside " + RecordName(number);
        return false;
    }
    if (length < 0) {
        why = RecordName(number) + " has a negative " + what + " length (" +
              std::to_string(length) + ")";
        return false;
    }
    if (static_cast<std::size_t>(length) > reader.Remaining()) {
        why = RecordName(number) + " has a " + what + " of " + std::to_string(length) +
              " bytes, more than is left of the file";
        return false;
    }
    return true;
}

// One record; false with the reason when it cannot be read.
bool ReadRecord(ByteReader& reader, std::size_t number, ClueRecord& record, std::string& why)
{
    std::int32_t length = 0;
    if (!ReadLength(reader, length, "question", number, why) ||
        !reader.ReadText(static_cast<std::size_t>(length), record.question) ||
        !ReadLength(reader, length, "answer", number, why) ||
        !reader.ReadText(static_cast<std::size_t>(length), record.answer)) {
        return false;
    }
    if (!reader.ReadI32Le(record.solved) || !reader.ReadI32Le(record.rotation) ||
        !reader.ReadI32Le(record.extra)) {
        why = "ends inside " + RecordName(number);
        return false;
    }
    // An empty answer is only harmless; anything but capitals could never be found or placed.
    for (const char c : record.answer) {
        if (c < 'A' || c > 'Z') {
            why = RecordName(number) + " has an answer with characters other than A to Z";
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsAnswerWord(std::string_view word)
{
    if (word.empty()) {
        return false;
    }
    for (const char c : word) {
        if (c < 'A' || c > 'Z') {
            return false;
        }
    }
    return true;
}

Status ClueStore::Parse(std::span<const std::byte> bytes)
{
    ClueStore parsed;
    if (bytes.empty()) {
        *this = std::move(parsed);
        return Done{};
    }
    ByteReader reader(bytes);
    std::int32_t count = 0;
    if (!reader.ReadI32Le(count)) {
        return Status::Failure("ends inside the record count");
    }
    if (count < 0) {
        return Status::Failure("has a negative record count (" + std::to_string(count) + ")");
    }
    const std::size_t room = reader.Remaining() / kMinRecordSize;
    if (static_cast<std::size_t>(count) > room) {
        return Status::Failure("claims " + std::to_string(count) + " records but has room for " +
                               std::to_string(room));
    }
    std::string why;
    for (std::size_t number = 1; number <= static_cast<std::size_t>(count); ++number) {
        ClueRecord record;
        if (!ReadRecord(reader, number, record, why)) {
            return Status::Failure(why);
        }
        if (record.question.empty() && record.answer.empty()) {
            break;
        }
        parsed.Append(std::move(record));
    }
    *this = std::move(parsed);
    return Done{};
}

std::vector<std::byte> ClueStore::Serialize() const
{
    ByteWriter writer;
    if (records.empty()) {
        return {};
    }
    writer.WriteI32Le(static_cast<std::int32_t>(records.size()));
    for (const ClueRecord& record : records) {
        writer.WriteI32Le(static_cast<std::int32_t>(record.question.size()));
        writer.WriteText(record.question);
        writer.WriteI32Le(static_cast<std::int32_t>(record.answer.size()));
        writer.WriteText(record.answer);
        writer.WriteI32Le(record.solved);
        writer.WriteI32Le(record.rotation);
        writer.WriteI32Le(record.extra);
    }
    return writer.Take();
}

Status ClueStore::Load(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        *this = ClueStore{};
        return Done{};
    }
    const auto bytes = ReadWholeFile(path, kMaxFileBytes);
    Status parsed = bytes ? Parse(bytes.Value()) : Status::Failure(bytes.Error());
    if (!parsed) {
        saveBlocked = true;
        return bytes ? Status::Failure(path + ": " + parsed.Error()) : parsed;
    }
    saveBlocked = false;
    return Done{};
}

Status ClueStore::Save(const std::string& path) const
{
    if (saveBlocked) {
        return Status::Failure(path +
                               ": not saved, because the clue file was refused when it was "
                               "loaded and is kept as it is");
    }
    return WriteFileAtomically(path, Serialize());
}

const ClueRecord* ClueStore::Find(std::string_view answer) const
{
    const Node* node = index.FindIf(answer, [](const Node& n) { return n->rotation == 0; });
    return node == nullptr ? nullptr : &**node;
}

ClueRecord* ClueStore::Find(std::string_view answer)
{
    const Node* node = index.FindIf(answer, [](const Node& n) { return n->rotation == 0; });
    return node == nullptr ? nullptr : &**node;
}

void ClueStore::Append(ClueRecord record)
{
    records.push_back(std::move(record));
    index.Insert(records.back().answer, std::prev(records.end()));
    Count(records.back(), 1);
}

void ClueStore::Count(const ClueRecord& record, int sign)
{
    const std::size_t length = record.answer.size();
    if (lengthCounts.size() <= length) {
        lengthCounts.resize(length + 1);
    }
    lengthCounts[length].total += sign;
    lengthCounts[length].unsolved += record.solved == 0 ? sign : 0;
}

bool ClueStore::AddRecord(ClueRecord record)
{
    if (!IsAnswerWord(record.answer)) {
        return false;
    }
    Append(std::move(record));
    return true;
}

bool ClueStore::AddClue(const std::string& question, const std::string& answer)
{
    // The answer has no space, so the text splits back into exactly these two parts.
    if (!IsAnswerWord(answer) || answer.size() + 1 + question.size() > kMaxClueText) {
        return false;
    }
    const Node* newest = index.Find(answer);
    if (newest != nullptr && (*newest)->question == question) {
        return true;
    }
    ClueRecord record;
    record.question = question;
    record.answer = answer;
    Append(std::move(record));
    return true;
}

void ClueStore::RemoveClue(std::string_view answer)
{
    const Node* newest = index.Find(answer);
    if (newest == nullptr) {
        return;
    }
    const Node node = *newest;
    index.Remove(answer);
    Count(*node, -1);
    records.erase(node);
}

void ClueStore::MarkSolved(ClueRecord& record)
{
    Count(record, -1);
    record.solved = 1;
    Count(record, 1);
}

void ClueStore::Retire(ClueRecord& record)
{
    std::int32_t others = 0;
    index.ForEach(record.answer, [&](const Node& node) {
        if (&*node != &record) {
            node->rotation = Stepped(node->rotation, -1);
            ++others;
        }
    });
    record.rotation = others;
}

void ClueStore::Advance(ClueRecord& record)
{
    // ForEach visits in store order, so on a tie the first in store order stays chosen.
    ClueRecord* furthest = nullptr;
    std::int32_t furthestValue = 0;
    index.ForEach(record.answer, [&](const Node& node) {
        node->rotation = Stepped(node->rotation, 1);
        if (node->rotation > furthestValue) {
            furthest = &*node;
            furthestValue = node->rotation;
        }
    });
    (furthest != nullptr ? *furthest : record).rotation = 0;
}

LengthCount ClueStore::CountByLength(int length) const
{
    if (length < 0 || static_cast<std::size_t>(length) >= lengthCounts.size()) {
        return {};
    }
    return lengthCounts[static_cast<std::size_t>(length)];
}

void ClueStore::ClearSolved(int length)
{
    for (ClueRecord& record : records) {
        if (record.answer.size() == static_cast<std::size_t>(length)) {
            record.solved = 0;
        }
    }
    if (length >= 0 && static_cast<std::size_t>(length) < lengthCounts.size()) {
        LengthCount& count = lengthCounts[static_cast<std::size_t>(length)];
        count.unsolved = count.total;
    }
}

void ClueStore::RecycleSolved()
{
    for (int length = kFirstRecycledLength; length <= kLastRecycledLength; ++length) {
        const LengthCount count = CountByLength(length);
        if (count.unsolved == 0) {
            continue;
        }
        const double solvedShare = (count.total - count.unsolved) * (100.0 / count.total);
        if (static_cast<int>(solvedShare) > kRecyclePercent) {
            ClearSolved(length);
        }
    }
}

}  // namespace quillby
