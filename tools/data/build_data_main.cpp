// quillby-data: builds the game's data files from Debian's SCOWL and WordNet packages.
#include <cstdio>
#include <string>
#include <vector>

#include "data/data_build.h"
#include "data/tool_flags.h"

namespace {

const char* kUsage =
    "usage: quillby-data --tools DIR --out APPDIR [--scowl DIR] [--wordnet DIR] [--level N]\n"
    "                    [--table FILE]\n"
    "       quillby-data --tools DIR --explain WORD [--explain WORD...]\n"
    "Writes data/eng_dawg, data/eng_clues.b, data/eng_fill_words, data/output_user.b,\n"
    "data/9x9, data/11x11, data/eng_default.crs, data/click.wav and res/cursor.cur under\n"
    "APPDIR. --table also writes every clued candidate word, shipped or not, with its\n"
    "clues and their scores.\n"
    "--explain prints how the clue writer ranks a word's senses and scores its clues.\n";

}  // namespace

int main(int argc, char** argv)
{
    quillby::data::DataSources sources;
    std::string appFolder;
    std::string tablePath;
    std::vector<std::string> explain;
    const bool known = quillby::data::ForEachFlag(
        argc, argv, [&](const std::string& flag, const std::string& value) {
            if (flag == "--tools") {
                sources.toolsFolder = value;
            } else if (flag == "--out") {
                appFolder = value;
            } else if (flag == "--scowl") {
                sources.scowlFolder = value;
            } else if (flag == "--wordnet") {
                sources.wordNetFolder = value;
            } else if (flag == "--explain") {
                explain.push_back(value);
            } else if (flag == "--table") {
                tablePath = value;
            } else if (flag == "--level") {
                sources.scowlLevel = quillby::data::NumberOr(value, -1);
            } else {
                return false;
            }
            return true;
        });
    if (known && !sources.toolsFolder.empty() && !explain.empty()) {
        const auto text = quillby::data::ExplainClues(sources, explain);
        if (!text) {
            std::fprintf(stderr, "quillby-data: %s\n", text.Error().c_str());
            return 1;
        }
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    if (!known || sources.toolsFolder.empty() || appFolder.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const quillby::Status status = quillby::data::WriteAppData(sources, appFolder, tablePath);
    if (!status) {
        std::fprintf(stderr, "quillby-data: %s\n", status.Error().c_str());
        return 1;
    }
    return 0;
}
