#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// What a reader takes in when its format names no limit of its own.
inline constexpr std::size_t kDefaultReadLimit = std::size_t{64} << 20;

// The whole of a regular file (a symbolic link is followed to one), or why not. Anything else
// (a folder, a named pipe, a device) is refused without being opened, and so is a file longer
// than maxBytes, so no reader can block on a pipe or run out of memory on /dev/zero. Each
// reader passes the limit that fits its format.
Result<std::vector<std::byte>> ReadWholeFile(const std::string& path,
                                             std::size_t maxBytes = kDefaultReadLimit);

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so a crash or a full disk leaves either the old file or the new one, never
// a torn one. On failure the old file is untouched and the temporary file is removed.
// A symbolic link is written through to the file it names; anything but a regular file (or
// nothing) at the target is refused, so a device or a folder is never replaced.
Status WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes);

// The temporary files WriteFileAtomically leaves in folder when it is killed mid-write, by
// their exact name pattern ("<name>.tmp" and six letters or digits), are removed. Returns the
// names removed. Only for folders no other program writes into at the same time.
std::vector<std::string> RemoveStaleTemporaryFiles(const std::string& folder);

// Renames path to path + suffix, or to path + ".2" + suffix, ".3" + suffix, ... whichever is
// free: never over an existing file. Returns the new path.
Result<std::string> MoveAside(const std::string& path, const std::string& suffix);

// The text after the last '/' or '\' of a path (the whole text when it has neither).
std::string FileNameOf(const std::string& path);

}  // namespace quillby
