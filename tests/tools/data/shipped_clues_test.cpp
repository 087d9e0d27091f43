// Reads the clue file the build shipped and the hand-kept lists beside the data tools.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/clues/clue_store.h"
#include "core/common/file_io.h"
#include "data/answer_choice.h"
#include "data/clue_sources.h"
#include "data/clue_writer.h"
#include "data/morphology.h"
#include "data/offensive.h"
#include "data/text_util.h"

namespace quillby::data {

namespace {

std::vector<std::string> ListOf(const std::string& name)
{
    auto bytes = ReadWholeFile(std::string(QUILLBY_TOOLS_DIR) + "/data/" + name);
    EXPECT_TRUE(bytes.Ok()) << name;
    if (!bytes) {
        return {};
    }
    return ParseWordList(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

TEST(BreakfastList, NoListedWordIsAnAnswerOrInAClue)
{
    const std::vector<std::string> list = ListOf("breakfast.txt");
    ASSERT_GE(list.size(), 50u);
    for (const char* word : {"pee", "potty", "gigolo", "geld"}) {
        EXPECT_NE(std::find(list.begin(), list.end(), word), list.end()) << word;
    }
    ClueStore clues;
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    const OffensiveWords breakfast = OffensiveWords::FromList(list);
    std::map<int, std::set<std::string>> wordsByLength;
    for (const ClueRecord& record : clues.Records()) {
        EXPECT_FALSE(breakfast.IsOffensive(record.answer)) << record.answer;
        EXPECT_FALSE(breakfast.ClueUsesOffensive(record.question))
            << record.answer << ": " << record.question;
        wordsByLength[static_cast<int>(record.answer.size())].insert(record.answer);
    }
    EXPECT_EQ(clues.Find("PEED"), nullptr);
    EXPECT_EQ(clues.Find("GIGOLOS"), nullptr);
    // The floors still hold.
    std::size_t total = 0;
    for (const auto& [length, words] : wordsByLength) {
        total += words.size();
    }
    EXPECT_GE(total, 40000u);
    EXPECT_GE(wordsByLength[3].size(), 500u);
    EXPECT_GE(wordsByLength[4].size(), 2000u);
    for (int length = 5; length <= 9; ++length) {
        EXPECT_GE(wordsByLength[length].size(), 4000u) << length;
    }
}

TEST(ShippedClues, FirstCluesAreShortAndNeverAKindOf)
{
    ClueStore clues;
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    int first = 0;
    int long_ = 0;
    for (const ClueRecord& record : clues.Records()) {
        EXPECT_FALSE(Lower(record.question).starts_with("kind of")) << record.question;
        EXPECT_EQ(std::string_view(",;:").find(record.question.back()), std::string_view::npos)
            << record.answer << ": " << record.question;
        if (record.rotation == 0) {
            ++first;
            long_ += SplitSpaces(record.question).size() > 6 ? 1 : 0;
        }
    }
    // A tenth of first clues over six words at most (there was a third).
    EXPECT_LE(long_ * 10, first);
}

// A hand clue the leak filter refuses vanishes without a word (RELATION "Relative" did): every
// hand clue of a shipped answer is in the store, every word the editor clued is an answer, the
// editor's clues read like an easy daily's, and the commonest words' broken WordNet clues are
// not in the store.
TEST(ShippedClues, EveryHandClueOfAnAnswerShips)
{
    ClueStore clues;
    ASSERT_TRUE(clues.Load(std::string(QUILLBY_SHIPPED_DIR) + "/data/eng_clues.b").Ok());
    std::map<std::string, std::set<std::string>> shipped;
    for (const ClueRecord& record : clues.Records()) {
        shipped[Lower(record.answer)].insert(record.question);
    }
    for (const char* file : {"function_words.txt", "editor_clues.txt"}) {
        auto bytes = ReadWholeFile(std::string(QUILLBY_TOOLS_DIR) + "/data/" + file);
        ASSERT_TRUE(bytes.Ok()) << file;
        const auto table = ParseClueTable(
            std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        EXPECT_FALSE(table.empty()) << file;
        const bool editor = std::string_view(file) == "editor_clues.txt";
        for (const auto& [word, hand] : table) {
            // A phrase is listed as its lemma ("set_in") and ships as its letters.
            std::string letters = word;
            std::erase_if(letters, [](char c) { return c < 'a' || c > 'z'; });
            const auto found = shipped.find(letters);
            // The editor's words are answers players meet often: losing every clue to the leak
            // filter would drop the word from the puzzles without a sound.
            EXPECT_TRUE(!editor || found != shipped.end()) << file << ": " << word;
            if (found == shipped.end()) {
                continue;
            }
            for (const std::string& clue : hand) {
                EXPECT_EQ(found->second.count(clue), 1u) << file << ": " << word << ": " << clue;
                // An easy daily's clue: short, no closing stop, no infinitive's "To".
                const bool stop = std::string_view(".,;:!?").find(clue.back()) != std::string::npos;
                EXPECT_TRUE(!editor ||
                            (SplitSpaces(clue).size() <= 7 && !clue.starts_with("To ") && !stop))
                    << file << ": " << word << ": " << clue;
            }
        }
    }
    for (const auto& [word, clue] : std::vector<std::pair<std::string, std::string>>{
             {"flag", "Iris"},
             {"king", "World-beater"},
             {"being", "Occupying a certain position"}}) {
        EXPECT_EQ(shipped[word].count(clue), 0u) << word;
    }
}

TEST(ChooseAnswers, DropsWeakWordsDownToTheFloorsOnly)
{
    // Three-letter words: the floor keeps weak ones, best value first, once the wanted ones run
    // short.
    std::vector<AnswerChoice> choices;
    WordLevels levels;
    for (int i = 0; i < 600; ++i) {
        std::string word = "a" + std::string(1, static_cast<char>('a' + i / 26 % 26)) +
                           std::string(1, static_cast<char>('a' + i % 26));
        WordClues clues;
        clues.clues.push_back({"Clue", i < 400 ? 0.9 : 0.1 + 0.0005 * i, ClueKind::Definition});
        levels[word] = 20;
        choices.push_back(RateAnswer(word, std::move(clues), levels));
    }
    ChooseAnswers(choices, 0);
    int kept = 0;
    for (const AnswerChoice& choice : choices) {
        kept += choice.wanted ? 1 : 0;
    }
    EXPECT_EQ(kept, LeastAnswers(3));
    // The weak ones kept are the best of the weak.
    EXPECT_TRUE(choices[599].wanted);
    EXPECT_FALSE(choices[400].wanted);

    // A rare word is never wanted, however good its clue, and comes back for a floor only
    // after every other word of its length.
    std::vector<AnswerChoice> few;
    for (int i = 0; i < 30; ++i) {
        const std::string word = "ab" + std::string(1, static_cast<char>('a' + i % 26)) +
                                 std::string(1, static_cast<char>('a' + i / 26));
        WordClues clues;
        clues.clues.push_back({"Clue", i < 10 ? 1.0 : 0.3, ClueKind::Hand});
        few.push_back(RateAnswer(word, std::move(clues), levels, i < 10));
    }
    EXPECT_FALSE(few[0].wanted);
    ChooseAnswers(few, 0);
    for (const AnswerChoice& choice : few) {
        EXPECT_TRUE(choice.wanted) << choice.word;  // 30 words, all below the floor of 2,080
    }
    std::vector<AnswerChoice*> order;
    for (AnswerChoice& choice : few) {
        order.push_back(&choice);
    }
    std::stable_sort(order.begin(), order.end(), [](const AnswerChoice* a, const AnswerChoice* b) {
        return a->value > b->value;
    });
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_GE(order[order.size() - 1 - i] - &few[0], 0);
        EXPECT_LT(order[order.size() - 1 - i] - &few[0], 10) << "a rare word outranks a weak one";
    }

    // A rare plural with a fine clue comes back for the total only after every word wanted on
    // its own merit: STAMMERINGS gives way to any common word (lengths past nine have no floor).
    WordClues plural;
    plural.clues.push_back({"Clue", 1.0, ClueKind::Definition});
    plural.rareForm = true;
    WordClues plain;
    plain.clues.push_back({"Clue", 0.7, ClueKind::Definition});
    std::vector<AnswerChoice> total{RateAnswer("stammerings", std::move(plural), levels),
                                    RateAnswer("hesitation", std::move(plain), levels)};
    EXPECT_FALSE(total[0].wanted);
    EXPECT_LT(total[0].value, total[1].value);
    ChooseAnswers(total, 1);
    EXPECT_FALSE(total[0].wanted);
    EXPECT_TRUE(total[1].wanted);
}

}  // namespace quillby::data
