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
    return SchemeColours(settings.colourScheme, CreateMode());
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
    look.cursorMark = onScreen && !CreateMode() && square.isCursor;
    look.number = square.number;
    look.numberColour = colours.number;
    return look;
}

}  // namespace quillby
