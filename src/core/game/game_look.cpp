#include "core/game/game.h"

namespace quillby {

ColourScheme SchemeColours(int scheme, bool createMode)
{
    switch (scheme) {
        case 1:
            return {{221, 179, 141}, {134, 100, 73}, {0, 0, 0}, {208, 152, 105}, {84, 67, 50}};
        case 2:
            return {{236, 233, 216}, {167, 181, 128}, {70, 78, 44}, {227, 224, 198}, {70, 78, 44}};
        case 3:
            return {{207, 175, 183}, {162, 102, 117}, {89, 45, 57}, {198, 159, 169}, {109, 65, 77}};
        default: {
            const Rgb block = createMode ? Rgb{50, 50, 50} : Rgb{0, 0, 0};
            return {{255, 255, 255}, block, {0, 0, 0}, {217, 227, 240}, {0, 0, 0}};
        }
    }
}

Rgb Shaded(Rgb fill, Rgb block)
{
    auto mix = [](std::uint8_t from, std::uint8_t to) {
        return static_cast<std::uint8_t>((3 * from + to + 2) / 4);
    };
    return {mix(fill.red, block.red), mix(fill.green, block.green), mix(fill.blue, block.blue)};
}

ColourScheme Game::Colours() const
{
    if (preferences.desktopColours) {
        return DesktopScheme(desktopPalette, CreateMode());
    }
    return SchemeColours(settings.colourScheme, CreateMode());
}

void Game::SetDesktopPalette(const DesktopPalette& palette)
{
    if (palette == desktopPalette) {
        return;
    }
    desktopPalette = palette;
    if (preferences.desktopColours) {
        host.Repaint(true);
    }
}

void Game::AddMarks(const Square& square, const ColourScheme& colours, SquareLook& look) const
{
    const Rgb fills[] = {colours.square, colours.highlight};
    // The Desktop scheme keeps every text at text contrast; the game's own schemes were never
    // made for it, so their pencil grey keeps the contrast of large letters.
    const double letterContrast = preferences.desktopColours ? kTextContrast : kShapeContrast;
    look.pencilled = (square.marks & kMarkPencil) != 0 && look.letter != 0;
    if (look.pencilled) {
        look.letterColour =
            WithContrast(Mix(colours.letter, colours.square, 0.45), fills, letterContrast);
    }
    look.wrongMark = (square.marks & kMarkWrong) != 0 && look.letter != 0;
    look.givenMark = (square.marks & kMarkRevealed) != 0 && look.letter != 0;
    look.wrongColour = WithContrast(Rgb{210, 30, 30}, fills, kShapeContrast);
    look.givenColour = WithContrast(Rgb{20, 100, 210}, fills, kShapeContrast);
}

SquareLook Game::LookOf(const Square& square, Surface surface) const
{
    const ColourScheme colours = Colours();
    SquareLook look;
    look.open = square.open;
    if (!square.open) {
        look.fill = colours.block;
        return look;
    }
    const bool onScreen = surface == Surface::Screen;
    look.fill = square.highlighted && onScreen ? colours.highlight : colours.square;
    look.shaded = (square.style & kStyleShaded) != 0;
    look.circled = (square.style & kStyleCircle) != 0;
    if (look.shaded) {
        look.fill = Shaded(look.fill, colours.block);
    }

    // A printed puzzle without the player's squares has empty boxes to write in.
    const bool lettersShown = !(surface == Surface::PrintedPuzzle && !settings.printUserSquares);
    if (lettersShown) {
        char letter = CreateMode() && onScreen ? square.solution : square.guess;
        if (surface == Surface::PrintedSolution) {
            letter = square.solution;
        }
        if (clockPaused && !CreateMode() && onScreen) {
            letter = '?';  // a paused clock hides the grid, empty squares included
        }
        look.letter = letter;
    }
    look.letterColour = colours.letter;
    const bool marksShown = lettersShown && surface != Surface::PrintedSolution && !CreateMode() &&
                            !(clockPaused && onScreen);
    if (marksShown) {
        AddMarks(square, colours, look);
    }
    look.cursorMark = onScreen && !CreateMode() && square.isCursor;
    // Black vanishes on a dark desktop's squares.
    look.cursorColour = preferences.desktopColours ? colours.letter : Rgb{0, 0, 0};
    look.number = square.number;
    look.numberColour = colours.number;
    return look;
}

}  // namespace quillby
