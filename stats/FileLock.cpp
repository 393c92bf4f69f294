#include "FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

#include "UniqueFd.h"

namespace stats {

namespace {

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

FileLock::FileLock(std::filesystem::path lockFile, std::chrono::milliseconds patience, const LockWait& wait)
    : m_lockFile(std::move(lockFile))
{
    // Short pauses, so a copy waiting behind others takes its turn soon after the lock is let go.
    constexpr std::chrono::milliseconds kLongestPause{10};
    std::chrono::milliseconds waited{0};
    std::chrono::milliseconds pause{1};
    for (;;) {
        if (TryOnce() != Attempt::Busy) return;
        if (waited >= patience) {
            m_bBusy = true;
            return;
        }
        const std::chrono::milliseconds step = std::min(pause, patience - waited);
        if (wait)
            wait(step);
        else
            std::this_thread::sleep_for(step);
        waited += step;
        pause = std::min(pause * 2, kLongestPause);
    }
}

FileLock::~FileLock()
{
    if (m_fd < 0) return;
    // Removed while still locked, so no lock file stays in the data folder; a copy that opened it
    // in the meantime sees it gone once it gets the lock, and makes a new one.
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
}

FileLock::Attempt FileLock::TryOnce()
{
    UniqueFd fd(::open(m_lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!fd) return Attempt::Unusable;
    struct stat locked {};
    if (::fstat(fd.Get(), &locked) != 0 || !S_ISREG(locked.st_mode)) return Attempt::Unusable;
    int result;
    do {
        result = ::flock(fd.Get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) return errno == EWOULDBLOCK ? Attempt::Busy : Attempt::Unusable;
    // The holder before us may have removed the file between our open and our lock: that lock
    // excludes no one, so the attempt starts again on the file now in the folder.
    struct stat present {};
    if (::lstat(m_lockFile.c_str(), &present) != 0 || !SameFile(locked, present)) return Attempt::Busy;
    m_fd = fd.Release();
    return Attempt::Held;
}

}  // namespace stats
