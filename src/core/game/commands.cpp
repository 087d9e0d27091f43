#include "core/game/commands.h"

#include <algorithm>
#include <iterator>

namespace quillby {

namespace {

using enum CommandId;

constexpr CommandInfo kCommands[] = {
    {NewPuzzle, "&New Puzzle", "Ctrl+N", "Create a new puzzle", "Create new puzzle"},
    {ResetPuzzle, "R&eset Puzzle", "", "Reset the current puzzle", "Reset current puzzle"},
    {OpenPuzzle, "&Open a saved puzzle...", "Ctrl+O", "Load a saved puzzle", "Load a puzzle"},
    {SavePuzzle, "&Save current puzzle", "Ctrl+S", "Save a puzzle", "Save puzzle"},
    {SavePuzzleAs, "Save current puzzle &As...", "", "Save a puzzle as", "Save puzzle as"},
    {Print, "&Print puzzle...", "Ctrl+P", "Print this puzzle", "Print this puzzle"},
    {PrintSetup, "P&rint Setup...", "", "Change the printer and printing options", "Print Setup"},
    {Exit, "E&xit", "", "Quit the application; prompts to save documents", "Exit"},
    {ExportPuzzle, "Expor&t...", "", "Write this puzzle as a .puz or .ipuz file", "Export puzzle"},
    {PuzzleInfo, "Puzzle &Info...", "", "Show the puzzle's title, author, copyright and notes",
     "Puzzle info"},
    {SolvePuzzle, "&Solve Puzzle", "", "Solve the puzzle", "Solve puzzle"},
    {CheckPuzzle, "Check &Puzzle", "", "Check puzzle for correct answers",
     "Check puzzle for correct answers"},
    {Hint, "&Hint", "", "Hint", "Give us a hint"},
    {ShowClueWindow, "Show &Clue window", "", "Toggle the clue window", "Toggle the clue window"},
    {CrosswordCreator, "C&rossword Creator", "", "Toggle the crossword mode",
     "Toggle the crossword mode"},
    {ShowInstructions, "Show &Instructions", "", "Show creator instructions",
     "Show creator instructions"},
    {PauseClock, "&Pause Clock", "", "", ""},
    {ResumeClock, "&Resume Clock", "", "", ""},
    {SchemeBlackAndWhite, "&Black and White", "", "", ""},
    {SchemeShadesOfAutumn, "&Shades of Autumn", "", "", ""},
    {SchemeOliveGreen, "&Olive Green", "", "", ""},
    {SchemeRose, "&Rose", "", "", ""},
    {HowToPlay, "&How to play", "", "How to play", "How to play"},
    {About, "&About", "", "About", "About"},
    {Undo, "&Undo", "Ctrl+Z", "Undo the last change to the grid", "Undo"},
    {Redo, "&Redo", "Ctrl+Shift+Z", "Redo the change last undone", "Redo"},
    {CheckMenu, "Chec&k", "", "Mark wrong letters", ""},
    {CheckLetter, "&Letter", "Ctrl+K", "Mark the letter at the cursor if it is wrong", ""},
    {CheckWord, "&Word", "Ctrl+Shift+K", "Mark the wrong letters of the selected word", ""},
    {CheckAll, "&Puzzle", "Ctrl+Alt+K", "Mark every wrong letter of the puzzle", ""},
    {RevealMenu, "Re&veal", "", "Give the right letters", ""},
    {RevealLetter, "&Letter", "Ctrl+R", "Give the right letter at the cursor", ""},
    {RevealWord, "&Word", "Ctrl+Shift+R", "Give the right letters of the selected word", ""},
    {RevealAll, "&Puzzle", "Ctrl+Alt+R", "Give every right letter of the puzzle", ""},
    {Pencil, "Pe&ncil", "Ctrl+E", "Type tentative letters, drawn in grey", "Pencil"},
    {ZoomIn, "Zoom &In", "Ctrl++", "Make the squares larger", ""},
    {ZoomOut, "Zoom &Out", "Ctrl+-", "Make the squares smaller", ""},
    {ActualSize, "&Actual Size", "Ctrl+0", "Show the squares at their own size", ""},
    {ShowPreferences, "Pr&eferences...", "", "Choose the keyboard, marks, menus and look", ""},
    {SchemeDesktop, "&Desktop", "", "", ""},
};

constexpr AlternateShortcut kAlternates[] = {{Redo, "Ctrl+Y"}, {ZoomIn, "Ctrl+="}};

constexpr CommandId kFileMenu[] = {NewPuzzle,  ResetPuzzle,  None,         OpenPuzzle,
                                   SavePuzzle, SavePuzzleAs, ExportPuzzle, PuzzleInfo,
                                   None,       Print,        PrintSetup,   Exit};
// The game's items first, in their order; ours follow.
constexpr CommandId kOptionsMenu[] = {
    SolvePuzzle,      CheckPuzzle, None,      Hint,       ShowClueWindow, None, CrosswordCreator,
    ShowInstructions, None,        CheckMenu, RevealMenu, Pencil,         None, ShowPreferences};
constexpr CommandId kClockMenu[] = {PauseClock, ResumeClock};
constexpr CommandId kSchemeMenu[] = {SchemeBlackAndWhite, SchemeShadesOfAutumn, SchemeOliveGreen,
                                     SchemeRose, SchemeDesktop};
constexpr CommandId kCheckMenu[] = {CheckLetter, CheckWord, CheckAll};
constexpr CommandId kRevealMenu[] = {RevealLetter, RevealWord, RevealAll};
constexpr CommandId kEditMenu[] = {Undo, Redo};
constexpr CommandId kViewMenu[] = {ZoomIn, ZoomOut, ActualSize};
constexpr CommandId kHelpMenu[] = {HowToPlay, About};

constexpr MenuInfo kMenus[] = {
    {"&File", kFileMenu},   {"&Options", kOptionsMenu},
    {"&Clock", kClockMenu}, {"Colour &Scheme", kSchemeMenu},
    {"&Help", kHelpMenu},
};

constexpr MenuInfo kSubMenus[] = {{"Chec&k", kCheckMenu}, {"Re&veal", kRevealMenu}};

constexpr ModernMenu kModernMenus[] = {{{"&Edit", kEditMenu}, 1}, {{"&View", kViewMenu}, 2}};

constexpr CommandId kModernToolbar[] = {None, Pencil};

constexpr CommandId kToolbar[] = {NewPuzzle,
                                  ResetPuzzle,
                                  None,
                                  OpenPuzzle,
                                  SavePuzzle,
                                  Print,
                                  None,
                                  SolvePuzzle,
                                  Hint,
                                  CheckPuzzle,
                                  None,
                                  PauseClock,
                                  ResumeClock,
                                  None,
                                  ShowClueWindow,
                                  None,
                                  CrosswordCreator};

}  // namespace

std::span<const CommandInfo> AllCommands()
{
    return kCommands;
}

const CommandInfo* FindCommand(CommandId id)
{
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [id](const CommandInfo& info) { return info.id == id; });
    return found == std::end(kCommands) ? nullptr : &*found;
}

std::span<const MenuInfo> Menus()
{
    return kMenus;
}

std::span<const CommandId> ToolbarLayout()
{
    return kToolbar;
}

std::span<const AlternateShortcut> AlternateShortcuts()
{
    return kAlternates;
}

const MenuInfo* SubMenuOf(CommandId id)
{
    switch (id) {
        case CheckMenu:
            return &kSubMenus[0];
        case RevealMenu:
            return &kSubMenus[1];
        default:
            return nullptr;
    }
}

std::span<const ModernMenu> ModernMenus()
{
    return kModernMenus;
}

std::span<const CommandId> ModernToolbarButtons()
{
    return kModernToolbar;
}

}  // namespace quillby
