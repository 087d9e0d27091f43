#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "core/clues/clue_clash.h"
#include "core/clues/clue_store.h"
#include "core/generator/fill_words.h"
#include "core/generator/recent_answers.h"
#include "core/model/crossword.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/rng.h"

namespace quillby {

struct TemplateFile;
class ClueCheck;

// Templates a generation tries before it gives up. The shipped templates fill in at least a
// quarter of attempts, so a sound template file practically never runs out; a damaged one
// fails in seconds instead of running for ever.
inline constexpr int kDefaultMaxAttempts = 500;

// One puzzle generation, meant to run on a worker thread while the game keeps showing the
// old puzzle: it fills a crossword of its own and hands it over at the end.
//
// Given fillWords, a template file whose every template is fully checked (every open square in
// an across and a down entry) is filled by CheckedFiller from them; any other file, and every
// file when no fill words are given, by PuzzleFiller from the word graph, as always (an
// all-open template stands for "never fills" in the Original sizes).
//
// Run seeds the calling thread's edge-order coin with one Rng draw, then repeatedly draws a
// template and fills it until a fill is whole, cancelRequested is seen (between attempts),
// maxAttempts templates have been tried, or the template file fails to read or holds a
// template that cannot be filled (CheckTemplates). With no word graph or an empty clue store
// it fails at once, without a draw. A whole fill is kept only when its answers can show clues
// that do not clash (ChooseClueTurns); the turns that takes are handed over with the puzzle,
// for the owner of the clue store to apply. A fully checked template gets one CheckedFiller
// search of checkedSteps placements per attempt, and a cancel is seen within it. While it
// runs it reads
// the word graph and the main clue store and draws from rng: nothing else may write them or
// draw from rng until finished is set. The retiring of the old puzzle's clues and the
// autosave that come before a generation in the game are the caller's (RetireAnswerClues).
class GenerationJob {
public:
    static constexpr int kMade = 1000;
    static constexpr int kFailed = -1;

    // Placements one attempt at a fully checked template may try.
    static constexpr std::int64_t kCheckedSteps = 20000;

    // templatePath is the size's template file ("%s/data/%dx%d"); maxAttempts 0 means no
    // limit: only a cancel stops it. fillWords, when given, is borrowed and must not change
    // until the job is finished.
    GenerationJob(const Dawg& dawg, const ClueStore& clues, Rng& rng, std::string templatePath,
                  int size, int maxAttempts = 0, const FillWordList* fillWords = nullptr);
    GenerationJob(const GenerationJob&) = delete;
    GenerationJob& operator=(const GenerationJob&) = delete;

    // Cancels and waits for a worker started with Start.
    ~GenerationJob();

    // The answers of the last fully checked puzzles, so a run of puzzles does not keep
    // showing the same words; set before Run. The fill leaves out the newest puzzle's answers
    // (until a few attempts in a row have failed without them) and scores a word lower for
    // each recent puzzle that held it.
    void AvoidRecent(RecentAnswers answers) { recent = std::move(answers); }

    // The worker's body. Sets result (kMade or kFailed) and then finished.
    void Run();
    // Runs Run on a new thread owned by the job; the caller polls finished.
    void Start();

    std::atomic<bool> cancelRequested{false};  // set by the UI thread
    std::atomic<bool> finished{false};         // set by Run last of all
    std::atomic<int> result{0};                // kMade or kFailed once finished

    // Read only after finished is seen. With kMade the crossword holds the filled grid and
    // its answers, not yet numbered.
    Crossword& Puzzle() { return crossword; }
    // Read only after finished is seen, with kMade: the clue turns the puzzle needs before it
    // is shown (ApplyClueTurns on the main store), usually none.
    const std::vector<ClueTurn>& ClueTurns() const { return clueTurns; }
    int Attempts() const { return attempts; }               // templates tried
    bool FullyChecked() const { return checkedFill; }       // filled by CheckedFiller
    int TemplateIndex() const { return chosen; }            // the template that filled, -1 for none
    const std::string& Failure() const { return failure; }  // why kFailed, "" when cancelled

private:
    bool TryOneTemplate(const TemplateFile& templates, ClueCheck& clueCheck);
    void RunChecked(const TemplateFile& templates);
    bool KeepIfCluesFit(int index);
    void Finish(int code);

    const Dawg& dawg;
    const ClueStore& clues;
    Rng& rng;
    std::string templatePath;
    int size;
    int maxAttempts;
    const FillWordList* fillWords;
    RecentAnswers recent;
    bool checkedFill = false;
    Crossword crossword;
    std::vector<ClueTurn> clueTurns;
    int attempts = 0;
    int chosen = -1;
    std::string failure;
    std::thread worker;
};

// Moves every answered word's current clue to the back of its turn order, so the next puzzle
// shows other clues. The game does this for the old puzzle before each generation.
void RetireAnswerClues(const Crossword& crossword, ClueStore& clues);

}  // namespace quillby
