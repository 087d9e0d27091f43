// Samples the templates the build shipped into the application folder and checks that the
// game's filler still completes each often enough with the shipped words and clues.
#include <gtest/gtest.h>

#include "core/clues/clue_store.h"
#include "core/generator/grid_template.h"
#include "core/wordgraph/dawg.h"
#include "data/fill_measure.h"

namespace quillby::data {

namespace {

constexpr int kSampled = 3;
constexpr int kSeeds = 40;
constexpr double kLeastRate = 0.25;

void CheckSample(int size, const Dawg& dawg, const ClueStore& clues)
{
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    auto file = ReadTemplateFile(std::string(QUILLBY_SHIPPED_DIR) + "/data/" + name, size, size);
    ASSERT_TRUE(file.Ok()) << file.Error();
    ASSERT_GE(file->Count(), 30u);
    const auto seeds = FillSeeds(kSeeds);
    const std::size_t area = static_cast<std::size_t>(size * size);
    for (int k = 0; k < kSampled; ++k) {
        // Spread over the file: the first, one in the middle and the last.
        const std::size_t index = k * (file->Count() - 1) / (kSampled - 1);
        GridPattern pattern{size, {}};
        for (std::size_t i = 0; i < area; ++i) {
            pattern.open.push_back(file->bytes[index * area + i] != std::byte{0});
        }
        const FillMeasure measure = MeasureFill(pattern, dawg, clues, seeds);
        EXPECT_GE(measure.Rate(), kLeastRate) << name << " template " << index + 1;
    }
}

}  // namespace

TEST(ShippedTemplates, SampledTemplatesFillOftenEnough)
{
    Dawg dawg;
    ClueStore clues;
    ASSERT_TRUE(dawg.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_dawg").Ok());
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    CheckSample(9, dawg, clues);
    CheckSample(11, dawg, clues);
}

}  // namespace quillby::data
