#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/result.h"
#include "core/wordgraph/rng.h"

namespace quillby {

// One edge: the letter it adds and the nodes it joins (indices into Dawg::Nodes()).
struct DawgEdge {
    char letter = 0;
    std::int32_t from = -1;
    std::int32_t to = -1;
};

// One node. Its outgoing and incoming edges are ranges of Dawg's per-node edge lists, in
// the order of the edge records in the file.
struct DawgNode {
    std::int32_t id = 0;
    std::int32_t type = 2;  // 0 root, 1 end node, anything else inner
    std::int32_t firstOutgoing = 0;
    std::int32_t outgoingCount = 0;
    std::int32_t firstIncoming = 0;
    std::int32_t incomingCount = 0;
};

// The query's step limit: the walk stops at the 2001st counted node visit.
inline constexpr int kMatchStepLimit = 2000;
// Longest pattern the query accepts; the fill's patterns hold at most 19 letters.
inline constexpr std::size_t kMaxMatchLength = 31;

// Borrowed callable for MatchRun, so the walk allocates nothing. Called with the matched
// word (exactly the pattern's length) and the query's step counter, which it may change.
class MatchCallback {
public:
    template <typename F>
    MatchCallback(F& function)  // NOLINT(google-explicit-constructor)
        : context(&function), call([](void* c, std::string_view word, int& steps) {
              (*static_cast<F*>(c))(word, steps);
          })
    {
    }
    void operator()(std::string_view word, int& steps) const { call(context, word, steps); }

private:
    void* context;
    void (*call)(void*, std::string_view, int&);
};

// The English word list as a directed acyclic word graph: every word is a path of letter
// edges from the root to the one end node. Read-only once loaded, so queries may run on any
// thread while nothing loads.
class Dawg {
public:
    // A word graph file longer than this is refused: a hundred times the shipped one.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

    // Replaces the graph with the file's. On any failure (missing file, truncated file, a
    // negative count or one larger than the bytes left, an edge naming a missing node, a
    // letter outside 'A'..'Z') the graph is left empty, with no root and no end node. An edge
    // naming a missing node also prints "Loading DAWG failed, cannot find node %d" on stdout.
    // The file must be a regular file of at most kMaxFileBytes. Bytes after the last edge
    // record are not read; TrailingBytes says how many there were.
    Status Load(const std::string& path);
    Status LoadBytes(std::span<const std::byte> bytes);
    void Clear();
    std::size_t TrailingBytes() const { return trailingBytes; }

    // The first node of type 0 / type 1 in file order; null when there is none.
    const DawgNode* Root() const { return root < 0 ? nullptr : &nodes[Index(root)]; }
    const DawgNode* EndNode() const { return endNode < 0 ? nullptr : &nodes[Index(endNode)]; }

    std::span<const DawgNode> Nodes() const { return nodes; }
    std::span<const DawgEdge> Edges() const { return edges; }  // file order
    std::span<const DawgEdge> Outgoing(const DawgNode& node) const
    {
        return {outgoing.data() + node.firstOutgoing, Index(node.outgoingCount)};
    }
    std::span<const DawgEdge> Incoming(const DawgNode& node) const
    {
        return {incoming.data() + node.firstIncoming, Index(node.incomingCount)};
    }

    // Hands every word that fits pattern (letters 'A'..'Z', '*' for any letter) to callback,
    // depth first from the root. At every node within the pattern one coin value is drawn:
    // odd walks the node's edges first to last, even last to first. At the root a second
    // value (modulo the edge count) picks the edge the walk starts from; it then goes round
    // in that direction, wrapping past the end. steps is incremented on
    // every node visit; once it exceeds stepLimit the walk stops. Finds nothing without a
    // root or an end node, or for a pattern longer than kMaxMatchLength.
    void MatchRun(std::string_view pattern, int& steps, EdgeCoin& coin, MatchCallback callback,
                  int stepLimit = kMatchStepLimit) const;

private:
    struct Walk;
    static std::size_t Index(std::int32_t i) { return static_cast<std::size_t>(i); }
    int Visit(std::int32_t node, std::size_t position, Walk& walk) const;
    void Install(std::vector<DawgNode> newNodes, std::vector<DawgEdge> newEdges);

    std::vector<DawgNode> nodes;     // file order
    std::vector<DawgEdge> edges;     // file order
    std::vector<DawgEdge> outgoing;  // grouped by from node, file order within
    std::vector<DawgEdge> incoming;  // grouped by to node, file order within
    // The query's view of outgoing: compact arrays, so a node's letters share a cache line.
    std::vector<std::int32_t> walkStart;  // node i's edges are [walkStart[i], walkStart[i + 1])
    std::vector<char> walkLetters;
    std::vector<std::int32_t> walkTargets;
    std::int32_t root = -1;
    std::int32_t endNode = -1;
    std::size_t trailingBytes = 0;
};

}  // namespace quillby
