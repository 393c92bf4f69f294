#pragma once
// An exclusive advisory lock on a lock file, held from construction to destruction. Two running
// copies of the game take it around each read-update-write of the statistics file, so neither
// overwrites a game the other has just recorded, and around every write of either file, so a
// temporary file found while holding it is a leftover of a copy that was killed.

#include <chrono>
#include <filesystem>

namespace stats {

// How long a write waits for another holder of the lock. A copy of the game holds it for one
// read and one small write; a holder that keeps it longer (a copy stopped in a debugger or with
// Ctrl+Z, any other program) must not freeze the game, which then writes without it.
inline constexpr std::chrono::milliseconds kLockPatience{1000};

class FileLock {
public:
    // Tries for at most `patience`. The lock file is created when missing and removed again by
    // its holder; a symbolic link, a FIFO or a folder in its place is never opened through, and
    // leaves the lock unheld.
    explicit FileLock(std::filesystem::path lockFile, std::chrono::milliseconds patience = kLockPatience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // False when another holder kept the lock past the patience, the lock file cannot be made,
    // or the file system refuses locks.
    bool IsHeld() const { return m_fd >= 0; }

private:
    enum class Attempt { Held, Busy, Unusable };
    Attempt TryOnce();

    std::filesystem::path m_lockFile;
    int m_fd = -1;
};

}  // namespace stats
