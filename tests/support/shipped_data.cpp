#include "support/shipped_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/generator/grid_template.h"
#include "support/temp_app_folder.h"

namespace quillby::testing {

void CopyShippedData(const std::string& appFolder)
{
    for (const char* name : {"eng_dawg", "eng_clues.b", "9x9", "11x11", "13x13", "15x15",
                             "eng_fill_words", "eng_default.crs"}) {
        std::filesystem::copy_file(std::string(QUILLBY_SHIPPED_DIR) + "/data/" + name,
                                   appFolder + "/data/" + name,
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

void StartOnShippedData(Game& game, std::uint32_t seed)
{
    CopyShippedData(game.paths.folder);
    game.LoadClueStores();
    ASSERT_TRUE(game.LoadWordGraph().Ok());
    game.rng.Seed(seed);
    game.RestorePlay(false);
}

bool IsOneOfTemplates(const Crossword& crossword, const std::string& templatePath)
{
    const auto file = ReadTemplateFile(templatePath, crossword.width, crossword.height);
    if (!file) {
        return false;
    }
    const std::size_t area = crossword.squares.size();
    for (std::size_t k = 0; k < file->Count(); ++k) {
        bool same = true;
        for (std::size_t i = 0; i < area && same; ++i) {
            same = crossword.squares[i].open == (file->bytes[k * area + i] != std::byte{0});
        }
        if (same) {
            return true;
        }
    }
    return false;
}

void WriteUnfillableTemplate(const std::string& templatePath, int size)
{
    WriteBytes(templatePath,
               std::vector<std::byte>(static_cast<std::size_t>(size * size), std::byte{1}));
}

void MakeGenerationsRunUntilCancelled(Game& game, int size)
{
    WriteUnfillableTemplate(game.paths.Template(size, size), size);
    game.maxGenerationAttempts = 0;
}

}  // namespace quillby::testing
