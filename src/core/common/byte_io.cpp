#include "core/common/byte_io.h"

namespace quillby {

bool ByteReader::Take(std::size_t count)
{
    if (failed || count > bytes.size() - offset) {
        failed = true;
        return false;
    }
    return true;
}

bool ByteReader::ReadU8(std::uint8_t& out)
{
    if (!Take(1)) {
        return false;
    }
    out = static_cast<std::uint8_t>(bytes[offset]);
    offset += 1;
    return true;
}

bool ByteReader::ReadU32Le(std::uint32_t& out)
{
    if (!Take(4)) {
        return false;
    }
    out = 0;
    for (int i = 3; i >= 0; --i) {
        out = (out << 8) | static_cast<std::uint32_t>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    offset += 4;
    return true;
}

bool ByteReader::ReadI32Le(std::int32_t& out)
{
    std::uint32_t raw = 0;
    if (!ReadU32Le(raw)) {
        return false;
    }
    out = static_cast<std::int32_t>(raw);
    return true;
}

bool ByteReader::ReadText(std::size_t count, std::string& out)
{
    if (!Take(count)) {
        return false;
    }
    out.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = static_cast<char>(bytes[offset + i]);
    }
    offset += count;
    return true;
}

bool ByteReader::Skip(std::size_t count)
{
    if (!Take(count)) {
        return false;
    }
    offset += count;
    return true;
}

void ByteWriter::WriteU8(std::uint8_t value)
{
    bytes.push_back(static_cast<std::byte>(value));
}

void ByteWriter::WriteU32Le(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFFu));
    }
}

void ByteWriter::WriteI32Le(std::int32_t value)
{
    WriteU32Le(static_cast<std::uint32_t>(value));
}

void ByteWriter::WriteText(std::string_view text)
{
    for (char c : text) {
        bytes.push_back(static_cast<std::byte>(c));
    }
}

}  // namespace quillby
