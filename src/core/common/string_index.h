#pragma once

#include <cstdint>
#include <string>
#include <string_view>
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

// A chained hash table from string keys to values, with a fixed bucket count. Keys may repeat;
// the newest entry of a key is found first. Each bucket keeps its entries oldest first in one
// array with their full hashes beside them, so a lookup scans a short run of integers and
// compares key bytes only where the hashes agree. Lookups change nothing, so several threads
// may read while none writes.
template <typename Value>
class StringIndex {
public:
    static constexpr int kMaxBuckets = 65534;

    // bucketCount is kept within 1..65534.
    explicit StringIndex(int bucketCount)
        : buckets(static_cast<std::size_t>(bucketCount < 1             ? 1
                                           : bucketCount > kMaxBuckets ? kMaxBuckets
                                                                       : bucketCount))
    {
    }

    int BucketCount() const { return static_cast<int>(buckets.size()); }
    std::size_t Size() const { return size; }

    void Insert(std::string_view key, Value value)
    {
        const std::uint32_t hash = StringHash(key);
        Bucket& bucket = BucketOf(hash);
        bucket.hashes.push_back(hash);
        bucket.entries.push_back(Entry{std::string(key), std::move(value)});
        ++size;
    }

    // The newest value stored under key for which accept(value) holds, or null.
    template <typename Accept>
    const Value* FindIf(std::string_view key, Accept accept) const
    {
        const std::uint32_t hash = StringHash(key);
        const Bucket& bucket = BucketOf(hash);
        for (std::size_t i = bucket.hashes.size(); i-- > 0;) {
            if (bucket.hashes[i] == hash && bucket.entries[i].key == key &&
                accept(bucket.entries[i].value)) {
                return &bucket.entries[i].value;
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
            if (bucket.hashes[i] == hash && bucket.entries[i].key == key) {
                visit(bucket.entries[i].value);
            }
        }
    }

    // Removes the newest entry of key; false when there is none.
    bool Remove(std::string_view key)
    {
        const std::uint32_t hash = StringHash(key);
        Bucket& bucket = BucketOf(hash);
        for (std::size_t i = bucket.hashes.size(); i-- > 0;) {
            if (bucket.hashes[i] == hash && bucket.entries[i].key == key) {
                bucket.hashes.erase(bucket.hashes.begin() + static_cast<std::ptrdiff_t>(i));
                bucket.entries.erase(bucket.entries.begin() + static_cast<std::ptrdiff_t>(i));
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
    struct Entry {
        std::string key;
        Value value;
    };
    struct Bucket {
        std::vector<std::uint32_t> hashes;
        std::vector<Entry> entries;
    };

    Bucket& BucketOf(std::uint32_t hash) { return buckets[hash % buckets.size()]; }
    const Bucket& BucketOf(std::uint32_t hash) const { return buckets[hash % buckets.size()]; }

    std::vector<Bucket> buckets;
    std::size_t size = 0;
};

}  // namespace quillby
