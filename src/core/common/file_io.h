#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "core/common/result.h"

namespace quillby {

// The whole file, or why it could not be read.
Result<std::vector<std::byte>> ReadWholeFile(const std::string& path);

// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so a crash or a full disk leaves either the old file or the new one, never
// a torn one. On failure the old file is untouched and the temporary file is removed.
Status WriteFileAtomically(const std::string& path, std::span<const std::byte> bytes);

// The text after the last '/' or '\' of a path (the whole text when it has neither).
std::string FileNameOf(const std::string& path);

}  // namespace quillby
