#pragma once

#include <string>

#include "core/model/crossword.h"

namespace quillby::testing {

// Copies the data the build made (word graph, main clues, both template files, default
// puzzle) into an application folder, so a test may write autosaves there freely.
void CopyShippedData(const std::string& appFolder);

// True when the crossword's blocks are those of one of the templates in the file.
bool IsOneOfTemplates(const Crossword& crossword, const std::string& templatePath);

// Writes a template file of one all-open size x size template: no fill ever completes it,
// so a generation runs until it is cancelled.
void WriteUnfillableTemplate(const std::string& templatePath, int size);

}  // namespace quillby::testing
