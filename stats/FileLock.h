#pragma once
// An exclusive advisory lock on a lock file, held from construction to destruction. Two running
// copies of the game take it around each read-update-write of the statistics file, so neither
// overwrites a game the other has just recorded, and around every write of either file, so no two
// copies ever write at once.

#include <chrono>
#include <filesystem>
#include <functional>

namespace stats {

// How a copy spends a pause between two tries for the lock: a program with a window keeps it
// painting meanwhile. Empty: the copy sleeps.
using LockWait = std::function<void(std::chrono::milliseconds pause)>;

// A finished game waits this long for another holder of the lock: a busy machine or a slow disk
// delays a game and never loses it. Only a holder that keeps the lock longer (a copy stopped with
// Ctrl+Z or in a debugger, a stuck program) has the game reported as not recorded.
inline constexpr std::chrono::milliseconds kRecordPatience{60000};
// A variant choice waits this long, its window still, and is otherwise reported as not saved.
inline constexpr std::chrono::milliseconds kChoicePatience{1000};

class FileLock {
public:
    // Tries until the pauses between tries add up to `patience`; a machine that oversleeps them
    // only waits longer. The lock file is created when missing and removed again by its holder; a
    // symbolic link, a FIFO or a folder in its place is never opened through, and leaves the lock
    // unheld.
    FileLock(std::filesystem::path lockFile, std::chrono::milliseconds patience, const LockWait& wait = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool IsHeld() const { return m_fd >= 0; }
    // Another holder kept the lock past the patience: nothing may be written now. Otherwise an
    // unheld lock is one no copy can take (the lock file cannot be made, the file system refuses
    // locks), so every copy writes without it.
    bool IsBusy() const { return m_bBusy; }

private:
    enum class Attempt { Held, Busy, Unusable };
    Attempt TryOnce();

    std::filesystem::path m_lockFile;
    int m_fd = -1;
    bool m_bBusy = false;
};

}  // namespace stats
