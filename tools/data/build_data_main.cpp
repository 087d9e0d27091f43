#include <cstdio>
#include <random>

#include "data/clue_writer.h"
#include "data/word_list.h"

using namespace quillby::data;

int main(int argc, char** argv)
{
    const std::string scowl = "/usr/share/dict/scowl";
    auto words = ReadAnswerWords(ScowlFiles(scowl, {"english-words", "american-words"}, 50));
    auto dictionary = ReadDictionary(ScowlFiles(scowl, {"english-words", "american-words"}, 70));
    auto wordNet = WordNet::Load("/usr/share/wordnet");
    if (!words || !dictionary || !wordNet) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }
    Morphology morphology(wordNet.Value(), dictionary.Value());
    OffensiveWords offensive = OffensiveWords::Build(wordNet.Value(), "");
    ClueWriter writer(wordNet.Value(), morphology, offensive, {});
    int count[12] = {};
    int total = 0, records = 0;
    std::vector<std::pair<std::string, std::vector<std::string>>> all;
    for (const std::string& word : words.Value()) {
        auto clues = writer.CluesFor(word);
        if (!clues.empty()) {
            ++count[word.size()];
            ++total;
            records += static_cast<int>(clues.size());
            all.push_back({word, clues});
        } else if (argc > 2 && word.size() == 3) {
            std::printf("NOCLUE %s\n", word.c_str());
        }
    }
    std::printf("words %zu clued %d records %d\n", words->size(), total, records);
    for (int i = 3; i <= 11; ++i) std::printf("%d: %d\n", i, count[i]);
    std::mt19937 rng(argc > 1 ? std::atoi(argv[1]) : 1);
    for (int i = 0; i < 40; ++i) {
        auto& [w, c] = all[rng() % all.size()];
        std::printf("%-12s", w.c_str());
        for (auto& s : c) std::printf(" | %s", s.c_str());
        std::printf("\n");
    }
}
