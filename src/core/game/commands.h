#pragma once

#include <span>
#include <string>

namespace quillby {

// Command ids are the numbers the menus, toolbar and accelerators share.
enum class CommandId : int {
    None = 0,  // a separator in Menus() and ToolbarLayout()
    NewPuzzle = 32771,
    ResetPuzzle = 32816,
    OpenPuzzle = 32774,
    SavePuzzle = 32772,
    SavePuzzleAs = 32773,
    Print = 57607,
    PrintDirect = 57608,
    PrintSetup = 57606,
    Exit = 57665,
    SolvePuzzle = 32779,
    CheckPuzzle = 32785,
    Hint = 32783,
    ShowClueWindow = 32792,
    CrosswordCreator = 32808,
    ShowInstructions = 32813,
    PauseClock = 32788,
    ResumeClock = 32789,
    SchemeBlackAndWhite = 32804,
    SchemeShadesOfAutumn = 32805,
    SchemeOliveGreen = 32806,
    SchemeRose = 32807,
    HowToPlay = 32815,
    About = 32803,
    // Puzzle files of other formats.
    ExportPuzzle = 32900,
    PuzzleInfo = 32901,
    // Our own commands, beside the game's.
    Undo = 33001,
    Redo = 33002,
    CheckMenu = 33010,  // the Check submenu of Options
    CheckLetter = 33011,
    CheckWord = 33012,
    CheckAll = 33013,
    RevealMenu = 33020,  // the Reveal submenu of Options
    RevealLetter = 33021,
    RevealWord = 33022,
    RevealAll = 33023,
    Pencil = 33030,
    ZoomIn = 33040,
    ZoomOut = 33041,
    ActualSize = 33042,
    ShowPreferences = 33050,
    SchemeDesktop = 33060,
};

// A command as the menus and toolbar show it. Empty prompt: pointing at it empties the
// status pane. Empty tooltip: no toolbar tooltip.
struct CommandInfo {
    CommandId id;
    const char* text;      // menu text with its '&' mnemonic
    const char* shortcut;  // "Ctrl+N", or empty
    const char* prompt;
    const char* tooltip;
};

struct MenuInfo {
    const char* title;
    std::span<const CommandId> items;  // CommandId::None is a separator
};

// What a menu item or toolbar button shows now.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    std::string text;
};

// A second shortcut for a command (Redo is also Ctrl+Y).
struct AlternateShortcut {
    CommandId id;
    const char* shortcut;
};

// A menu of our own, shown with the modern menus, and where it goes among the game's menus
// (the index it takes in the menu bar).
struct ModernMenu {
    MenuInfo menu;
    int position;
};

std::span<const CommandInfo> AllCommands();
// Null for an id with no entry (PrintDirect has none: it has no menu item).
const CommandInfo* FindCommand(CommandId id);
std::span<const MenuInfo> Menus();
// The toolbar's twelve buttons in order; CommandId::None is a separator.
std::span<const CommandId> ToolbarLayout();

std::span<const AlternateShortcut> AlternateShortcuts();
// The items of a submenu (CheckMenu, RevealMenu); null for a plain command.
const MenuInfo* SubMenuOf(CommandId id);
// The Edit and View menus, and the buttons the modern menus add after the toolbar's own.
std::span<const ModernMenu> ModernMenus();
std::span<const CommandId> ModernToolbarButtons();

}  // namespace quillby
