#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/clues/clue_store.h"
#include "core/common/app_folder.h"
#include "core/game/clue_list.h"
#include "core/game/colour_rules.h"
#include "core/game/commands.h"
#include "core/game/history.h"
#include "core/game/square_look.h"
#include "core/generator/fill_words.h"
#include "core/generator/generation_job.h"
#include "core/model/crossword.h"
#include "core/model/grid_geometry.h"
#include "core/model/own_clues.h"
#include "core/platform/host.h"
#include "core/storage/own_puzzle.h"
#include "core/storage/preferences.h"
#include "core/storage/puzzle_file.h"
#include "core/storage/puzzle_formats.h"
#include "core/storage/settings.h"
#include "core/wordgraph/dawg.h"
#include "core/wordgraph/rng.h"

namespace quillby {

inline constexpr const char* kAppTitle = "Quillby";

// Keys as the game sees them: 'A'..'Z' for letters (whatever Shift and Caps Lock), or one of
// these.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyDelete = 127;
inline constexpr int kKeyOther = -1;
// Keys only the Modern keyboard uses (Classic ignores them, as it ignores every other key).
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyBackTab = 0x100;
inline constexpr int kKeyLeft = 0x101;
inline constexpr int kKeyRight = 0x102;
inline constexpr int kKeyUp = 0x103;
inline constexpr int kKeyDown = 0x104;
inline constexpr int kKeyHome = 0x105;
inline constexpr int kKeyEnd = 0x106;

// What Check and Reveal act on: the cursor square, its word, or every square.
enum class CheckScope { Letter, Word, Puzzle };

inline constexpr const char* kClickASquare = "Click a square to view its crossword clue";
// The prompt pane for a selected run that has no clue to show (a hand-made puzzle's run
// without its answer, a word whose clue is not in the store).
inline constexpr const char* kNoClueForRun = "No clue for this run";

// How a "save first?" prompt ended: the puzzle was saved, the player chose not to save, or
// the operation that asked must not go on (Cancel, the file dialog cancelled, a failed write).
enum class SaveChoice { Saved, Discarded, Aborted };

// The state one running game holds, and the operations on it. The desktop is reached only
// through Host, so every rule here runs headless in tests. Operations are split over files by
// concern (game_document.cpp, ...); this header is the one place that lists them.
class Game {
public:
    Game(Host& host, std::string appFolder);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Host& host;
    AppPaths paths;

    Crossword crossword;
    Settings settings;  // createMode, print options, colour scheme, creator instructions

    // The document.
    std::string puzzlePath;  // empty for an unnamed puzzle
    bool modified = false;
    std::uint8_t userMade = 0;

    // Play state.
    Clock clock;
    bool completed = false;
    bool clockPaused = false;
    bool solvedByCommand = false;
    bool errorPromptPending = false;

    bool clueWindowShown = true;

    bool CreateMode() const { return settings.createMode; }

    // --- Clue stores ------------------------------------------------------------------------
    ClueStore clues;      // main store: clues of generated puzzles, solved marks, turn order
    ClueStore userClues;  // clues typed in Create mode

    // --- Puzzle files (game_document.cpp) -------------------------------------------------
    // Each returns true on success. A dialog or prompt cancelled returns false with nothing
    // changed; a file that is refused leaves the current puzzle, its path and title as they
    // were, and is reported only when the user chose it.
    bool SavePuzzle(bool askName);
    bool SaveCreatedPuzzle(bool askName);
    bool OpenPuzzle(std::optional<std::string> path, bool advanceClues);
    bool OpenCreatedPuzzle(std::optional<std::string> path);

    // The one decision before Open, New, Reset and Quit replace or leave an unsaved puzzle:
    // asks text with caption and buttons, and on Yes runs save. Cancel, or a save that fails
    // or whose file dialog is cancelled, is Aborted: the caller then changes nothing.
    SaveChoice OfferSave(const std::string& text, const std::string& caption, Buttons buttons,
                         const std::function<bool()>& save);

    // Installs a puzzle read elsewhere (quillby-cli), as opening it would: its answers, clue
    // lines, clock and own clues; nothing is asked, no clue turn moves.
    void AdoptLoadedPuzzle(LoadedPuzzle&& loaded);
    // The file named on the command line: opened for play like a file chosen in the Open
    // dialog (its name in the title, a refusal shown with its reason), without the save
    // prompt or the dialog; from Create mode the game goes back to play first.
    bool OpenNamedPuzzle(const std::string& path);

    // --- A puzzle's own clues, export and puzzle info (game_own_clues.cpp) ---------------
    // The one answer to "what is this entry's clue": the puzzle's own clue by number and
    // direction when it has its own; else the user store's in Create mode and for a user-made
    // puzzle; else the main store's. In the clue window's markup (a store's question escaped);
    // nullopt when there is none.
    std::optional<std::string> ClueTextOf(const AnswerEntry& entry) const;
    // False for a puzzle with its own clues (.puz, .ipuz): then nothing the player does marks,
    // retires, advances or recycles anything in the clue stores.
    bool UsesClueStores() const { return !ownClues.has_value(); }
    // The puzzle's own clues and description; null for a puzzle whose clues are the stores'.
    const OwnClues* OwnCluesOf() const { return ownClues ? &*ownClues : nullptr; }
    // What File > Puzzle Info... shows: the puzzle's own description; empty fields for a
    // generated or user-made one.
    PuzzleInfo InfoOfPuzzle() const;
    void ShowPuzzleInfo();
    // The puzzle as .puz and .ipuz carry it: its squares in standard numbering (an own-clue
    // puzzle keeps its own), the clue texts the player sees now, the description, and the
    // clock and completion (in Create mode a fresh clock); the reason when it cannot be
    // written yet (an open square without its letter).
    Result<OwnPuzzle> PuzzleToExport() const;
    // The file image of the current puzzle in a format, as Save and Export write it; a .puz
    // or .ipuz of a puzzle without a title of its own gets titleIfNone.
    Result<std::vector<std::byte>> PuzzleImage(PuzzleFormat format,
                                               const std::string& titleIfNone = {}) const;
    // The title a puzzle written to path gets when it has none: the file's name without its
    // folder and extension.
    static std::string TitleForFile(const std::string& path);
    // The format Save As offers first: the document's own, else .ipuz for a puzzle with its
    // own clues (which .crs cannot hold), else .crs.
    PuzzleFormat SuggestedSaveFormat() const;
    // File > Export...: writes the puzzle as .puz or .ipuz where the dialog says, leaving the
    // document's own file, title and unsaved state as they are. False when cancelled or not
    // written (the user is told why).
    bool ExportPuzzle();

    // --- Autosave and titles (game_document.cpp) -----------------------------------------
    void UpdateTitle();
    bool AutosavePlay();  // false when the autosave file could not be written
    void AutosaveCreate();
    // Bring back the mode's autosave (RestorePlay: the own-clue autosave, else volatile.crs,
    // else the default puzzle). An autosave that is there but cannot be read is named once and
    // moved aside as "<name>.damaged" ("<name>.2.damaged", ... never over an earlier one), so
    // nothing writes over it; one that cannot be moved is never written over for the rest of
    // the run.
    void RestorePlay(bool advanceClues);
    void RestoreCreate();
    // May the game close now? Asks to save an unsaved, uncompleted puzzle; false on Cancel,
    // or when the save was asked for and did not happen.
    bool QueryQuit();
    // The main window's close request: QueryQuit, then the saves of SaveOnExit. When the
    // mode's autosave cannot be written and the puzzle has unsaved changes, says so and offers
    // to save it under another name (Yes), quit without it (No) or stay (Cancel). True when
    // the program may end.
    bool CloseRequested();

    // --- Clue list (game_clue_list.cpp) --------------------------------------------------
    ClueList clueList{host};
    // Rebuilds the clue lines from the answers: Clear, Across section, Down section, from the
    // user store in Create mode and for a user-made puzzle, else from the main store.
    void RefreshClueList();
    // Append the Across (or Down) header and one line per answered entry in clue-number
    // order, setting each entry's clueItemId. Nothing at all for an empty answer list. The
    // text is ClueTextOf's; an answer without a clue shows "%d) ??" from the user builder
    // and no line from the main one (its clueItemId is then left as it was: kNotListed
    // unless it had a line before).
    void AddClueSection(bool across);
    void AddUserClueSection(bool across);
    // A click on clue line item (-1: below the lines) selects that answer's run as if its
    // first square had been clicked, repaints and shows the clue. True when a run was
    // selected, so the window can give the grid the keyboard focus.
    bool OnListSelect(int item);
    // Has the clue list select the line of an answer entry's clueItemId (none for kNotListed).
    void SelectLine(std::uint32_t itemId);
    // One look per clue line (game_clue_marks.cpp): the crossing clue at the cursor, and in
    // play the clues whose squares are all filled.
    std::vector<ClueLineLook> ClueLineLooks();

    // --- Mouse and keyboard (game_input.cpp) ---------------------------------------------
    // Selects the run at a view pixel. direction 1: across only, 2: down only, anything else:
    // the square's neighbours and its stored direction decide. notify: the clue list follows.
    void SelectAt(int x, int y, int direction, bool notify);
    void LeftClick(int x, int y);
    void RightClick(int x, int y);
    void KeyDown(int key);
    // The clue of the run at the cursor, into the prompt pane; a run without one says so.
    void ShowClueInStatus();
    // The square under a view pixel; the margin belongs to column and row 0.
    Square* HitTest(int x, int y);
    // Where the squares are in the view, from column and row: hit testing, drawing and the
    // frame's size all follow it. The Original geometry until SetGeometry changes it (zoom),
    // which refits the frame and repaints.
    const GridGeometry& Geometry() const { return geometry; }
    void SetGeometry(const GridGeometry& newGeometry);

    // --- Commands (game_commands.cpp) ----------------------------------------------------
    CommandState StateOf(CommandId id) const;
    // Runs a command the core owns and returns true; false for the ones the desktop runs
    // itself (printing, dialogs, exit). A disabled command does nothing.
    bool RunCommand(CommandId id);
    // The commands of our own beside the game's (undo, check, reveal, pencil, zoom...).
    void StateOfOwnCommand(CommandId id, CommandState& state) const;
    bool RunOwnCommand(CommandId id);
    // The save prompt before a new puzzle; Aborted when the new puzzle must not replace it.
    SaveChoice PromptSaveBeforeNew();
    // The user closed the clue window (close box, Esc): it stays hidden until Options > Show
    // Clue window, which then shows it at the first choice.
    void ClueWindowClosed() { clueWindowShown = false; }
    void ToggleMode();
    // A fresh size x size lattice in Create mode, optionally with the Create-mode autosave.
    void EnterCreator(bool restore, int size);

    // --- Creator (game_creator.cpp) -----------------------------------------------------
    // The right button in Create mode: drops the selection, then opens or blocks the square
    // under the pixel unless it holds a letter or would alter a placed answer.
    void ToggleSquare(int x, int y);
    // Space in Create mode: asks for a question and answer for the selected run, stores the
    // clue in the user store and writes the answer into the run.
    void AddRunClue();
    // Delete in Create mode: takes the run's answer off the grid after asking; the clue stays.
    void RemoveRunAnswer(Square* square);
    void ShowCreatorInstructions();
    // Does answer agree with every letter already in the selected run?
    bool AnswerFits(std::string_view answer);
    const ClueRecord* FindUserClue(std::string_view answer) const;
    // The clue dialog's Add button for a run of expectedLength squares: checks the typed texts
    // in order, showing the first thing wrong, and on an answer already used asks whether to
    // overwrite its question. Stay when the dialog should stay open.
    ClueEntryResult CheckRunClue(int expectedLength, const std::string& question,
                                 const std::string& answer);

    // --- Clock (game_commands.cpp) -------------------------------------------------------
    // One timer tick: one second of play counted (unless paused or in Create mode) and the
    // status panes updated.
    void ClockTick();
    // The timer's entry: counts every whole second that really passed since the clock was
    // started, so a late timer neither loses nor invents seconds. Times are monotonic ms.
    void StartClock(std::int64_t nowMillis) { clockCountedUntil = nowMillis; }
    void OnClockTimer(std::int64_t nowMillis);
    static std::string ClockText(const Clock& clock);

    // --- Play rules (game_play.cpp) ---------------------------------------------------------
    // An open square is right when its guess is its solution; S and Z stand for each other.
    static bool IsRight(const Square& square);
    // Counts the fully right answers, marks their clues solved in the main store (not for a
    // user-made puzzle) and recycles solved clues.
    int CountCorrectAnswers();
    // Congratulates on a full, right grid, or offers to clear wrong squares once it is full.
    void TestCompletion();
    bool OfferErrorPrompt();
    void ClearIncorrectSquares();
    void GiveHint();
    void SolvePuzzle();
    // The Solve command: asks for confirmation, then solves; nothing when completed or paused.
    void SolveCommand();
    // The Check command: shows the number of right answers; nothing when completed or paused.
    void CheckPuzzle();
    void ResetPuzzle();
    // What follows a letter, Backspace or Delete in play mode (the key itself already applied).
    void AfterPlayKey(bool letterTyped);
    // Loads both clue stores at start-up; a damaged clue file is reported and kept.
    void LoadClueStores();
    // Writes both clue stores back at shut-down; a store whose file was refused is not written.
    void SaveClueStores();

    // --- New puzzle and generation (game_new_puzzle.cpp) ---------------------------------
    Dawg dawg;  // the word list, loaded at start-up by LoadWordGraph
    // The American sizes' answers, read by the first generation that needs them (FillWords).
    FillWordList fillWords;
    bool fillWordsRead = false;
    // The answers of the last American puzzles (paths.RecentAnswers()), read by the first
    // American generation; why the file was refused, until that generation ends and says so.
    RecentAnswers recentAnswers;
    bool recentAnswersRead = false;
    std::string recentAnswersRefusal;
    Rng rng;  // chooses templates and perturbs fills; seeded from the clock at start-up
    // The size last confirmed: 0 "Quick 9 x 9", 1 "Original 11 x 11", 2 "American 13 x 13",
    // 3 "American 15 x 15".
    int sizeChoice = 1;
    // Templates a generation tries before it reports failure; 0: until it is cancelled.
    int maxGenerationAttempts = kDefaultMaxAttempts;

    // Seeds rng from the clock and loads paths.Dawg(). A missing or damaged word graph leaves
    // it empty (LoadState reports a damaged one; a missing one is among MissingDataFiles).
    Status LoadWordGraph();
    // Anything else (a number from a newer preferences file) means the Original 11 x 11.
    static int SizeOfChoice(int choice)
    {
        constexpr int kSizes[] = {9, 11, 13, 15};
        return choice >= 0 && choice < 4 ? kSizes[choice] : 11;
    }
    static bool IsAmericanChoice(int choice) { return IsAmericanSize(SizeOfChoice(choice)); }
    // 13 and 15 are filled as fully checked grids from the fill words, not the word graph.
    static bool IsAmericanSize(int size) { return size > 11; }
    // Whether New Puzzle offers the size: the Original sizes always (a missing template file
    // is said when generating); an American size in play mode, when its templates and the
    // fill words are in the data folder (an older folder may lack them).
    bool OffersSize(int size) const;
    // The fill words, read from paths.FillWords() once; empty when the file is missing or
    // damaged (the generation then fails and says so).
    const FillWordList& FillWords();
    // The recent answers, read from paths.RecentAnswers() once; a damaged file is set aside
    // (recentAnswersRefusal) and the list starts empty.
    const RecentAnswers& Recent();
    // Remembers an American puzzle's answers and writes the list back; a file that cannot be
    // written only costs the next session its memory.
    void RememberAnswers(const Crossword& made);
    void SayRecentAnswersRefusal();
    // The New Puzzle command: the save prompt, NewPuzzle, a repaint.
    void NewPuzzleCommand();
    // Asks for a size (Host::RunPuzzleSizeDialog), then installs the generated puzzle or, in
    // Create mode, starts a new empty grid of that size.
    void NewPuzzle();
    // One generation, driven from the UI thread by the generating dialog. Begin retires the
    // old puzzle's clues, autosaves it and starts the worker, which fills a crossword of its
    // own: the game's crossword stays as it is until End adopts the new one. While
    // Generating() nothing may write the clue stores, dawg or rng.
    void BeginGeneration(int size);
    bool Generating() const { return generation != nullptr; }
    bool GenerationFinished() const;
    // Only asks the worker to stop; it stops after its current template attempt.
    void CancelGeneration();
    // After GenerationFinished: joins the worker, then adopts the new puzzle (true) or brings
    // the old one back (false), telling the user which data is missing when that is why.
    bool EndGeneration();
    // The generating dialog's text after one more tick; dotCount runs 1..8, then 0 again.
    static std::string NextGeneratingText(int& dotCount);
    // --- Look of the grid (game_look.cpp) -------------------------------------------------
    // The colours of the current scheme in the current mode.
    ColourScheme Colours() const;
    // How one square is drawn on a surface: fill, letter, cursor mark and number.
    SquareLook LookOf(const Square& square, Surface surface = Surface::Screen) const;
    // The desktop's colours, which the Desktop scheme follows; the ui passes them at start-up
    // and whenever the desktop's palette changes.
    void SetDesktopPalette(const DesktopPalette& palette);
    const DesktopPalette& Palette() const { return desktopPalette; }

    // --- Start, safety saves and exit (game_session.cpp) ----------------------------------
    // Start-up loading in its order: stale temporary files of a killed save removed from the
    // data folder, the word graph (a damaged one is named), the clue stores, the settings
    // file, then the log.
    void LoadState();
    // The data files the game cannot play without, as paths relative to the application
    // folder ("data/eng_dawg"); empty when all are there.
    std::vector<std::string> MissingDataFiles() const;
    // The one message that names the missing files and how to make them; empty when none.
    std::string MissingDataMessage() const;
    // Between the save points, the puzzle of the current mode is written to its autosave file
    // while it is modified, so a crash or a kill loses at most the time since the last call.
    // Nothing is written when the image is the one last written; puzzlePath and modified are
    // untouched. True when the file was written.
    bool SafetyAutosave();
    // The program is closing: the puzzle of the current mode is autosaved, both clue stores
    // (unless a store is empty and its file never existed) and the settings are written.
    void SaveOnExit();

    // --- Undo and redo (game_history.cpp) --------------------------------------------------
    // Every change to the grid, in play and in Create mode, is one edit of the history until
    // another puzzle is installed; the clock is not undone. Undo and redo restore the squares,
    // the completed state and the cursor, then work out the rest (answers, numbers, clue
    // lines) again. Nothing while the clock is paused or a puzzle is being generated.
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    const History& EditHistory() const { return history; }

    // --- Check, reveal and pencil (game_check.cpp) -----------------------------------------
    // Marks the wrong letters of the scope (kMarkWrong) and says how many in the prompt pane.
    void CheckLetters(CheckScope scope);
    // Gives the right letter in every square of the scope that lacks it, marked as given
    // (kMarkRevealed); the whole puzzle revealed counts as solved by command.
    void RevealLetters(CheckScope scope);
    // While on, typed letters are tentative (kMarkPencil); they count like any other.
    bool PencilOn() const { return pencil; }
    void TogglePencil();

    // --- Keyboard (game_keys.cpp) -------------------------------------------------------
    // Selects the run through a square as a click with that direction would (1 across,
    // 2 down, anything else: the square decides), without moving the clue list unless notify.
    void SelectSquare(Square* square, int direction, bool notify);

    // --- Preferences (game_preferences.cpp) ------------------------------------------------
    const Preferences& Prefs() const { return preferences; }
    // Takes new preferences: the grid is repainted and refitted at the new zoom.
    void SetPreferences(const Preferences& chosen);
    // Reads data/preferences.ini; what could not be read is kept for PreferencesMessage.
    void LoadPreferencesFile();
    bool SavePreferencesFile();
    // The one message about a damaged preferences file, or empty.
    const std::string& PreferencesProblem() const { return preferencesMessage; }
    std::string PreferencesPath() const { return paths.Data("preferences.ini"); }
    // Zoom: step +1 the next larger square size, -1 the next smaller, 0 the actual size.
    void Zoom(int step);
    static int ZoomStep(int pitch, int step);
    // The geometry that draws squares `pitch` pixels apart (24..72) with the game's margin.
    static GridGeometry GeometryOf(int pitch);

private:
    std::int64_t clockCountedUntil = 0;
    GridGeometry geometry;

    // Set for a puzzle with its own clues; every installation of a puzzle sets or clears it.
    std::optional<OwnClues> ownClues;
    // The .crs file the user agreed to save this own-clue puzzle to without its clues.
    std::string cluesDroppedFor;
    bool ConfirmSaveWithoutClues(const std::string& target);
    // Reads puzzlePath and installs it; a refusal puts previousPath back and, when report is
    // set, tells the user why.
    bool LoadPuzzlePath(const std::string& previousPath, bool createdPuzzle, bool advanceClues,
                        bool report);
    // The play autosave that holds the current puzzle: the own-clue one or volatile.crs.
    std::string PlayAutosavePath() const;
    // After the .crs play autosave is written, an older own-clue autosave must not come back.
    void DropOwnAutosave();

    bool SaveTo(bool askName, bool createdPuzzle);
    // Writes the puzzle's image to target; the clock is cleared first for a designed puzzle.
    Status WritePuzzle(const std::string& target, bool createdPuzzle);
    // The mode's autosave: puzzlePath cleared, modified cleared once written.
    Status AutosaveTo(const std::string& target, bool createdPuzzle);
    Status AutosaveMode();
    void SaveStoresAndSettings();
    bool IsAutosavePath(const std::string& path) const;
    bool IsDefaultPath(const std::string& path) const;
    // Moves a damaged autosave aside; what to tell the player, empty when nothing happened.
    std::string SetAsideDamagedAutosave(const std::string& path);
    bool OpenFrom(std::optional<std::string> path, bool createdPuzzle, bool advanceClues);
    void InstallPuzzle(LoadedPuzzle&& loaded, bool createdPuzzle);
    void AdvanceCluesOfAnswers();
    void AddSection(bool across, bool showMissing);

    // The generation under way: its job, its worker thread and what Begin changed.
    struct Generation {
        std::unique_ptr<GenerationJob> job;
        std::thread worker;
        bool autosaved = false;
        std::string puzzlePath;
        bool modified = false;
    };
    std::unique_ptr<Generation> generation;
    void AdoptGeneratedPuzzle(Crossword&& made);
    void RestoreAfterGeneration(const Generation& ended, const std::string& failure);
    // fullyChecked: the generation was of an American size, filled from the fill words.
    std::string GenerationFailureText(const std::string& failure, bool fullyChecked) const;

    // Creator helpers (game_creator.cpp).
    Square* SelectedRunStart(int& direction);
    bool RunTakesAnswer(int col, int row, int direction, int length);
    std::optional<std::string> AnswerProblem(int expectedLength, const std::string& answer);
    void AfterCreatorEdit();
    void SaveUserClues();

    std::vector<std::byte> lastSafetyImage;  // what SafetyAutosave last wrote
    // Damaged autosaves that could not be moved aside: named once, and never written.
    std::set<std::string> autosavesKept;

    // The history and the edit under way (game_history.cpp). Every operation that changes
    // the grid opens an EditScope: the outermost one snapshots the grid, and each scope's end
    // (a nested one's start too) pushes what changed since as one edit.
    class EditScope {
    public:
        explicit EditScope(Game& game);
        ~EditScope();
        EditScope(const EditScope&) = delete;
        EditScope& operator=(const EditScope&) = delete;

    private:
        Game& game;
    };
    History history;
    int editDepth = 0;
    GridSnapshot editStart;
    GridFlags Flags() const { return {completed, solvedByCommand}; }
    void CommitEdit();
    void ApplyEdit(const Edit& edit, bool undo);
    void PlaceCursor(const CursorPlace& place);
    void RederiveCreatorGrid();

    // The marks and history of the puzzle last autosaved in each mode, with its image: a
    // restore of that same image within the session brings them back (.crs keeps no marks).
    struct SessionMemory {
        std::vector<std::byte> image;
        std::vector<std::uint8_t> marks;
        History history;
    };
    SessionMemory playMemory;
    SessionMemory createMemory;
    void Remember(bool createdPuzzle, std::vector<std::byte> image);
    void Recall(bool createdPuzzle, const std::vector<std::byte>& image);

    // A letter (0: none) put into a square by the player or a command: a change of letter
    // drops the wrong and given marks; the pencil mark follows the pencil.
    void PutGuess(Square& square, char letter, bool pencilled);
    // The square's own letter, marked as given unless the player had it right.
    void GiveLetter(Square& square);
    // A letter the player typed: in pencil while the pencil is on, marked at once when wrong
    // and mistakes are to be shown as typed.
    void TypeLetter(Square& square, char letter);
    // The open squares Check and Reveal act on; empty without a cursor for a letter or word,
    // and in Create mode, on a completed puzzle or while the clock is paused.
    std::vector<Square*> ScopeSquares(CheckScope scope);
    bool pencil = false;

    // The Modern keyboard (game_keys.cpp).
    void ModernKey(int key);
    void ModernLetter(char letter);
    void ModernErase(bool backspace);
    void MoveByArrow(int key);
    void TurnDirection();
    // Moves to the step-th clue from the cursor's in clue-number order, round the end; with
    // unfinishedOnly the first one with an empty square. True when the cursor moved.
    bool GoToClue(int step, bool unfinishedOnly);
    void GoToWordEnd(bool end);
    std::vector<AnswerEntry*> EntriesInClueOrder();
    AnswerEntry* CursorEntry();
    int CursorDirection() const;

    Preferences preferences;
    std::string preferencesMessage;
    DesktopPalette desktopPalette;
    void AddMarks(const Square& square, const ColourScheme& colours, SquareLook& look) const;
};

}  // namespace quillby
