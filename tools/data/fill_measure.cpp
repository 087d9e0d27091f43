#include "data/fill_measure.h"

#include <chrono>
#include <set>

#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"
#include "core/wordgraph/rng.h"

namespace quillby::data {

std::vector<std::uint32_t> FillSeeds(int count)
{
    std::vector<std::uint32_t> seeds;
    for (int i = 1; i <= count; ++i) {
        seeds.push_back(static_cast<std::uint32_t>(i));
    }
    return seeds;
}

bool FillOnce(const GridPattern& pattern, const Dawg& dawg, const ClueStore& clues,
              std::uint32_t seed, Crossword& crossword)
{
    TemplateFile file{pattern.size, pattern.size, PatternBytes({pattern})};
    Rng rng(seed);
    EdgeCoin coin(rng.NextU32());
    crossword.SetGridSize(pattern.size, pattern.size);
    crossword.ClearSquares();
    if (LoadTemplate(crossword, file, rng) < 0) {
        return false;
    }
    crossword.BuildAnswerList();
    PuzzleFiller filler(crossword, dawg, clues, rng, coin);
    int budget = 0;
    return filler.Fill(budget) && crossword.AllAnswered();
}

void FillMeasure::Count(bool wasFilled, const Crossword& crossword, double millis)
{
    attempts += 1;
    filled += wasFilled ? 1 : 0;
    if (wasFilled) {
        std::set<std::string> answers;
        for (const AnswerEntry& entry : crossword.answers) {
            answers.insert(std::string(entry.AnswerWord()));
        }
        for (const std::string& answer : answers) {
            answerFills[answer] += 1;
        }
    }
    totalMillis += millis;
}

FillMeasure MeasureFill(const GridPattern& pattern, const Dawg& dawg, const ClueStore& clues,
                        std::span<const std::uint32_t> seeds)
{
    FillMeasure measure;
    Crossword crossword;
    for (std::uint32_t seed : seeds) {
        const auto start = std::chrono::steady_clock::now();
        const bool filled = FillOnce(pattern, dawg, clues, seed, crossword);
        const auto end = std::chrono::steady_clock::now();
        measure.Count(filled, crossword,
                      std::chrono::duration<double, std::milli>(end - start).count());
    }
    return measure;
}

}  // namespace quillby::data
