#include "core/generator/generation_job.h"

#include <algorithm>

#include "core/generator/checked_filler.h"
#include "core/generator/grid_template.h"
#include "core/generator/puzzle_filler.h"

namespace quillby {

namespace {

// Over a run of remembered puzzles no answer may be in more than one in twenty, and no two
// puzzles may share more than a quarter of their answers: an answer at its share rests until
// its oldest use is forgotten, the last puzzle's answers never come straight back, and a fill
// too like a remembered puzzle is not kept. A grid that cannot be filled so first gets the
// last puzzle's answers back and the likeness check dropped, after a few failed attempts;
// only when even that keeps failing do the resting answers come back, since a late puzzle
// is better than none.
//
// While fewer puzzles are remembered the share is one in twenty of those, rounded up, but
// never below kLeastUses: a new game's memory then spreads the friendliest short words over
// its first puzzles, instead of letting them reach the full share early and all rest at once,
// which left the puzzles near the two-hundredth hard to fill without them.
constexpr std::size_t kLeastUses = 5;
std::size_t UsesAllowed(std::size_t remembered)
{
    return std::max(kLeastUses, (remembered + 19) / 20);
}

constexpr double kMostShared = 0.25;
constexpr std::size_t kPuzzlesLeftOut = 1;
constexpr int kAttemptsBeforeForgiving = 3;
constexpr int kAttemptsBeforeLastResort = 9;
// Recent puzzles whose answers score lower in the fill.
constexpr std::size_t kPuzzlesScored = 20;

bool AllFullyChecked(const TemplateFile& templates)
{
    const std::size_t area =
        static_cast<std::size_t>(templates.width) * static_cast<std::size_t>(templates.height);
    for (std::size_t i = 0; i < templates.Count(); ++i) {
        if (!FullyChecked({templates.bytes.data() + i * area, area}, templates.width,
                          templates.height)) {
            return false;
        }
    }
    return templates.Count() > 0;
}

}  // namespace

GenerationJob::GenerationJob(const Dawg& dawg, const ClueStore& clues, Rng& rng,
                             std::string templatePath, int size, int maxAttempts,
                             const FillWordList* fillWords)
    : dawg(dawg),
      clues(clues),
      rng(rng),
      templatePath(std::move(templatePath)),
      size(size),
      maxAttempts(maxAttempts),
      fillWords(fillWords)
{
}

GenerationJob::~GenerationJob()
{
    if (worker.joinable()) {
        cancelRequested.store(true);
        worker.join();
    }
}

void GenerationJob::Start()
{
    if (!worker.joinable()) {
        worker = std::thread([this] { Run(); });
    }
}

void GenerationJob::Run()
{
    // Without words or clues no fill can ever succeed: say so rather than try forever.
    if (fillWords == nullptr && (dawg.Root() == nullptr || dawg.EndNode() == nullptr)) {
        failure = "no word graph is loaded";
        Finish(kFailed);
        return;
    }
    if (clues.Empty()) {
        failure = "the clue store holds no clues";
        Finish(kFailed);
        return;
    }
    // Each generation starts its coin from Rng, so the graph's edges are walked differently
    // from one puzzle to the next.
    ThreadEdgeCoin().Seed(rng.NextU32());
    const auto templates = ReadTemplateFile(templatePath, size, size);
    const Status checked =
        templates ? CheckTemplates(templates.Value(), templatePath) : Status(Done{});
    if (!templates || !checked) {
        failure = templates ? checked.Error() : templates.Error();
        Finish(kFailed);
        return;
    }
    crossword.SetGridSize(size, size);
    if (fillWords != nullptr && AllFullyChecked(templates.Value())) {
        checkedFill = true;
        RunChecked(templates.Value());
        return;
    }
    ClueCheck clueCheck(clues);
    while (!cancelRequested.load()) {
        if (maxAttempts > 0 && attempts >= maxAttempts) {
            failure = "no template filled in " + std::to_string(attempts) + " attempts";
            Finish(kFailed);
            return;
        }
        if (TryOneTemplate(templates.Value(), clueCheck)) {
            Finish(cancelRequested.load() ? kFailed : kMade);
            return;
        }
    }
    Finish(kFailed);
}

bool GenerationJob::TryOneTemplate(const TemplateFile& templates, ClueCheck& clueCheck)
{
    crossword.ClearSquares();
    const int index = LoadTemplate(crossword, templates, rng);
    attempts += 1;
    crossword.BuildAnswerList();
    PuzzleFiller filler(crossword, dawg, clueCheck, rng, ThreadEdgeCoin());
    int budget = 0;
    if (!filler.Fill(budget) || !crossword.AllAnswered()) {
        return false;
    }
    return KeepIfCluesFit(index);
}

void GenerationJob::RunChecked(const TemplateFile& templates)
{
    const FillWordList& words = *fillWords;
    const FillIndex index(words);
    if (index.WordCount() == 0) {
        failure = "no fill words are loaded";
        Finish(kFailed);
        return;
    }
    FillClues clueInfo(clues, words);
    const std::vector<std::string> resting = recent.UsedAtLeast(UsesAllowed(recent.Size()));
    std::vector<std::string> leftOut = recent.Newest(kPuzzlesLeftOut);
    leftOut.insert(leftOut.end(), resting.begin(), resting.end());
    clueInfo.LeaveOut(leftOut);
    clueInfo.CountRecent(recent.Newest(kPuzzlesScored));
    bool strict = recent.Size() > 0;
    int failed = 0;
    while (!cancelRequested.load()) {
        if (maxAttempts > 0 && attempts >= maxAttempts) {
            failure = "no template filled in " + std::to_string(attempts) + " attempts";
            Finish(kFailed);
            return;
        }
        crossword.ClearSquares();
        const int chosenIndex = LoadTemplate(crossword, templates, rng);
        attempts += 1;
        crossword.BuildAnswerList();
        CheckedFiller filler(crossword, index, clueInfo, rng);
        const auto outcome = filler.Fill({kCheckedSteps, &cancelRequested});
        if (outcome == CheckedFiller::Outcome::kFilled &&
            (!strict || recent.LargestShare(crossword.AnswerWords()) <= kMostShared) &&
            KeepIfCluesFit(chosenIndex)) {
            Finish(cancelRequested.load() ? kFailed : kMade);
            return;
        }
        failed += 1;
        if (failed == kAttemptsBeforeForgiving) {
            strict = false;
            clueInfo.LeaveOut(resting);
        } else if (failed == kAttemptsBeforeLastResort) {
            clueInfo.LeaveOut({});
        }
    }
    Finish(kFailed);
}

bool GenerationJob::KeepIfCluesFit(int index)
{
    const std::vector<std::string> answers = crossword.AnswerWords();
    // A puzzle whose clues clash (one holds another's answer, two read alike) and cannot show
    // others is not shown: the next template is tried.
    auto turns = ChooseClueTurns(answers, clues);
    if (!turns) {
        return false;
    }
    clueTurns = std::move(*turns);
    chosen = index;
    return true;
}

void GenerationJob::Finish(int code)
{
    result.store(code);
    finished.store(true);
}

void RetireAnswerClues(const Crossword& crossword, ClueStore& clues)
{
    for (const AnswerEntry& entry : crossword.answers) {
        if (ClueRecord* record = clues.Find(entry.AnswerWord())) {
            clues.Retire(*record);
        }
    }
}

}  // namespace quillby
