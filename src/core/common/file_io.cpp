#include "core/common/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillby {

Result<std::vector<std::byte>> ReadWholeFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return Result<std::vector<std::byte>>::Failure(path + ": " + std::strerror(errno));
    }
    std::vector<std::byte> bytes;
    std::byte buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return Result<std::vector<std::byte>>::Failure(path + ": read error");
    }
    return bytes;
}

namespace {

Status Fail(const std::string& path, const std::string& what)
{
    return Status::Failure(path + ": " + what + ": " + std::strerror(errno));
}

bool WriteAll(int fd, std::span<const std::byte> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes)
{
    std::string temp = path + ".tmpXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Fail(path, "cannot create a temporary file");
    }
    // mkstemp makes the file private; a saved puzzle should be readable like any other file.
    ::fchmod(fd, 0644);
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) {
        Status failure = Fail(path, "cannot write");
        ::close(fd);
        ::unlink(temp.c_str());
        return failure;
    }
    if (::close(fd) != 0) {
        Status failure = Fail(path, "cannot write");
        ::unlink(temp.c_str());
        return failure;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        Status failure = Fail(path, "cannot replace");
        ::unlink(temp.c_str());
        return failure;
    }
    return Done{};
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace quillby
