#pragma once
// Replacing a file whole: a crash, a full disk or a failed write never leaves a half-written or
// empty file behind, only the old content or the new.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace stats {

// Writes `bytes` to a temporary file beside `target`, flushes it to the disk and renames it over
// `target`. On any failure `target` is left as it was, the temporary file is removed and false is
// returned.
bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// The temporary file of `target` for this process: a second running copy of the game uses its own.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target);

// Removes the temporary files of `target` that copies killed in the middle of a write left behind,
// which no later write of theirs would ever reuse. Only while no other copy can be writing `target`.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);

}  // namespace stats
