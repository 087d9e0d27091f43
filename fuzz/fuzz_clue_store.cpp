#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/clues/clue_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto bytes = std::as_bytes(std::span(data, size));
    quillby::ClueStore store;
    if (!store.Parse(bytes)) {
        return 0;
    }
    // Whatever the reader accepts must write back to the same bytes (up to a terminating empty
    // record or trailing bytes) and survive what play does to it.
    const auto written = store.Serialize();
    quillby::ClueStore again;
    if (!again.Parse(written) || again.Serialize() != written) {
        __builtin_trap();
    }
    for (const quillby::ClueRecord& record : again.Records()) {
        const std::string word = record.answer;
        if (quillby::ClueRecord* current = store.Find(word)) {
            store.MarkSolved(*current);
            store.Retire(*current);
            if (quillby::ClueRecord* next = store.Find(word)) {
                store.Advance(*next);
            }
        }
    }
    store.RecycleSolved();
    if (!store.Records().empty()) {
        store.RemoveClue(store.Records().front().answer);
    }
    (void)store.AddClue("Fuzzed", "FUZZ");
    return 0;
}
