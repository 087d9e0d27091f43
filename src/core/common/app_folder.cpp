#include "core/common/app_folder.h"

#include <filesystem>
#include <mutex>
#include <system_error>

namespace quillby {

namespace {

std::mutex folderMutex;
std::string folderText;

}  // namespace

bool SetAppFolder()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error) {
        return false;
    }
    SetAppFolder(current.string());
    return true;
}

void SetAppFolder(std::string folder)
{
    const std::lock_guard lock(folderMutex);
    folderText = std::move(folder);
}

std::optional<std::string> AppFolder()
{
    const std::lock_guard lock(folderMutex);
    if (folderText.empty()) {
        return std::nullopt;
    }
    return folderText;
}

std::string AppPaths::Template(int width, int height) const
{
    return folder + "/data/" + std::to_string(width) + "x" + std::to_string(height);
}

}  // namespace quillby
