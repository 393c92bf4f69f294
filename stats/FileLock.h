#pragma once
// An exclusive advisory lock on a lock file, held from construction to destruction. Two running
// copies of the game take it around each read-update-write of the statistics file, so neither
// overwrites a game the other has just recorded, and around every write of either file, so a
// temporary file found while holding it is a leftover of a copy that was killed.

#include <filesystem>

namespace stats {

class FileLock {
public:
    // Waits for the lock. The lock file is created when missing and stays; removing it while
    // another copy waits on it would hand out two locks.
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when the lock file cannot be opened or the file system refuses locks.
    bool IsHeld() const { return m_held; }

private:
    int m_fd = -1;
    bool m_held = false;
};

}  // namespace stats
