#include <cstdio>
#include <optional>
#include <string>

#include "core/game/game.h"

namespace quillby {

namespace {

// What each field of the clue dialog takes.
constexpr int kMaxEntryCharacters = 128;

// Characters, not bytes: a question may be typed in any script and arrives as UTF-8.
int CharacterCount(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string UpperCased(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// Why a question cannot be stored with answer, or nothing when it can.
std::optional<std::string> QuestionProblem(const std::string& question, const std::string& answer)
{
    if (question.find_first_not_of(' ') == std::string::npos) {
        return "Please enter a question for this answer";
    }
    for (const char c : question) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return "The question cannot contain line breaks, tabs or other control characters";
        }
    }
    if (answer.size() + 1 + question.size() > ClueStore::kMaxClueText) {
        return "The question is too long to be stored. Please shorten it.";
    }
    return std::nullopt;
}

// A run of two or more squares that holds a letter in every square: a placed answer.
bool RunComplete(Crossword& crossword, const Square& square, int direction)
{
    int length = 0;
    const auto run = crossword.RunSquares(square.col, square.row, direction, length);
    if (length < 2) {
        return false;
    }
    for (const Square* member : run) {
        if (member->solution == 0) {
            return false;
        }
    }
    return true;
}

// Each letter square counts the placed answers through it. Counting from the grid rather than
// adding and subtracting keeps the counts right when an answer is entered twice or a run was
// spelled entirely by crossing answers.
void CountUses(Crossword& crossword)
{
    for (Square& square : crossword.squares) {
        square.useCount = 0;
        if (square.open && square.solution != 0) {
            square.useCount = (RunComplete(crossword, square, kAcross) ? 1 : 0) +
                              (RunComplete(crossword, square, kDown) ? 1 : 0);
        }
    }
}

int Other(int direction)
{
    return direction == kAcross ? kDown : kAcross;
}

}  // namespace

void Game::EnterCreator(bool restore, int size)
{
    crossword.SetGridSize(size, size);
    ownClues.reset();
    cluesDroppedFor.clear();
    history.Clear();
    host.FitFrameToGrid(size, size);
    RefreshClueList();
    UpdateTitle();
    crossword.ClearSquares();
    // The lattice: every even row and column is one open run from edge to edge.
    for (Square& square : crossword.squares) {
        square.open = !(square.col % 2 == 1 && square.row % 2 == 1);
    }
    if (restore) {
        RestoreCreate();     // failing that, the lattice stays
        puzzlePath.clear();  // Save must never write silently over the autosave
    }
    crossword.BuildAnswerList();
    crossword.SetAnswersFromGrid();
    crossword.NumberSquares();
    RefreshClueList();
    host.Repaint(false);
    if (!settings.creatorInstructionsOff) {
        ShowCreatorInstructions();
    }
}

void Game::ShowCreatorInstructions()
{
    settings.creatorInstructionsOff = host.AskCreatorInstructions(settings.creatorInstructionsOff);
}

void Game::ToggleSquare(int x, int y)
{
    // Every right click drops the selection, on the grid or not.
    crossword.ClearHighlights();
    if (Square* cursor = crossword.cursorSquare) {
        cursor->highlighted = false;
        cursor->cursorDown = false;
        cursor->isCursor = false;
        crossword.cursorSquare = nullptr;
    }
    Square* square = HitTest(x, y);
    if (square == nullptr || square->solution != 0) {
        return;
    }
    if (crossword.HasLetterPairBeside(*square)) {
        host.ShowMessage("This square will alter an answer if changed", kAppTitle, Buttons::Ok);
        return;
    }
    {
        EditScope edit(*this);
        square->open = !square->open;
    }
    RederiveCreatorGrid();
    modified = true;
    host.Repaint(false);
}

Square* Game::SelectedRunStart(int& direction)
{
    Square* cursor = crossword.cursorSquare;
    if (cursor == nullptr) {
        return nullptr;
    }
    direction = cursor->cursorDown ? kDown : kAcross;
    int unused = 0;
    return crossword.FindRunStart(cursor, direction, unused);
}

void Game::AddRunClue()
{
    int direction = kAcross;
    const Square* start = SelectedRunStart(direction);
    if (start == nullptr) {
        host.ShowMessage("Please select a run by left-clicking a square", "Attention", Buttons::Ok);
        return;
    }
    const int length = crossword.RunLength(start, direction);
    const int col = start->col;
    const int row = start->row;
    if (!RunTakesAnswer(col, row, direction, length)) {
        return;
    }
    char label[80];
    std::snprintf(label, sizeof label, "Please enter an answer (%d characters long)", length);
    const ClueEntry typed =
        host.AskRunClue(length, label, [this, length](const std::string& q, const std::string& a) {
            return CheckRunClue(length, q, a);
        });
    const std::string answer = UpperCased(typed.answer);
    const bool accepted =
        typed.result == ClueEntryResult::Add || typed.result == ClueEntryResult::KeepExisting;
    // The dialog has checked the answer; nothing unchecked reaches the grid all the same.
    if (!accepted || AnswerProblem(length, answer)) {
        return;
    }
    if (typed.result == ClueEntryResult::Add && userClues.AddClue(typed.question, answer)) {
        SaveUserClues();
    }
    const ClueRecord* record = userClues.Find(answer);
    AnswerEntry* entry = crossword.FindEntryAt(col, row, direction);
    if (record == nullptr || entry == nullptr) {
        return;
    }
    {
        EditScope edit(*this);
        crossword.WriteAnswerLetters(*entry, record->answer);
        CountUses(crossword);
    }
    AfterCreatorEdit();
}

bool Game::RunTakesAnswer(int col, int row, int direction, int length)
{
    // A question for a run that can never show it would only clutter the user's clue file.
    if (length < 2) {
        host.ShowMessage("A clue needs a run of at least two squares", "Attention", Buttons::Ok);
        return false;
    }
    if (crossword.FindEntryAt(col, row, direction) == nullptr) {
        host.ShowMessage(
            "This run is not joined to the rest of the crossword, so it cannot "
            "take an answer yet",
            "Attention", Buttons::Ok);
        return false;
    }
    return true;
}

std::optional<std::string> Game::AnswerProblem(int expectedLength, const std::string& answer)
{
    if (CharacterCount(answer) != expectedLength) {
        return "Incorrect amount of letters entered";
    }
    if (!IsAnswerWord(answer)) {
        return "The answer can only contain the letters A to Z: no spaces, digits, punctuation "
               "or accented letters";
    }
    if (!AnswerFits(answer)) {
        return "Answer " + answer + " does not fit correctly onto crossword grid";
    }
    return std::nullopt;
}

ClueEntryResult Game::CheckRunClue(int expectedLength, const std::string& question,
                                   const std::string& typedAnswer)
{
    const std::string answer = UpperCased(typedAnswer);
    auto refuse = [this](const std::string& text) {
        host.ShowMessage(text, kAppTitle, Buttons::Ok);
        return ClueEntryResult::Stay;
    };
    if (CharacterCount(answer) > kMaxEntryCharacters ||
        CharacterCount(question) > kMaxEntryCharacters) {
        return refuse("Please enter no more than 128 characters.");
    }
    if (CharacterCount(answer) != expectedLength) {
        return refuse("Incorrect amount of letters entered");
    }
    if (!IsAnswerWord(answer)) {
        return refuse(
            "The answer can only contain the letters A to Z: no spaces, digits, "
            "punctuation or accented letters");
    }
    if (!AnswerFits(answer)) {
        return refuse("Answer " + answer + " does not fit correctly onto crossword grid");
    }
    if (const auto problem = QuestionProblem(question, answer)) {
        return refuse(*problem);
    }
    const ClueRecord* record = FindUserClue(answer);
    if (record == nullptr) {
        return ClueEntryResult::Add;
    }
    if (record->question == question) {
        return ClueEntryResult::KeepExisting;  // nothing to overwrite
    }
    const Reply reply =
        host.ShowMessage("The answer " + answer + " has already been used with the question\n" +
                             record->question + "\nWould you like to overwrite this question?",
                         "", Buttons::YesNo);
    if (reply != Reply::Yes) {
        return ClueEntryResult::KeepExisting;
    }
    userClues.RemoveClue(answer);
    SaveUserClues();
    return ClueEntryResult::Add;
}

bool Game::AnswerFits(std::string_view answer)
{
    int direction = kAcross;
    const Square* start = SelectedRunStart(direction);
    if (start == nullptr) {
        return false;
    }
    int length = 0;
    const auto run = crossword.RunSquares(start->col, start->row, direction, length);
    if (static_cast<int>(answer.size()) != length) {
        return false;
    }
    for (int i = 0; i < length; ++i) {
        const char letter = run[static_cast<std::size_t>(i)]->solution;
        if (letter != 0 && letter != answer[static_cast<std::size_t>(i)]) {
            return false;
        }
    }
    return true;
}

const ClueRecord* Game::FindUserClue(std::string_view answer) const
{
    return userClues.Find(answer);
}

void Game::RemoveRunAnswer(Square* square)
{
    if (square == nullptr) {
        return;
    }
    const int direction = square->cursorDown ? kDown : kAcross;
    int unused = 0;
    Square* start = crossword.FindRunStart(square, direction, unused);
    const AnswerEntry* entry =
        start == nullptr ? nullptr : crossword.FindEntryAt(start->col, start->row, direction);
    // Only a run with a letter in every square holds an answer; a few crossing letters do not.
    if (entry == nullptr || !RunComplete(crossword, *start, direction)) {
        return;
    }
    // The answer goes whether or not its clue is in the user clue file: a design made on
    // another machine, or a damaged clue file, must not leave letters that cannot be removed.
    const std::string word(entry->AnswerWord());
    if (host.ShowMessage("Are you sure you want to remove " + word + " from the grid?", "Attention",
                         Buttons::YesNo) != Reply::Yes) {
        return;
    }
    {
        EditScope edit(*this);
        int length = 0;
        for (Square* member : crossword.RunSquares(start->col, start->row, direction, length)) {
            // A letter stays where a crossing answer still covers its square.
            if (!RunComplete(crossword, *member, Other(direction))) {
                member->solution = 0;
                member->guess = 0;
            }
        }
        CountUses(crossword);
    }
    AfterCreatorEdit();
}

void Game::AfterCreatorEdit()
{
    crossword.SetAnswersFromGrid();
    RefreshClueList();
}

void Game::SaveUserClues()
{
    // Written at once, so a crash or power cut loses at most the clue being typed.
    const Status saved = userClues.Save(paths.UserClues());
    if (!saved && !userClues.SaveBlocked()) {
        host.ShowMessage("Your clue could not be written to the clue file.\n" + saved.Error(),
                         "Attention", Buttons::Ok);
    }
}

}  // namespace quillby
