#include "support/word_world.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/file_io.h"
#include "core/wordgraph/dawg_writer.h"
#include "core/wordgraph/rng.h"
#include "support/temp_app_folder.h"

namespace quillby::testing {

const std::vector<std::string> kLatticeRows{".....", ".#.#.", ".....", ".#.#.", "....."};

void BuildWorld(WordWorld& world, const std::vector<std::string>& words)
{
    ASSERT_TRUE(world.dawg.LoadBytes(SerializeDawg(BuildDawgRecords(words))).Ok());
    for (const std::string& word : words) {
        world.clues.AddClue("Clue for " + word, word);
    }
}

std::vector<std::string> LatticeInCorner(int size)
{
    std::vector<std::string> rows;
    for (const std::string& row : kLatticeRows) {
        rows.push_back(row + std::string(static_cast<std::size_t>(size) - row.size(), '#'));
    }
    rows.resize(static_cast<std::size_t>(size), std::string(static_cast<std::size_t>(size), '#'));
    return rows;
}

std::vector<std::string> LatticeWords(unsigned seed, int count)
{
    Rng rng(seed);
    const std::string crossing = "AEST";
    const std::string inner = "AEIOURST";
    std::vector<std::string> words;
    while (static_cast<int>(words.size()) < count) {
        std::string word;
        for (int i = 0; i < 5; ++i) {
            const std::string& from = i % 2 == 0 ? crossing : inner;
            word.push_back(from[static_cast<std::size_t>(
                rng.RandBelow(static_cast<std::int32_t>(from.size())))]);
        }
        if (std::find(words.begin(), words.end(), word) == words.end()) {
            words.push_back(word);
        }
    }
    return words;
}

void WriteWorldFiles(const std::string& folder, const std::vector<std::string>& words, int size,
                     const std::vector<std::vector<std::string>>& templates)
{
    WordWorld world;
    BuildWorld(world, words);
    ASSERT_TRUE(WriteDawgFile(folder + "/data/eng_dawg", BuildDawgRecords(words)).Ok());
    ASSERT_TRUE(world.clues.Save(folder + "/data/eng_clues.b").Ok());
    std::vector<std::byte> bytes;
    for (const auto& rows : templates) {
        for (const std::string& row : rows) {
            for (char cell : row) {
                bytes.push_back(cell == '#' ? std::byte{0} : std::byte{1});
            }
        }
    }
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    WriteBytes(folder + "/data/" + name, bytes);
}

}  // namespace quillby::testing
