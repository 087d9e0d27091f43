#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/clues/clue_record.h"
#include "core/common/result.h"
#include "core/common/string_index.h"

namespace quillby {

struct LengthCount {
    std::int32_t total = 0;
    std::int32_t unsolved = 0;
};

// The clues of one clue file: records in file order with an index by answer word. The main
// store also keeps which clues the player has answered (solved) and which clue of a word is
// shown next (rotation).
//
// Record addresses stay valid until that record is removed, whatever else is added. Find
// changes nothing, so the generator's worker may call it while no other thread uses the store.
class ClueStore {
public:
    static constexpr int kIndexBuckets = 1000;
    // Answer, one space and question together may not exceed this.
    static constexpr std::size_t kMaxClueText = 255;
    // A clue file longer than this is refused: ten times the shipped one.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

    ClueStore() = default;
    ClueStore(const ClueStore&) = delete;
    ClueStore& operator=(const ClueStore&) = delete;
    ClueStore(ClueStore&&) = default;
    ClueStore& operator=(ClueStore&&) = default;

    // Replaces the store with the file's records. A missing file gives an empty store. A file
    // that is present but unreadable or damaged is refused whole: the store keeps what it held
    // and refuses every later Save, so the damaged file is left for the user to inspect. So is
    // anything that is not a regular file, or a file longer than kMaxFileBytes.
    Status Load(const std::string& path);
    // Writes the store atomically (an empty store writes an empty file). Refused after a
    // refused Load.
    Status Save(const std::string& path) const;
    bool SaveBlocked() const { return saveBlocked; }

    // The file image, and its reader. Parse replaces the store only when the bytes are sound.
    std::vector<std::byte> Serialize() const;
    Status Parse(std::span<const std::byte> bytes);

    // The word's current clue: the newest record of the word with rotation 0, or null.
    const ClueRecord* Find(std::string_view answer) const;
    ClueRecord* Find(std::string_view answer);

    // Adds a clue with fresh counters, unless the word's newest record already has this
    // question (that is not a failure). False, with nothing added, when the answer is not
    // one or more letters 'A'..'Z' or the answer, a space and the question exceed 255 bytes.
    bool AddClue(const std::string& question, const std::string& answer);
    // Appends a record as given, counters included (tests, data tools). False, with nothing
    // added, when the answer is not one or more letters 'A'..'Z'.
    bool AddRecord(ClueRecord record);
    // Removes the word's newest record, if any.
    void RemoveClue(std::string_view answer);

    // The solved marks change only through MarkSolved and ClearSolved, which keep the counts
    // by length that CountByLength and RecycleSolved read.
    void MarkSolved(ClueRecord& record);
    // Sends the word's current clue to the back of its turn order; the next becomes current.
    void Retire(ClueRecord& record);
    // Moves every clue of the word one turn back and makes the furthest one current again,
    // which undoes a Retire.
    void Advance(ClueRecord& record);

    // The records whose answer has length letters, and how many of them are unsolved. Kept up
    // to date by every change, so it costs the same whatever the store's size.
    LengthCount CountByLength(int length) const;
    void ClearSolved(int length);
    // For each length 3 to 9 with some clue unsolved: when more than 55 percent are solved,
    // all of that length become unsolved again, so solved words return to new puzzles. This
    // runs after every key in play: it reads the kept counts and walks the records only to
    // clear a length.
    void RecycleSolved();

    // In store order: file order, then additions.
    const std::list<ClueRecord>& Records() const { return records; }
    std::size_t Size() const { return records.size(); }
    bool Empty() const { return records.empty(); }

private:
    using Node = std::list<ClueRecord>::iterator;
    // The index reads each key from its record, so a lookup touches one record per match.
    struct AnswerOf {
        std::string_view operator()(const Node& node) const { return node->answer; }
    };

    void Append(ClueRecord record);
    // Adds a record to its length's counts (sign 1) or takes it off them (sign -1).
    void Count(const ClueRecord& record, int sign);

    std::list<ClueRecord> records;
    StringIndex<Node, AnswerOf> index{kIndexBuckets};
    std::vector<LengthCount> lengthCounts;  // by answer length
    bool saveBlocked = false;
};

// True for one or more letters 'A'..'Z'.
bool IsAnswerWord(std::string_view word);

}  // namespace quillby
