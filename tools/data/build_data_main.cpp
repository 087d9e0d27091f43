// quillby-data: builds the game's data files from Debian's SCOWL and WordNet packages.
#include <cstdio>
#include <string>

#include "data/data_build.h"
#include "data/tool_flags.h"

namespace {

const char* kUsage =
    "usage: quillby-data --tools DIR --out APPDIR [--scowl DIR] [--wordnet DIR] [--level N]\n"
    "Writes data/eng_dawg, data/eng_clues.b, data/output_user.b, data/9x9, data/11x11,\n"
    "data/eng_default.crs, data/click.wav and res/cursor.cur under APPDIR.\n";

}  // namespace

int main(int argc, char** argv)
{
    quillby::data::DataSources sources;
    std::string appFolder;
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
            } else if (flag == "--level") {
                sources.scowlLevel = quillby::data::NumberOr(value, -1);
            } else {
                return false;
            }
            return true;
        });
    if (!known || sources.toolsFolder.empty() || appFolder.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const quillby::Status status = quillby::data::WriteAppData(sources, appFolder);
    if (!status) {
        std::fprintf(stderr, "quillby-data: %s\n", status.Error().c_str());
        return 1;
    }
    return 0;
}
