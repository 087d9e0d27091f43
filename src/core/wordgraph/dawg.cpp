#include "core/wordgraph/dawg.h"

#include <cstdio>
#include <string>

#include "core/common/byte_io.h"
#include "core/common/file_io.h"

namespace quillby {

// The word graph file, little-endian, no header:
//
//   offset    size    field
//   0         4       node count N (signed)
//   4         8*N     node records: id i32, type i32 (0 root, 1 end node, other inner)
//   4+8N      4       edge count E (signed)
//   8+8N      9*E     edge records: from id i32, to id i32, letter u8
//
// Node ids are looked up through a chained hash over their decimal text (10000 buckets,
// h = h * 31 + byte, newest entry first), so a repeated id resolves to its last node record.

namespace {

constexpr std::size_t kNodeRecordSize = 8;
constexpr std::size_t kEdgeRecordSize = 9;
constexpr std::size_t kIdBuckets = 10000;

// The hash of the id's decimal text ("%d"), worked out from its digits without formatting:
// loading looks up two ids per edge, and formatting them was most of the load time.
std::size_t IdBucket(std::int32_t id)
{
    char digits[12];
    int count = 0;
    std::int64_t value = id;
    const bool negative = value < 0;
    value = negative ? -value : value;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    std::uint32_t h = negative ? static_cast<std::uint32_t>('-') : 0u;
    while (count > 0) {
        h = h * 31u + static_cast<unsigned char>(digits[--count]);
    }
    return h % kIdBuckets;
}

class IdIndex {
public:
    explicit IdIndex(std::size_t count) : heads(kIdBuckets, -1) { next.reserve(count); }

    void Add(std::int32_t id, std::int32_t node)
    {
        const std::size_t bucket = IdBucket(id);
        next.push_back(heads[bucket]);
        heads[bucket] = node;
    }

    std::int32_t Find(std::int32_t id, const std::vector<DawgNode>& nodes) const
    {
        for (std::int32_t i = heads[IdBucket(id)]; i >= 0; i = next[static_cast<std::size_t>(i)]) {
            if (nodes[static_cast<std::size_t>(i)].id == id) {
                return i;
            }
        }
        return -1;
    }

private:
    std::vector<std::int32_t> heads;
    std::vector<std::int32_t> next;
};

Status Refuse(std::string why)
{
    return Status::Failure(std::move(why));
}

// A count read from the file, checked against what is left before anything is reserved.
bool ReadCount(ByteReader& reader, std::size_t recordSize, std::int32_t& count)
{
    return reader.ReadI32Le(count) && count >= 0 &&
           static_cast<std::size_t>(count) <= reader.Remaining() / recordSize;
}

// Lays edges out per node, keeping file order within each node.
std::vector<DawgEdge> GroupEdges(const std::vector<DawgEdge>& edges, std::vector<DawgNode>& nodes,
                                 bool byFrom)
{
    std::vector<std::int32_t> next(nodes.size() + 1, 0);
    for (const DawgEdge& edge : edges) {
        next[static_cast<std::size_t>(byFrom ? edge.from : edge.to) + 1] += 1;
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        DawgNode& node = nodes[i];
        (byFrom ? node.firstOutgoing : node.firstIncoming) = next[i];
        (byFrom ? node.outgoingCount : node.incomingCount) = next[i + 1];
        next[i + 1] += next[i];
    }
    std::vector<DawgEdge> grouped(edges.size());
    for (const DawgEdge& edge : edges) {
        std::int32_t& slot = next[static_cast<std::size_t>(byFrom ? edge.from : edge.to)];
        grouped[static_cast<std::size_t>(slot++)] = edge;
    }
    return grouped;
}

Status ReadNodes(ByteReader& reader, std::vector<DawgNode>& nodes, IdIndex& index)
{
    std::int32_t count = 0;
    if (!ReadCount(reader, kNodeRecordSize, count)) {
        return Refuse("has a bad node count or ends inside it");
    }
    nodes.resize(static_cast<std::size_t>(count));
    index = IdIndex(nodes.size());
    for (std::int32_t i = 0; i < count; ++i) {
        DawgNode& node = nodes[static_cast<std::size_t>(i)];
        reader.ReadI32Le(node.id);
        reader.ReadI32Le(node.type);
        index.Add(node.id, i);
    }
    return Status(Done{});
}

// Resolves an id named by an edge record, or says on stdout which one is missing.
bool ResolveNode(std::int32_t id, const std::vector<DawgNode>& nodes, const IdIndex& index,
                 std::int32_t& out)
{
    out = index.Find(id, nodes);
    if (out < 0) {
        std::printf("Loading DAWG failed, cannot find node %d\n", id);
        std::fflush(stdout);
        return false;
    }
    return true;
}

Status ReadEdges(ByteReader& reader, const std::vector<DawgNode>& nodes, const IdIndex& index,
                 std::vector<DawgEdge>& edges)
{
    std::int32_t count = 0;
    if (!ReadCount(reader, kEdgeRecordSize, count)) {
        return Refuse("has a bad edge count or ends inside it");
    }
    edges.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        std::int32_t fromId = 0;
        std::int32_t toId = 0;
        std::uint8_t letter = 0;
        reader.ReadI32Le(fromId);
        reader.ReadI32Le(toId);
        reader.ReadU8(letter);
        DawgEdge& edge = edges[static_cast<std::size_t>(i)];
        if (!ResolveNode(fromId, nodes, index, edge.from) ||
            !ResolveNode(toId, nodes, index, edge.to)) {
            const std::int32_t missing = edge.from < 0 ? fromId : toId;
            return Refuse("has an edge to or from node " + std::to_string(missing) +
                          ", which no node record has");
        }
        if (letter < 'A' || letter > 'Z') {
            return Refuse("has edge record " + std::to_string(i) + " with a letter outside A-Z");
        }
        edge.letter = static_cast<char>(letter);
    }
    return Status(Done{});
}

}  // namespace

void Dawg::Clear()
{
    nodes.clear();
    edges.clear();
    outgoing.clear();
    incoming.clear();
    walkStart.clear();
    walkLetters.clear();
    walkTargets.clear();
    root = -1;
    endNode = -1;
    trailingBytes = 0;
}

Status Dawg::Load(const std::string& path)
{
    Clear();
    const auto bytes = ReadWholeFile(path, kMaxFileBytes);
    if (!bytes) {
        return Refuse(bytes.Error());
    }
    Status status = LoadBytes(bytes.Value());
    if (!status) {
        return Refuse(path + " " + status.Error());
    }
    return status;
}

Status Dawg::LoadBytes(std::span<const std::byte> bytes)
{
    Clear();
    ByteReader reader(bytes);
    std::vector<DawgNode> newNodes;
    IdIndex index(0);
    if (Status read = ReadNodes(reader, newNodes, index); !read) {
        return read;
    }
    std::vector<DawgEdge> newEdges;
    if (Status read = ReadEdges(reader, newNodes, index, newEdges); !read) {
        return read;
    }
    Install(std::move(newNodes), std::move(newEdges));
    trailingBytes = reader.Remaining();
    return Status(Done{});
}

void Dawg::Install(std::vector<DawgNode> newNodes, std::vector<DawgEdge> newEdges)
{
    outgoing = GroupEdges(newEdges, newNodes, true);
    incoming = GroupEdges(newEdges, newNodes, false);
    nodes = std::move(newNodes);
    edges = std::move(newEdges);
    walkStart.reserve(nodes.size() + 1);
    for (const DawgNode& node : nodes) {
        walkStart.push_back(node.firstOutgoing);
    }
    walkStart.push_back(static_cast<std::int32_t>(outgoing.size()));
    for (const DawgEdge& edge : outgoing) {
        walkLetters.push_back(edge.letter);
        walkTargets.push_back(edge.to);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (root < 0 && nodes[i].type == 0) {
            root = static_cast<std::int32_t>(i);
        }
        if (endNode < 0 && nodes[i].type == 1) {
            endNode = static_cast<std::int32_t>(i);
        }
    }
}

}  // namespace quillby
