#pragma once
// Replacing a file whole: a crash, a full disk or a failed write never leaves a half-written or
// empty file behind, only the old content or the new.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace stats {

// Writes `bytes` as the whole content of `target`. A file that exists must be a regular file that
// opens for writing: a read-only file keeps its content and mode, as when it cannot be opened for
// writing. A symbolic link is written through, and stays a link. The new content goes to a temporary
// file beside the file, flushed to the disk and renamed over it with the file's mode; where the
// folder takes no new file (made read-only), a writable file is written in place instead. On any
// failure the file keeps its content, no temporary file stays behind and false is returned.
bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// The temporary file of `file` for this process: a second running copy of the game uses its own.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file);

// Whether copies killed in the middle of a write of `target` left temporary files behind.
bool HasLeftoverTemporaries(const std::filesystem::path& target);

// Removes the temporary files of `target` that copies killed in the middle of a write left behind,
// which no later write of theirs would ever reuse. Only while no other copy can be writing `target`.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);

}  // namespace stats
