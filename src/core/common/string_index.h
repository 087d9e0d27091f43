#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quillby {

// The game's hash of a key: h = h * 31 + byte, each byte taken as a signed 8-bit value, in
// unsigned 32-bit arithmetic. Bucket placement depends on it, so it must not change.
inline std::uint32_t StringHash(std::string_view key)
{
    std::uint32_t h = 0;
    for (const char c : key) {
        h = h * 31u +
            static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
    }
    return h;
}

// Tag for StringIndex: the index keeps its own copy of every key.
struct OwnKeyCopies {};

// A chained hash table from string keys to values, with a fixed bucket count. Keys may repeat;
// the newest entry of a key is found first. Each bucket keeps its entries oldest first in
// arrays, with the full hashes in one of them, so a lookup scans a short run of integers and
// reads a key only where the hashes agree. Lookups change nothing, so several threads may read
// while none writes.
//
// KeyOf, when given, reads the key from a value (values then must keep their keys unchanged
// while indexed); it spares the key copies and lets a lookup touch one object per match.
template <typename Value, typename KeyOf = OwnKeyCopies>
class StringIndex {
    static constexpr bool kOwnsKeys = std::is_same_v<KeyOf, OwnKeyCopies>;

public:
    static constexpr int kMaxBuckets = 65534;

    // bucketCount is kept within 1..65534.
    explicit StringIndex(int bucketCount)
        : buckets(static_cast<std::size_t>(std::clamp(bucketCount, 1, kMaxBuckets)))
    {
    }

    int BucketCount() const { return static_cast<int>(buckets.size()); }
    std::size_t Size() const { return size; }

    void Insert(std::string_view key, Value value)
    {
        const std::uint32_t hash = StringHash(key);
        Bucket& bucket = BucketOf(hash);
        bucket.hashes.push_back(hash);
        bucket.values.push_back(std::move(value));
        if constexpr (kOwnsKeys) {
            bucket.keys.emplace_back(key);
        }
        ++size;
    }

    // The newest value stored under key for which accept(value) holds, or null.
    template <typename Accept>
    const Value* FindIf(std::string_view key, Accept accept) const
    {
        const std::uint32_t hash = StringHash(key);
        const Bucket& bucket = BucketOf(hash);
        for (std::size_t i = bucket.hashes.size(); i-- > 0;) {
            if (bucket.hashes[i] == hash && KeyAt(bucket, i) == key && accept(bucket.values[i])) {
                return &bucket.values[i];
            }
        }
        return nullptr;
    }

    const Value* Find(std::string_view key) const
    {
        return FindIf(key, [](const Value&) { return true; });
    }

    // Calls visit(value) for every value under key, oldest first (the order they were inserted).
    template <typename Visit>
    void ForEach(std::string_view key, Visit visit) const
    {
        const std::uint32_t hash = StringHash(key);
        const Bucket& bucket = BucketOf(hash);
        for (std::size_t i = 0; i < bucket.hashes.size(); ++i) {
            if (bucket.hashes[i] == hash && KeyAt(bucket, i) == key) {
                visit(bucket.values[i]);
            }
        }
    }

    // Removes the newest entry of key; false when there is none.
    bool Remove(std::string_view key)
    {
        const std::uint32_t hash = StringHash(key);
        Bucket& bucket = BucketOf(hash);
        for (std::size_t i = bucket.hashes.size(); i-- > 0;) {
            if (bucket.hashes[i] == hash && KeyAt(bucket, i) == key) {
                const auto at = static_cast<std::ptrdiff_t>(i);
                bucket.hashes.erase(bucket.hashes.begin() + at);
                bucket.values.erase(bucket.values.begin() + at);
                if constexpr (kOwnsKeys) {
                    bucket.keys.erase(bucket.keys.begin() + at);
                }
                --size;
                return true;
            }
        }
        return false;
    }

    void Clear()
    {
        for (Bucket& bucket : buckets) {
            bucket = Bucket{};
        }
        size = 0;
    }

private:
    struct NoKeys {};
    struct Bucket {
        std::vector<std::uint32_t> hashes;
        std::vector<Value> values;
        [[no_unique_address]] std::conditional_t<kOwnsKeys, std::vector<std::string>, NoKeys> keys;
    };

    static std::string_view KeyAt(const Bucket& bucket, std::size_t i)
    {
        if constexpr (kOwnsKeys) {
            return bucket.keys[i];
        } else {
            return KeyOf{}(bucket.values[i]);
        }
    }
    Bucket& BucketOf(std::uint32_t hash) { return buckets[hash % buckets.size()]; }
    const Bucket& BucketOf(std::uint32_t hash) const { return buckets[hash % buckets.size()]; }

    std::vector<Bucket> buckets;
    std::size_t size = 0;
};

}  // namespace quillby
