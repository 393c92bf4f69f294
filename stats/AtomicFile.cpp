#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace stats {

namespace {

bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The new content is on the disk before the rename makes it the file's content.
bool WriteAndSync(int fd, const std::vector<uint8_t>& bytes)
{
    const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    // close can report a deferred write error, so its result counts too.
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

// Makes the rename itself survive a power cut; the file is already whole, so failures are harmless.
void SyncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target)
{
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + ".tmp";
    return temporary;
}

bool WriteFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes)
{
    const std::filesystem::path temporary = TemporaryPathFor(target);
    // A leftover of a crashed run under the same process id is ours to replace; O_EXCL then makes
    // sure the file written is a fresh one of our own, never something a link points to.
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    if (!WriteAndSync(fd, bytes) || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

}  // namespace stats
