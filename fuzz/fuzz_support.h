#pragma once

// What the harnesses share: a Host that answers every question without a desktop, and a
// scratch folder for files, in memory where the machine has /dev/shm so saves stay fast.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/platform/null_host.h"

namespace quillby::fuzz {

// The quiet desktop, with a Save dialog a harness can make answer.
class QuietHost : public NullHost {
public:
    std::optional<std::string> savePath;  // what the Save dialog answers; nullopt: Cancel

    std::optional<std::string> ChooseSavePath() override { return savePath; }
};

// A fresh folder with data/ and res/, made once per process and left for the system to clear.
inline const std::string& ScratchFolder()
{
    static const std::string folder = [] {
        const std::string base = std::filesystem::is_directory("/dev/shm")
                                     ? "/dev/shm"
                                     : std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/quillby-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            ::abort();
        }
        std::filesystem::create_directories(pattern + "/data");
        std::filesystem::create_directories(pattern + "/res");
        return pattern;
    }();
    return folder;
}

}  // namespace quillby::fuzz
