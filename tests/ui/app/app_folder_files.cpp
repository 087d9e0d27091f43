#include "app_folder_files.h"

#include <gtest/gtest.h>

#include "core/clues/clue_store.h"
#include "core/storage/puzzle_file.h"
#include "core/wordgraph/dawg_writer.h"
#include "support/grids.h"

namespace quillby::testing {

void WriteDefaultPuzzle(const TempAppFolder& folder, const std::vector<std::string>& rows)
{
    Crossword crossword;
    SetGrid(crossword, rows);
    crossword.BuildAnswerList();
    crossword.NumberSquares();
    WriteBytes(folder.Data("eng_default.crs"), SerializePuzzle(crossword, 0, Clock{}, false));
}

void WriteStartingFiles(const TempAppFolder& folder, const std::vector<QuestionAnswer>& clues)
{
    WriteDefaultPuzzle(folder, {"CAT", "O#A", "WET"});
    // A word graph of one word: an empty file would be a damaged graph, named at start-up.
    WriteBytes(folder.Data("eng_dawg"),
               SerializeDawg(BuildDawgRecords(std::vector<std::string>{"CAT"})));
    for (const char* name : {"9x9", "11x11"}) {
        WriteBytes(folder.Data(name), {});
    }
    ClueStore store;
    for (const auto& [question, answer] : clues) {
        ASSERT_TRUE(store.AddClue(question, answer));
    }
    ASSERT_TRUE(store.Save(folder.Data("eng_clues.b")));
}

}  // namespace quillby::testing
