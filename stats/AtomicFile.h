#pragma once
// Replacing a file whole: a crash, a full disk or a failed write never leaves a half-written or
// empty file behind, only the old content or the new.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace stats {

// Which file was read and how it stood: a file written since, in place or replaced, differs. The
// clock of a file's time may tick only every few milliseconds and a freed inode may come back, so
// the bytes read count too.
struct FileStamp {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    std::vector<uint8_t> start;   // the bytes read from the file's start
    // The same file, as large and as last written (the bytes are not compared).
    bool operator==(const FileStamp& other) const;
};

// The stamp of the open file `fd`, without its bytes; a stamp of no file when it cannot be told.
FileStamp StampOf(int fd);

enum class WriteOutcome {
    Written,   // the file holds the new content
    Changed,   // another writer changed the file since it was read: nothing was written
    Failed,    // the file keeps its content
};

// Writes `bytes` as the whole content of `target`. A file that exists must be a regular file that
// opens for writing: a read-only file keeps its content and mode, as when it cannot be opened for
// writing. A symbolic link is written through, and stays a link. The new content goes to a temporary
// file beside the file, flushed to the disk and renamed over it with the file's mode; where the
// folder takes no new file (made read-only), and for a file with more than one hard link, so that
// every name keeps the new content, a writable file is written in place instead. On any
// failure the file keeps its content, no temporary file stays behind and false is returned.
bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes);

// As WriteFileAtomically, but only over the file as `read` found it (no file, when it found none):
// checked once the new content is on the disk, just before it takes the file's place, so a copy
// that stalled after its read never puts back what it read over what another copy wrote since.
WriteOutcome WriteFileIfUnchanged(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                                  const FileStamp& read);

// For tests: `stall` runs where a write is checked, just before its content takes the file's
// place, standing for a copy stopped there (Ctrl+Z, a debugger, a slow disk). Empty for none.
void SetStallBeforeReplace(std::function<void()> stall);

// The temporary file of `file` for this process: a second running copy of the game uses its own.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& file);

// Whether copies killed in the middle of a write of `target` left temporary files behind.
bool HasLeftoverTemporaries(const std::filesystem::path& target);

// Removes the temporary files of `target` that copies killed in the middle of a write left behind,
// which no later write of theirs would ever reuse. A temporary file is left alone while its writer
// may live: the process its name gives still runs, or someone holds a lock on it, as every writer
// does on its own until the file takes its place.
void RemoveLeftoverTemporaries(const std::filesystem::path& target);

}  // namespace stats
