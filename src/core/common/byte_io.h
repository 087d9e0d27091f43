#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillby {

// Reads little-endian values from a byte span. The first read that would run past the end
// fails, and every read after it fails too, so a caller may check once after a group of reads.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> bytes) : bytes(bytes) {}

    bool ReadU8(std::uint8_t& out);
    bool ReadI32Le(std::int32_t& out);
    bool ReadU32Le(std::uint32_t& out);
    // Reads exactly count bytes as characters.
    bool ReadText(std::size_t count, std::string& out);
    bool Skip(std::size_t count);

    std::size_t Offset() const { return offset; }
    std::size_t Remaining() const { return failed ? 0 : bytes.size() - offset; }
    bool Failed() const { return failed; }
    bool AtEnd() const { return !failed && offset == bytes.size(); }

private:
    bool Take(std::size_t count);

    std::span<const std::byte> bytes;
    std::size_t offset = 0;
    bool failed = false;
};

// Builds a little-endian byte image in memory; the mirror of ByteReader.
class ByteWriter {
public:
    void WriteU8(std::uint8_t value);
    void WriteI32Le(std::int32_t value);
    void WriteU32Le(std::uint32_t value);
    void WriteText(std::string_view text);

    const std::vector<std::byte>& Bytes() const { return bytes; }
    std::vector<std::byte> Take() { return std::move(bytes); }

private:
    std::vector<std::byte> bytes;
};

}  // namespace quillby
