#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/temp_app_folder.h"

namespace quillby::testing {

// A clue and the answer it belongs to.
using QuestionAnswer = std::pair<std::string, std::string>;

// Writes the puzzle the program starts on, built from rows of text.
void WriteDefaultPuzzle(const TempAppFolder& folder, const std::vector<std::string>& rows);

// Fills the folder with what the real program needs to start: a small default puzzle,
// stand-ins for the other data files and a clue store holding the given clues.
void WriteStartingFiles(const TempAppFolder& folder, const std::vector<QuestionAnswer>& clues);

}  // namespace quillby::testing
