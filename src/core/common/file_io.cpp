#include "core/common/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace quillby {

namespace {

using Bytes = std::vector<std::byte>;

// WriteFileAtomically's temporary files are the target's name, this, and six letters or
// digits from mkstemp.
constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryRandom = 6;

Result<Bytes> ReadFailure(const std::string& path, const std::string& why)
{
    return Result<Bytes>::Failure(path + ": " + why);
}

std::string TooLong(std::size_t maxBytes)
{
    return "is longer than " + std::to_string(maxBytes) + " bytes";
}

// Reads an open regular file to its end, refusing it once it passes maxBytes (a file in /proc
// says it is empty and then goes on).
Result<Bytes> ReadOpenFile(int fd, const std::string& path, std::size_t maxBytes)
{
    Bytes bytes;
    std::byte buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return ReadFailure(path, std::string("read error: ") + std::strerror(errno));
        }
        if (got == 0) {
            return bytes;
        }
        if (static_cast<std::size_t>(got) > maxBytes - bytes.size()) {
            return ReadFailure(path, TooLong(maxBytes));
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
}

}  // namespace

Result<Bytes> ReadWholeFile(const std::string& path, std::size_t maxBytes)
{
    // Looked at before it is opened: opening a named pipe would wait for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return ReadFailure(path, std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return ReadFailure(path, "is not a regular file");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return ReadFailure(path, TooLong(maxBytes));
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        return ReadFailure(path, std::strerror(errno));
    }
    // The name may have been given to something else between the look and the open.
    Result<Bytes> read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
                             ? ReadOpenFile(fd, path, maxBytes)
                             : ReadFailure(path, "is not a regular file");
    ::close(fd);
    return read;
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

// The file a write to path should replace: symbolic links followed to their end. Nothing
// there yet is fine; anything there but a regular file is refused.
Result<std::string> ReplaceTarget(const std::string& path)
{
    std::string target = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno == ENOENT) {
                return target;
            }
            return Result<std::string>::Failure(Fail(path, "cannot look at it").Error());
        }
        if (S_ISREG(info.st_mode)) {
            return target;
        }
        if (!S_ISLNK(info.st_mode)) {
            return Result<std::string>::Failure(path +
                                                ": is not a regular file, so it is not replaced");
        }
        std::string link(4096, '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0 || static_cast<std::size_t>(length) >= link.size()) {
            return Result<std::string>::Failure(path + ": cannot follow its symbolic link");
        }
        link.resize(static_cast<std::size_t>(length));
        const std::size_t cut = target.find_last_of('/');
        target = link.starts_with('/') || cut == std::string::npos
                     ? link
                     : target.substr(0, cut + 1) + link;
    }
    return Result<std::string>::Failure(path + ": too many symbolic links");
}

// A replaced file keeps its permissions; a new one is readable like any other saved file
// (mkstemp makes the temporary file private).
mode_t ModeFor(const std::string& target)
{
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

}  // namespace

Status WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes)
{
    const Result<std::string> resolved = ReplaceTarget(path);
    if (!resolved) {
        return Status::Failure(resolved.Error());
    }
    const std::string& target = resolved.Value();
    std::string temp = target + std::string(kTemporaryMark) + "XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return Fail(path, "cannot create a temporary file");
    }
    ::fchmod(fd, ModeFor(target));
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
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        Status failure = Fail(path, "cannot replace");
        ::unlink(temp.c_str());
        return failure;
    }
    return Done{};
}

namespace {

bool IsTemporaryName(std::string_view name)
{
    if (name.size() <= kTemporaryMark.size() + kTemporaryRandom) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - kTemporaryRandom);
    const std::string_view mark =
        name.substr(name.size() - kTemporaryRandom - kTemporaryMark.size(), kTemporaryMark.size());
    auto alphanumeric = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    for (const char c : tail) {
        if (!alphanumeric(c)) {
            return false;
        }
    }
    return mark == kTemporaryMark;
}

}  // namespace

std::vector<std::string> RemoveStaleTemporaryFiles(const std::string& folder)
{
    std::vector<std::string> removed;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return removed;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryName(name)) {
            continue;
        }
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::unlink(path.c_str()) == 0) {
            removed.push_back(name);
        }
    }
    ::closedir(listing);
    return removed;
}

Result<std::string> MoveAside(const std::string& path, const std::string& suffix)
{
    for (int number = 1; number <= 1000; ++number) {
        const std::string aside =
            path + (number == 1 ? std::string() : "." + std::to_string(number)) + suffix;
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) {
            return aside;
        }
        if (errno == EEXIST) {
            continue;
        }
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system without the no-replace rename: look first, then rename.
            struct stat info {};
            if (::lstat(aside.c_str(), &info) == 0) {
                continue;
            }
            if (std::rename(path.c_str(), aside.c_str()) == 0) {
                return aside;
            }
        }
        return Result<std::string>::Failure(path + ": cannot be renamed: " + std::strerror(errno));
    }
    return Result<std::string>::Failure(path + ": too many earlier copies kept aside");
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace quillby
