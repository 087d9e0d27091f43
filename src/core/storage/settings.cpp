#include "core/storage/settings.h"

#include <cstdio>

#include "core/common/byte_io.h"
#include "core/common/file_io.h"

namespace quillby {

// settings.dat, 8 bytes, little-endian, the 32-bit field unaligned:
//   0 createMode u8 | 1 printUserSquares u8 | 2 printSolution u8 | 3 colourScheme i32 |
//   7 creatorInstructionsOff u8

Settings LoadSettings(const std::string& path)
{
    const auto bytes = ReadWholeFile(path, kMaxSettingsFileBytes);
    return bytes ? ParseSettings(bytes.Value()) : Settings{};
}

Settings ParseSettings(std::span<const std::byte> bytes)
{
    Settings settings;
    ByteReader reader(bytes);
    std::uint8_t flag = 0;
    std::int32_t scheme = 0;
    if (reader.ReadU8(flag)) {
        settings.createMode = flag != 0;
    }
    if (reader.ReadU8(flag)) {
        settings.printUserSquares = flag != 0;
    }
    if (reader.ReadU8(flag)) {
        settings.printSolution = flag != 0;
    }
    if (reader.ReadI32Le(scheme)) {
        settings.colourScheme = scheme;
    }
    if (reader.ReadU8(flag)) {
        settings.creatorInstructionsOff = flag != 0;
    }
    return settings;
}

bool SaveSettings(const std::string& path, const Settings& settings)
{
    ByteWriter writer;
    writer.WriteU8(settings.createMode ? 1 : 0);
    writer.WriteU8(settings.printUserSquares ? 1 : 0);
    writer.WriteU8(settings.printSolution ? 1 : 0);
    writer.WriteI32Le(settings.colourScheme);
    writer.WriteU8(settings.creatorInstructionsOff ? 1 : 0);
    return WriteFileAtomically(path, writer.Bytes()).Ok();
}

bool StartLog(const std::string& fileName)
{
    std::FILE* file = std::fopen(fileName.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    std::fputs("Log File Initialised\n**************************\n\n", file);
    return std::fclose(file) == 0;
}

}  // namespace quillby
