#pragma once

#include <string>
#include <vector>

#include "core/model/square.h"

namespace quillby {

// One clue a puzzle carries itself (.puz, .ipuz). text is UTF-8 in the clue window's markup
// (core/common/clue_markup.h): '<', '>' and '&' as entities, <b>, <i>, <u>, <sub>, <sup>, <br>.
struct OwnClue {
    int number = 0;
    int direction = kAcross;
    std::string text;
    bool operator==(const OwnClue&) const = default;
};

// What a puzzle file says about itself, UTF-8 plain text.
struct PuzzleInfo {
    std::string title;
    std::string author;
    std::string copyright;
    std::string notes;
    bool operator==(const PuzzleInfo&) const = default;
};

// The clues and the description of a puzzle that does not take its clues from the clue stores.
struct OwnClues {
    std::vector<OwnClue> clues;  // Across then Down, each in number order
    PuzzleInfo info;

    // The clue of the entry numbered number in direction, or null.
    const OwnClue* Find(int number, int direction) const
    {
        for (const OwnClue& clue : clues) {
            if (clue.number == number && clue.direction == direction) {
                return &clue;
            }
        }
        return nullptr;
    }
    bool operator==(const OwnClues&) const = default;
};

}  // namespace quillby
