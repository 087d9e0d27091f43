// quillby-data: builds the game's data files from Debian's SCOWL and WordNet packages.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/data_build.h"

namespace {

const char* kUsage =
    "usage: quillby-data --tools DIR --out APPDIR [--scowl DIR] [--wordnet DIR] [--level N]\n"
    "Writes data/eng_dawg, data/eng_clues.b, data/output_user.b, data/9x9, data/11x11,\n"
    "data/eng_default.crs, data/click.wav and res/cursor.cur under APPDIR.\n";

// A flag's number, or fallback when the text is not one (a tool refuses, never throws).
int NumberOr(const std::string& text, int fallback)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    quillby::data::DataSources sources;
    std::string appFolder;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const std::string value = argv[i + 1];
        if (flag == "--tools") {
            sources.toolsFolder = value;
        } else if (flag == "--out") {
            appFolder = value;
        } else if (flag == "--scowl") {
            sources.scowlFolder = value;
        } else if (flag == "--wordnet") {
            sources.wordNetFolder = value;
        } else if (flag == "--level") {
            sources.scowlLevel = NumberOr(value, -1);
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (sources.toolsFolder.empty() || appFolder.empty() || argc % 2 == 0) {
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
