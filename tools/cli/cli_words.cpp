#include <algorithm>
#include <limits>
#include <ostream>
#include <vector>

#include "cli/cli.h"
#include "core/generator/puzzle_filler.h"
#include "core/wordgraph/dawg.h"

namespace quillby::cli {

namespace {

constexpr const char* kWordsUsage = "usage: quillby-cli words PATTERN [--dawg PATH] [--all]\n";

// Upper-cases the pattern; empty when it holds anything but letters and '*' or is too long.
std::string CheckPattern(const std::string& text)
{
    std::string pattern;
    for (char c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        if ((c < 'A' || c > 'Z') && c != '*') {
            return {};
        }
        pattern.push_back(c);
    }
    if (pattern.size() > static_cast<std::size_t>(PuzzleFiller::kMaxRunLength)) {
        return {};
    }
    return pattern;
}

}  // namespace

int RunWords(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    if (args.empty() || args[0].starts_with("--")) {
        err << kWordsUsage;
        return 2;
    }
    const std::string pattern = CheckPattern(args[0]);
    if (pattern.empty()) {
        err << "the pattern must be 1 to 19 letters or '*'\n" << kWordsUsage;
        return 2;
    }
    Dawg dawg;
    const std::string path = FlagValue(args, "--dawg", "data/eng_dawg");
    if (const Status loaded = dawg.Load(path); !loaded) {
        err << "cannot load the word graph: " << loaded.Error() << "\n";
        return 1;
    }
    const bool all = HasFlag(args, "--all");
    std::vector<std::string> words;
    auto report = [&](std::string_view word, int&) { words.emplace_back(word); };
    int steps = 0;
    EdgeCoin coin(1);
    dawg.MatchRun(pattern, steps, coin, report,
                  all ? std::numeric_limits<int>::max() : kMatchStepLimit);
    if (all) {
        std::sort(words.begin(), words.end());
        words.erase(std::unique(words.begin(), words.end()), words.end());
    }
    for (const std::string& word : words) {
        out << word << "\n";
    }
    return 0;
}

}  // namespace quillby::cli
