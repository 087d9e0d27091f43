#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace quillby {

// The Across Lite checksum of a region, continuing from sum: rotate right by one, add the byte.
std::uint16_t PuzChecksum(std::span<const std::byte> bytes, std::uint16_t sum = 0);

// The little-endian 16-bit value at a .puz file's offset (which the caller has checked).
std::uint16_t PuzU16At(std::span<const std::byte> bytes, std::size_t at);

// The strings of a .puz file as they stand in it (Windows-1252, without their NULs).
struct PuzStrings {
    std::string title;
    std::string author;
    std::string copyright;
    std::vector<std::string> clues;
    std::string notes;
};

// The regions the checksums cover: the 8 header bytes from 0x2C, the solution, the player's
// grid.
struct PuzGrids {
    std::span<const std::byte> cib;
    std::span<const std::byte> solution;
    std::span<const std::byte> state;
};

struct PuzSums {
    std::uint16_t file = 0;
    std::uint16_t cib = 0;
    std::array<std::byte, 8> masked{};  // the bytes at 0x10..0x17
};

// The checksums of a file with these contents. notesCounted: version 1.3 and later count the
// notes. emptyCountsNul: count a lone NUL for an empty title, author, copyright or notes, as
// some writers do; the published form counts an empty string not at all.
PuzSums ComputePuzSums(const PuzGrids& grids, const PuzStrings& strings, bool notesCounted,
                       bool emptyCountsNul);

// Checks the file's stored checksums against its contents under either reading of empty
// strings; the reason when neither holds.
std::optional<std::string> CheckPuzChecksums(std::span<const std::byte> file, const PuzGrids& grids,
                                             const PuzStrings& strings, bool notesCounted);

}  // namespace quillby
