#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>

#include "RegularFile.h"
#include "UniqueFd.h"

namespace stats {

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
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

// The new bytes go over the old ones before the file is cut to their length, so the file is never
// empty or short in between: a reader finds the old records or the new ones.
bool WriteInPlace(int fd, const std::vector<uint8_t>& bytes)
{
    return WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Makes the rename itself survive a power cut; the file is already whole, so failures are harmless.
void SyncFolder(const fs::path& folder)
{
    const UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) ::fsync(fd.Get());
}

// "<file>.<process id>.tmp"
bool IsTemporaryName(const std::string& name, const std::string& file)
{
    const std::string suffix = ".tmp";
    if (name.size() <= file.size() + 1 + suffix.size() || name.compare(0, file.size(), file) != 0 ||
        name[file.size()] != '.' || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string pid = name.substr(file.size() + 1, name.size() - file.size() - 1 - suffix.size());
    return pid.find_first_not_of("0123456789") == std::string::npos;
}

// Calls `found` with each leftover temporary file of `target`. Only regular files named as
// TemporaryPathFor names them, beside the file a link at `target` leads to, are ours.
template <typename Found>
void ForEachLeftover(const fs::path& target, Found found)
{
    const std::optional<fs::path> file = FollowLinks(target);
    if (!file) return;
    std::error_code ec;
    fs::directory_iterator entry(file->parent_path(), ec);
    for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        std::error_code ignored;
        if (IsTemporaryName(entry->path().filename().string(), file->filename().string()) &&
            entry->symlink_status(ignored).type() == fs::file_type::regular) {
            found(entry->path());
        }
    }
}

// Writes the temporary file and renames it over `file`; false when the temporary file cannot be
// made, with errno telling why.
bool ReplaceWithTemporary(const fs::path& file, const UniqueFd& existing, const std::vector<uint8_t>& bytes)
{
    const fs::path temporary = TemporaryPathFor(file);
    // A leftover of a crashed run under the same process id is ours to replace; O_EXCL then makes
    // sure the file written is a fresh one of our own, never something a link points to.
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // The file keeps the mode the player gave it (a private file stays private).
    struct stat st {};
    if (existing && ::fstat(existing.Get(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    if (!WriteAndSync(fd, bytes) || std::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        errno = EIO;
        return false;
    }
    SyncFolder(file.parent_path());
    return true;
}

}  // namespace

fs::path TemporaryPathFor(const fs::path& file)
{
    fs::path temporary = file;
    temporary += "." + std::to_string(::getpid()) + ".tmp";
    return temporary;
}

bool HasLeftoverTemporaries(const fs::path& target)
{
    bool any = false;
    ForEachLeftover(target, [&](const fs::path&) { any = true; });
    return any;
}

void RemoveLeftoverTemporaries(const fs::path& target)
{
    ForEachLeftover(target, [](const fs::path& leftover) { ::unlink(leftover.c_str()); });
}

bool WriteFileAtomically(const fs::path& target, const std::vector<uint8_t>& bytes)
{
    const std::optional<fs::path> file = FollowLinks(target);
    if (!file) return false;
    // An existing file is replaced only when it could be written as it is: a read-only file, a
    // FIFO or a folder in its place stays untouched.
    const UniqueFd existing(OpenRegularFile(*file, O_WRONLY | O_NOFOLLOW));
    if (!existing && errno != ENOENT) return false;
    if (ReplaceWithTemporary(*file, existing, bytes)) return true;
    // A folder the player made read-only still lets its writable files be written.
    const bool folderRefuses = errno == EACCES || errno == EPERM;
    return existing && folderRefuses && WriteInPlace(existing.Get(), bytes);
}

}  // namespace stats
