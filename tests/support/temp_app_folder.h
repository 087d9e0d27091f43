#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quillby::testing {

// A fresh application folder (with data/ and res/) under the system's temporary folder,
// removed when the test ends.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    TempAppFolder(const TempAppFolder&) = delete;
    TempAppFolder& operator=(const TempAppFolder&) = delete;

    const std::string& Path() const { return path; }
    std::string Data(const std::string& name) const { return path + "/data/" + name; }

private:
    std::string path;
};

std::vector<std::byte> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::byte>& bytes);

}  // namespace quillby::testing
