#pragma once
// The game only ever reads or writes plain files. A FIFO, a device or a folder in a file's place
// reads as damaged and is never written; an open of one never waits for another program.

#include <filesystem>
#include <optional>

namespace stats {

// Opens `file` with `flags` (O_RDONLY or O_WRONLY, maybe O_NOFOLLOW) and never blocks: a FIFO
// without a partner cannot hold the open up. Gives the descriptor of a regular file, otherwise -1
// with errno set (EINVAL for something that is no regular file).
int OpenRegularFile(const std::filesystem::path& file, int flags);

// Where a chain of symbolic links at `file` ends: `file` itself when it is no link or does not
// exist, nothing when the chain loops or a link cannot be read. A player may keep a data file in
// another folder through a link; the game writes the link's target and leaves the link as it is.
std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& file);

}  // namespace stats
