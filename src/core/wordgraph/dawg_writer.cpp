#include "core/wordgraph/dawg_writer.h"

#include <algorithm>
#include <map>
#include <unordered_map>

#include "core/common/byte_io.h"
#include "core/common/file_io.h"
#include "core/wordgraph/rng.h"

namespace quillby {

namespace {

constexpr std::int32_t kRootId = 0;
constexpr std::int32_t kEndId = 1;

bool IsGraphWord(const std::string& word)
{
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// A prefix tree over sorted words; children arrive in alphabetical order.
struct TrieNode {
    std::vector<std::pair<char, int>> children;
    bool ends = false;  // a word ends on the edge into this node
};

std::vector<TrieNode> BuildTrie(std::vector<std::string> words)
{
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::vector<TrieNode> trie(1);
    for (const std::string& word : words) {
        int node = 0;
        for (char letter : word) {
            auto& children = trie[static_cast<std::size_t>(node)].children;
            if (children.empty() || children.back().first != letter) {
                children.emplace_back(letter, static_cast<int>(trie.size()));
                trie.emplace_back();
            }
            node = trie[static_cast<std::size_t>(node)].children.back().second;
        }
        trie[static_cast<std::size_t>(node)].ends = true;
    }
    return trie;
}

// Merges trie nodes whose outgoing edges are the same (same letters into the same merged
// nodes), children first, so equal suffixes share nodes.
class Minimiser {
public:
    explicit Minimiser(const std::vector<TrieNode>& trie) : trie(trie) {}

    DawgRecords Run()
    {
        records.nodes.push_back({kRootId, kDawgRootType});
        records.nodes.push_back({kEndId, kDawgEndType});
        AppendEdges(kRootId, Signature(0));
        return std::move(records);
    }

private:
    // Edges as (letter, target id) pairs in the order they are written.
    std::vector<std::pair<char, std::int32_t>> Signature(int node)
    {
        std::vector<std::pair<char, std::int32_t>> edges;
        for (const auto& [letter, child] : trie[static_cast<std::size_t>(node)].children) {
            const TrieNode& next = trie[static_cast<std::size_t>(child)];
            if (next.ends) {
                edges.emplace_back(letter, kEndId);
            }
            if (!next.children.empty()) {
                edges.emplace_back(letter, Canonical(child));
            }
        }
        return edges;
    }

    std::int32_t Canonical(int node)
    {
        auto signature = Signature(node);
        const auto found = known.find(signature);
        if (found != known.end()) {
            return found->second;
        }
        const auto id = static_cast<std::int32_t>(records.nodes.size());
        records.nodes.push_back({id, kDawgInnerType});
        AppendEdges(id, signature);
        known.emplace(std::move(signature), id);
        return id;
    }

    void AppendEdges(std::int32_t from, const std::vector<std::pair<char, std::int32_t>>& edges)
    {
        for (const auto& [letter, to] : edges) {
            records.edges.push_back({from, to, letter});
        }
    }

    const std::vector<TrieNode>& trie;
    DawgRecords records;
    std::map<std::vector<std::pair<char, std::int32_t>>, std::int32_t> known;
};

}  // namespace

std::vector<std::byte> SerializeDawg(std::span<const DawgNodeRecord> nodes,
                                     std::span<const DawgEdgeRecord> edges)
{
    ByteWriter writer;
    writer.WriteI32Le(static_cast<std::int32_t>(nodes.size()));
    for (const DawgNodeRecord& node : nodes) {
        writer.WriteI32Le(node.id);
        writer.WriteI32Le(node.type);
    }
    writer.WriteI32Le(static_cast<std::int32_t>(edges.size()));
    for (const DawgEdgeRecord& edge : edges) {
        writer.WriteI32Le(edge.from);
        writer.WriteI32Le(edge.to);
        writer.WriteU8(static_cast<std::uint8_t>(edge.letter));
    }
    return writer.Take();
}

std::vector<std::byte> SerializeDawg(const DawgRecords& records)
{
    return SerializeDawg(records.nodes, records.edges);
}

Status WriteDawgFile(const std::string& path, const DawgRecords& records)
{
    return WriteFileAtomically(path, SerializeDawg(records));
}

DawgRecords BuildDawgRecords(std::span<const std::string> words)
{
    std::vector<std::string> kept;
    kept.reserve(words.size());
    for (const std::string& word : words) {
        if (IsGraphWord(word)) {
            kept.push_back(word);
        }
    }
    const std::vector<TrieNode> trie = BuildTrie(std::move(kept));
    return Minimiser(trie).Run();
}

void ShuffleEdgeOrder(DawgRecords& records, std::uint32_t seed)
{
    std::vector<std::int32_t> fromOrder;
    std::unordered_map<std::int32_t, std::vector<DawgEdgeRecord>> groups;
    for (const DawgEdgeRecord& edge : records.edges) {
        auto& group = groups[edge.from];
        if (group.empty()) {
            fromOrder.push_back(edge.from);
        }
        group.push_back(edge);
    }
    Rng rng(seed);
    records.edges.clear();
    for (std::int32_t from : fromOrder) {
        auto& group = groups[from];
        for (std::size_t i = group.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(rng.RandBelow(static_cast<std::int32_t>(i)));
            std::swap(group[i - 1], group[j]);
        }
        records.edges.insert(records.edges.end(), group.begin(), group.end());
    }
}

}  // namespace quillby
