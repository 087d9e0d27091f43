// Samples the fully checked templates the build shipped and checks that every one keeps the
// American-style rules, no two are one shape turned or reflected, and that the fully checked fill
// completes the sampled ones from the shipped fill words.
#include <gtest/gtest.h>

#include <set>

#include "core/clues/clue_store.h"
#include "core/generator/fill_index.h"
#include "core/generator/fill_words.h"
#include "core/generator/generation_job.h"
#include "core/generator/grid_template.h"
#include "data/checked_pattern.h"

namespace quillby::data {

namespace {

constexpr int kSampled = 3;
constexpr int kSeeds = 12;
// Selection keeps templates that fill in at least 90 % of 40 attempts; a sample of 12 may
// fall a little short of that by chance.
constexpr double kLeastRate = 0.75;

void CheckCheckedTemplates(int size, std::size_t least, const FillIndex& index,
                           const FillWordList& words, const ClueStore& clues)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    auto file = ReadTemplateFile(std::string(QUILLBY_SHIPPED_DIR) + "/data/" + name, size, size);
    ASSERT_TRUE(file.Ok()) << file.Error();
    ASSERT_GE(file->Count(), least) << name;
    const std::size_t area = static_cast<std::size_t>(size * size);
    std::vector<GridPattern> patterns;
    std::set<std::vector<bool>> shapes;
    for (std::size_t k = 0; k < file->Count(); ++k) {
        GridPattern pattern{size, {}};
        for (std::size_t i = 0; i < area; ++i) {
            pattern.open.push_back(file->bytes[k * area + i] != std::byte{0});
        }
        const auto problems = CheckedPatternProblems(pattern);
        EXPECT_TRUE(problems.empty()) << name << " template " << k + 1 << ": " << problems[0];
        // A turned or reflected copy would count twice towards the set's variety.
        EXPECT_TRUE(shapes.insert(ShapeKey(pattern)).second)
            << name << " template " << k + 1 << " is another's shape turned or reflected";
        patterns.push_back(std::move(pattern));
    }
    std::vector<std::uint32_t> seeds;
    for (int i = 1; i <= kSeeds; ++i) {
        seeds.push_back(static_cast<std::uint32_t>(i));
    }
    for (int k = 0; k < kSampled; ++k) {
        // Spread over the file: the first, one in the middle and the last.
        const std::size_t chosen = k * (patterns.size() - 1) / (kSampled - 1);
        const CheckedMeasure measure = MeasureCheckedFill(patterns[chosen], index, words, clues,
                                                          seeds, GenerationJob::kCheckedSteps);
        EXPECT_GE(measure.Rate(), kLeastRate) << name << " template " << chosen + 1;
    }
}

}  // namespace

TEST(ShippedCheckedTemplates, AreSoundAndSampledOnesFill)
{
    ClueStore clues;
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    auto words = ReadFillWords(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_fill_words");
    ASSERT_TRUE(words.Ok()) << words.Error();
    const FillIndex index(words.Value());
    // At least 30 of each size, so that a player meets the same grid seldom.
    CheckCheckedTemplates(13, 30, index, words.Value(), clues);
    CheckCheckedTemplates(15, 30, index, words.Value(), clues);
}

}  // namespace quillby::data
