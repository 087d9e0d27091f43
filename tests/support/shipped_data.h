#pragma once

#include <cstdint>
#include <string>

#include "core/game/game.h"
#include "core/model/crossword.h"

namespace quillby::testing {

// Copies the data the build made (word graph, main clues, both template files, default
// puzzle) into an application folder, so a test may write autosaves there freely.
void CopyShippedData(const std::string& appFolder);

// Starts a game on a copy of the shipped data: clue stores and word graph loaded, rng seeded,
// the default puzzle in play. Fails the test when the word graph cannot be loaded.
void StartOnShippedData(Game& game, std::uint32_t seed);

// True when the crossword's blocks are those of one of the templates in the file.
bool IsOneOfTemplates(const Crossword& crossword, const std::string& templatePath);

// Writes a template file of one all-open size x size template: no fill ever completes it,
// so a generation runs until it is cancelled or reaches its attempt limit.
void WriteUnfillableTemplate(const std::string& templatePath, int size);
// The same for the game's size template, with the game's attempt limit lifted: its
// generations of that size run until they are cancelled.
void MakeGenerationsRunUntilCancelled(Game& game, int size);

}  // namespace quillby::testing
