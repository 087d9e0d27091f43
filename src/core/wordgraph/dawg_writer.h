#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// Node types as the word graph file stores them.
inline constexpr std::int32_t kDawgRootType = 0;
inline constexpr std::int32_t kDawgEndType = 1;
inline constexpr std::int32_t kDawgInnerType = 2;

// One node record of the word graph file.
struct DawgNodeRecord {
    std::int32_t id = 0;
    std::int32_t type = kDawgInnerType;
    bool operator==(const DawgNodeRecord&) const = default;
};

// One edge record: from and to are node ids; letter is 'A'..'Z'.
struct DawgEdgeRecord {
    std::int32_t from = 0;
    std::int32_t to = 0;
    char letter = 'A';
    bool operator==(const DawgEdgeRecord&) const = default;
};

// The records of one word graph, in file order. A node's outgoing edges are tried by the
// query in the order their records appear here.
struct DawgRecords {
    std::vector<DawgNodeRecord> nodes;
    std::vector<DawgEdgeRecord> edges;
};

// The word graph file image: node count, node records (id, type), edge count, edge records
// (from id, to id, letter), all integers 32-bit little-endian, no header. Writes the records
// exactly as given; Dawg::Load reads them back in the same order.
std::vector<std::byte> SerializeDawg(std::span<const DawgNodeRecord> nodes,
                                     std::span<const DawgEdgeRecord> edges);
std::vector<std::byte> SerializeDawg(const DawgRecords& records);

// Writes the image atomically (the old file survives any failure).
Status WriteDawgFile(const std::string& path, const DawgRecords& records);

// A minimised word graph holding exactly the given words: one root (id 0, type 0), one end
// node (id 1, type 1) that every word's last edge enters, inner nodes after them. A word that
// is a prefix of another ends at the end node while the longer word goes on through a second
// edge of the same letter. Words holding anything but 'A'..'Z' are skipped; duplicates count
// once. Each node's edges come out in alphabetical order (the end-node edge first where a
// letter has two); ShuffleEdgeOrder mixes them.
DawgRecords BuildDawgRecords(std::span<const std::string> words);

// Puts each node's outgoing edges in a pseudo-random order fixed by seed, so that a walk
// forward or backward over them does not favour the start or the end of the alphabet. The
// same records and seed always give the same order. Edges are regrouped by their from node,
// nodes in the order of their first edge.
void ShuffleEdgeOrder(DawgRecords& records, std::uint32_t seed);

}  // namespace quillby
