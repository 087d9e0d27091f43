#include "core/wordgraph/dawg.h"

namespace quillby {

namespace {

// Results of one visit.
constexpr int kBranchDone = 0;
constexpr int kWordReported = 1;
constexpr int kLimitPassed = 3;

}  // namespace

// The state of one query, on the caller's stack: the walk itself allocates nothing.
struct Dawg::Walk {
    std::string_view pattern;
    int& steps;
    int stepLimit;
    EdgeCoin& coin;
    MatchCallback callback;
    char buffer[kMaxMatchLength + 1];
};

void Dawg::MatchRun(std::string_view pattern, int& steps, EdgeCoin& coin, MatchCallback callback,
                    int stepLimit) const
{
    if (root < 0 || endNode < 0 || pattern.size() > kMaxMatchLength) {
        return;
    }
    Walk walk{pattern, steps, stepLimit, coin, callback, {}};
    Visit(root, 0, walk);
}

int Dawg::Visit(std::int32_t node, std::size_t position, Walk& walk) const
{
    if (++walk.steps > walk.stepLimit) {
        return kLimitPassed;
    }
    if (node == endNode) {
        if (position != walk.pattern.size()) {
            return kBranchDone;
        }
        walk.callback(std::string_view(walk.buffer, position), walk.steps);
        return kWordReported;
    }
    if (position >= walk.pattern.size()) {
        return kBranchDone;
    }
    const char wanted = walk.pattern[position];
    const bool forward = (walk.coin.Next() & 1) != 0;
    const std::int32_t first = walkStart[Index(node)];
    const std::int32_t count = walkStart[Index(node) + 1] - first;
    // The root's walk starts at an edge of the coin's choosing and goes round. Starting it at
    // either end would give every open first square a word beginning with one of two letters:
    // the step limit rarely lets an open pattern's walk leave its first letter.
    const std::int32_t start = node == root && count > 0 ? walk.coin.Next() % count : 0;
    for (std::int32_t k = 0, offset = start; k < count;
         ++k, offset = offset + 1 == count ? 0 : offset + 1) {
        const std::int32_t i = forward ? first + offset : first + count - 1 - offset;
        const char letter = walkLetters[Index(i)];
        if (letter != wanted && wanted != '*') {
            continue;
        }
        walk.buffer[position] = letter;
        if (Visit(walkTargets[Index(i)], position + 1, walk) == kLimitPassed) {
            return kLimitPassed;
        }
        walk.buffer[position] = ' ';
    }
    return kBranchDone;
}

}  // namespace quillby
