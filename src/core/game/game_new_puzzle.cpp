#include "core/game/game.h"

#include "core/common/file_io.h"

#include <filesystem>
#include <span>
#include <system_error>

namespace quillby {

namespace {

// Twenty puzzles of 78 answers of up to 15 letters take under 30 KB.
constexpr std::size_t kMaxRecentAnswersBytes = 256 * 1024;

}  // namespace

Game::~Game()
{
    // A worker still running reads the clue stores and rng: stop it before they go.
    if (generation) {
        CancelGeneration();
        generation->worker.join();
    }
}

Status Game::LoadWordGraph()
{
    rng.SeedFromClock();
    return dawg.Load(paths.Dawg());
}

void Game::NewPuzzleCommand()
{
    if (PromptSaveBeforeNew() == SaveChoice::Aborted) {
        return;
    }
    NewPuzzle();
    host.Repaint(false);
}

void Game::NewPuzzle()
{
    const std::optional<int> choice = host.RunPuzzleSizeDialog(*this, sizeChoice);
    if (!choice) {
        SayRecentAnswersRefusal();
        return;
    }
    if (CreateMode()) {
        userMade = 1;
        EnterCreator(false, SizeOfChoice(*choice));
        sizeChoice = *choice;
        host.Repaint(false);
        return;
    }
    userMade = 0;
    crossword.NumberSquares();
    RefreshClueList();
    clock = Clock{};
    solvedByCommand = false;
    sizeChoice = *choice;
    host.SetStatusText(StatusPane::Prompt, kClickASquare);
    host.Repaint(true);
    SayRecentAnswersRefusal();
}

// Said once the new puzzle shows (or the old one is back), not over a half-drawn one.
void Game::SayRecentAnswersRefusal()
{
    if (!recentAnswersRefusal.empty()) {
        host.ShowMessage(recentAnswersRefusal + ".\nThe list of recent answers in " +
                             paths.RecentAnswers() + " starts again.",
                         "Attention", Buttons::Ok);
        recentAnswersRefusal.clear();
    }
}

void Game::BeginGeneration(int size)
{
    if (generation) {
        return;
    }
    auto next = std::make_unique<Generation>();
    next->puzzlePath = puzzlePath;
    next->modified = modified;
    // The old puzzle's clues move on, and the old puzzle is kept so a cancel can bring it back.
    if (UsesClueStores()) {
        RetireAnswerClues(crossword, clues);
    }
    next->autosaved = AutosavePlay();
    next->job = std::make_unique<GenerationJob>(dawg, clues, rng, paths.Template(size, size), size,
                                                maxGenerationAttempts,
                                                IsAmericanSize(size) ? &FillWords() : nullptr);
    if (IsAmericanSize(size)) {
        next->job->AvoidRecent(Recent());
    }
    next->worker = std::thread([job = next->job.get()] {
        try {
            job->Run();
        } catch (...) {
            // Out of memory in a fill: the old puzzle comes back rather than the game ending.
            job->result.store(GenerationJob::kFailed);
            job->finished.store(true);
        }
    });
    generation = std::move(next);
}

bool Game::OffersSize(int size) const
{
    if (!IsAmericanSize(size)) {
        return true;
    }
    std::error_code error;
    return !CreateMode() && std::filesystem::is_regular_file(paths.Template(size, size), error) &&
           std::filesystem::is_regular_file(paths.FillWords(), error);
}

const FillWordList& Game::FillWords()
{
    if (!fillWordsRead) {
        // Read once: 46,000 entries take a few milliseconds, and a missing file stays missing.
        fillWordsRead = true;
        auto read = ReadFillWords(paths.FillWords());
        if (read) {
            fillWords = std::move(read.Value());
        }
    }
    return fillWords;
}

const RecentAnswers& Game::Recent()
{
    if (!recentAnswersRead) {
        recentAnswersRead = true;
        std::error_code error;
        if (std::filesystem::exists(paths.RecentAnswers(), error)) {
            const auto bytes = ReadWholeFile(paths.RecentAnswers(), kMaxRecentAnswersBytes);
            const auto read =
                bytes ? ParseRecentAnswers({reinterpret_cast<const char*>(bytes.Value().data()),
                                            bytes.Value().size()})
                      : Result<RecentAnswers>::Failure(bytes.Error());
            if (read) {
                recentAnswers = read.Value();
            } else {
                recentAnswersRefusal = read.Error();
            }
        }
    }
    return recentAnswers;
}

void Game::RememberAnswers(const Crossword& made)
{
    (void)Recent();
    recentAnswers.Add(made.AnswerWords());
    const std::string text = SerializeRecentAnswers(recentAnswers);
    (void)WriteFileAtomically(paths.RecentAnswers(), std::as_bytes(std::span(text)));
}

bool Game::GenerationFinished() const
{
    return generation && generation->job->finished.load();
}

void Game::CancelGeneration()
{
    if (generation) {
        generation->job->cancelRequested.store(true);
    }
}

bool Game::EndGeneration()
{
    if (!GenerationFinished()) {
        return false;
    }
    std::unique_ptr<Generation> ended = std::move(generation);
    ended->worker.join();
    GenerationJob& job = *ended->job;
    const bool made = job.result.load() == GenerationJob::kMade;
    if (made) {
        // The worker only read the store; the clues the puzzle shows move on here.
        ApplyClueTurns(job.ClueTurns(), clues);
        if (job.FullyChecked()) {
            RememberAnswers(job.Puzzle());
        }
        AdoptGeneratedPuzzle(std::move(job.Puzzle()));
    } else {
        RestoreAfterGeneration(*ended, job.Failure());
    }
    return made;
}

void Game::AdoptGeneratedPuzzle(Crossword&& made)
{
    crossword = std::move(made);
    ownClues.reset();
    cluesDroppedFor.clear();
    history.Clear();
    completed = false;
    errorPromptPending = false;
    // A generated puzzle has no file yet, whatever the old one had.
    puzzlePath.clear();
    modified = false;
    UpdateTitle();
    host.FitFrameToGrid(crossword.width, crossword.height);
    host.Repaint(false);
}

void Game::RestoreAfterGeneration(const Generation& ended, const std::string& failure)
{
    if (ended.autosaved) {
        RestorePlay(true);
    } else {
        // The autosave could not be written, so reading it back would bring an older puzzle:
        // the old puzzle is still here, only its clues need to come back.
        AdvanceCluesOfAnswers();
        RefreshClueList();
        host.Repaint(true);
    }
    // The restore reads a fixed file; the puzzle keeps its own name and unsaved state.
    puzzlePath = ended.puzzlePath;
    modified = ended.modified;
    UpdateTitle();
    if (!failure.empty()) {
        host.ShowMessage(GenerationFailureText(failure, ended.job->FullyChecked()), "Attention",
                         Buttons::Ok);
    }
}

std::string Game::GenerationFailureText(const std::string& failure, bool fullyChecked) const
{
    std::string text = "A new puzzle cannot be generated: " + failure + ".";
    if (fullyChecked && fillWords.words.empty()) {
        text += "\nThe word list " + paths.FillWords() + " is missing or damaged.";
    } else if (dawg.Root() == nullptr || dawg.EndNode() == nullptr) {
        text += "\nThe word graph " + paths.Dawg() + " is missing or damaged.";
    } else if (clues.Empty()) {
        text += "\nThe clue file " + paths.MainClues() + " is missing or empty.";
    }
    return text;
}

std::string Game::NextGeneratingText(int& dotCount)
{
    dotCount = dotCount >= 8 ? 0 : dotCount + 1;
    std::string text = "Generating please wait ";
    for (int i = 0; i < dotCount; ++i) {
        text += ". ";
    }
    return text;
}

}  // namespace quillby
