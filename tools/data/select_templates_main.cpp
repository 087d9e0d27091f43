// quillby-templates: proposes British-style block patterns and keeps those the game's own
// filler completes most often. Its output is what tools/templates/*.txt hold.
#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include "data/grid_pattern.h"

using quillby::data::GridPattern;

namespace {

const char* kUsage =
    "usage: quillby-templates --size N [--candidates K] [--keep M] [--seed S]\n"
    "Prints the kept patterns as text, best first.\n";

}  // namespace

int main(int argc, char** argv)
{
    int size = 0;
    int candidates = 400;
    int keep = 40;
    unsigned seed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const int value = std::stoi(argv[i + 1]);
        if (flag == "--size") {
            size = value;
        } else if (flag == "--candidates") {
            candidates = value;
        } else if (flag == "--keep") {
            keep = value;
        } else if (flag == "--seed") {
            seed = static_cast<unsigned>(value);
        }
    }
    if (size < 5 || size % 2 == 0) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::mt19937 random(seed);
    std::set<std::vector<bool>> seen;
    std::vector<GridPattern> valid;
    for (int tries = 0; static_cast<int>(valid.size()) < candidates && tries < candidates * 200;
         ++tries) {
        const int pairs = 1 + static_cast<int>(random() % static_cast<unsigned>(size / 2 + 2));
        GridPattern pattern = quillby::data::ProposePattern(size, pairs, random);
        if (quillby::data::PatternProblems(pattern).empty() && seen.insert(pattern.open).second) {
            valid.push_back(pattern);
        }
    }
    for (int i = 0; i < keep && i < static_cast<int>(valid.size()); ++i) {
        std::printf("%s%s", i == 0 ? "" : "\n", quillby::data::PatternText(valid[i]).c_str());
    }
    return 0;
}
