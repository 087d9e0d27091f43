#include "core/storage/puz_checksums.h"

#include <algorithm>
#include <string_view>

namespace quillby {

namespace {

constexpr std::size_t kFileSumOffset = 0x00;
constexpr std::size_t kCibSumOffset = 0x0E;
constexpr std::size_t kMaskedOffset = 0x10;
constexpr std::string_view kMask = "ICHEATED";

std::uint16_t SumOf(std::string_view text, std::uint16_t sum)
{
    return PuzChecksum(std::as_bytes(std::span(text.data(), text.size())), sum);
}

// A string counted with its NUL: the published form leaves out empty strings altogether.
std::uint16_t SumWithNul(const std::string& text, bool emptyCountsNul, std::uint16_t sum)
{
    if (text.empty() && !emptyCountsNul) {
        return sum;
    }
    return SumOf(std::string_view(text.c_str(), text.size() + 1), sum);
}

// The text part: title, author, copyright with their NULs, the clues without, then the notes.
std::uint16_t TextSum(const PuzStrings& strings, bool notesCounted, bool emptyCountsNul,
                      std::uint16_t sum)
{
    sum = SumWithNul(strings.title, emptyCountsNul, sum);
    sum = SumWithNul(strings.author, emptyCountsNul, sum);
    sum = SumWithNul(strings.copyright, emptyCountsNul, sum);
    for (const std::string& clue : strings.clues) {
        sum = SumOf(clue, sum);
    }
    if (notesCounted) {
        sum = SumWithNul(strings.notes, emptyCountsNul, sum);
    }
    return sum;
}

}  // namespace

std::uint16_t PuzU16At(std::span<const std::byte> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(bytes[at]) |
                                      std::to_integer<unsigned>(bytes[at + 1]) << 8);
}

std::uint16_t PuzChecksum(std::span<const std::byte> bytes, std::uint16_t sum)
{
    for (const std::byte byte : bytes) {
        sum = static_cast<std::uint16_t>((sum >> 1) | ((sum & 1) << 15));
        sum = static_cast<std::uint16_t>(sum + std::to_integer<unsigned>(byte));
    }
    return sum;
}

PuzSums ComputePuzSums(const PuzGrids& grids, const PuzStrings& strings, bool notesCounted,
                       bool emptyCountsNul)
{
    PuzSums sums;
    sums.cib = PuzChecksum(grids.cib);
    const std::uint16_t solution = PuzChecksum(grids.solution);
    const std::uint16_t state = PuzChecksum(grids.state);
    const std::uint16_t text = TextSum(strings, notesCounted, emptyCountsNul, 0);
    sums.file = TextSum(strings, notesCounted, emptyCountsNul,
                        PuzChecksum(grids.state, PuzChecksum(grids.solution, sums.cib)));
    const std::uint16_t parts[4] = {sums.cib, solution, state, text};
    for (std::size_t i = 0; i < 4; ++i) {
        sums.masked[i] = static_cast<std::byte>(kMask[i] ^ (parts[i] & 0xFF));
        sums.masked[i + 4] = static_cast<std::byte>(kMask[i + 4] ^ (parts[i] >> 8));
    }
    return sums;
}

std::optional<std::string> CheckPuzChecksums(std::span<const std::byte> file, const PuzGrids& grids,
                                             const PuzStrings& strings, bool notesCounted)
{
    const std::uint16_t storedFile = PuzU16At(file, kFileSumOffset);
    const std::uint16_t storedCib = PuzU16At(file, kCibSumOffset);
    const auto storedMasked = file.subspan(kMaskedOffset, 8);
    auto holds = [&](const PuzSums& sums) {
        return sums.file == storedFile && sums.cib == storedCib &&
               std::equal(storedMasked.begin(), storedMasked.end(), sums.masked.begin());
    };
    const PuzSums published = ComputePuzSums(grids, strings, notesCounted, false);
    if (holds(published) || holds(ComputePuzSums(grids, strings, notesCounted, true))) {
        return std::nullopt;
    }
    if (published.cib != storedCib) {
        return std::string("fails its header checksum: the file is damaged");
    }
    return std::string("fails its checksums: the file is damaged");
}

}  // namespace quillby
