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

// "<target>.<process id>.tmp"
bool IsTemporaryName(const std::string& name, const std::string& target)
{
    const std::string suffix = ".tmp";
    if (name.size() <= target.size() + 1 + suffix.size() || name.compare(0, target.size(), target) != 0 ||
        name[target.size()] != '.' || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string pid = name.substr(target.size() + 1, name.size() - target.size() - 1 - suffix.size());
    return pid.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target)
{
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + ".tmp";
    return temporary;
}

void RemoveLeftoverTemporaries(const std::filesystem::path& target)
{
    std::error_code ec;
    std::filesystem::directory_iterator entry(target.parent_path(), ec);
    for (; !ec && entry != std::filesystem::directory_iterator(); entry.increment(ec)) {
        // Only regular files named as TemporaryPathFor names them; anything else is not ours.
        std::error_code ignored;
        if (IsTemporaryName(entry->path().filename().string(), target.filename().string()) &&
            entry->symlink_status(ignored).type() == std::filesystem::file_type::regular) {
            ::unlink(entry->path().c_str());
        }
    }
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
