#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

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

// Makes the rename itself survive a power cut; the file is already whole, so failures are harmless.
void SyncFolder(const fs::path& folder)
{
    const UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd) ::fsync(fd.Get());
}

// The process id in "<file>.<process id>.tmp", or nothing for any other name.
std::optional<std::string> TemporaryNamesProcess(const std::string& name, const std::string& file)
{
    const std::string suffix = ".tmp";
    if (name.size() <= file.size() + 1 + suffix.size() || name.compare(0, file.size(), file) != 0 ||
        name[file.size()] != '.' || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return {};
    }
    const std::string pid = name.substr(file.size() + 1, name.size() - file.size() - 1 - suffix.size());
    if (pid.find_first_not_of("0123456789") != std::string::npos) return {};
    return pid;
}

bool ProcessRuns(const std::string& digits)
{
    // Longer than any process id; and 0 would name our own process group.
    if (digits.size() > 9) return false;
    const long pid = std::stol(digits);
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

// A temporary file is a leftover only once its writer is gone: the process its name gives no
// longer runs, and nobody holds the lock a writer keeps on its temporary file (a copy in another
// process-id namespace, where the number means nothing here, still holds it).
bool WriterIsGone(const fs::path& temporary, const std::string& pid)
{
    if (ProcessRuns(pid)) return false;
    const UniqueFd fd(::open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    return fd && ::flock(fd.Get(), LOCK_SH | LOCK_NB) == 0;
}

// Calls `found` with each leftover temporary file of `target`. Only regular files named as
// TemporaryPathFor names them, beside the file a link at `target` leads to, whose writers are
// gone, are leftovers.
template <typename Found>
void ForEachLeftover(const fs::path& target, Found found)
{
    const std::optional<fs::path> file = FollowLinks(target);
    if (!file) return;
    std::error_code ec;
    fs::directory_iterator entry(file->parent_path(), ec);
    for (; !ec && entry != fs::directory_iterator(); entry.increment(ec)) {
        std::error_code ignored;
        const std::optional<std::string> pid =
            TemporaryNamesProcess(entry->path().filename().string(), file->filename().string());
        if (pid && entry->symlink_status(ignored).type() == fs::file_type::regular &&
            WriterIsGone(entry->path(), *pid)) {
            found(entry->path());
        }
    }
}

std::function<void()>& Stall()
{
    static std::function<void()> stall;
    return stall;
}

FileStamp StampOfStat(const struct stat& st)
{
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim.tv_sec, st.st_mtim.tv_nsec, {}};
}

// Whether `file` begins with `start`.
bool BeginsWith(const fs::path& file, const std::vector<uint8_t>& start)
{
    const UniqueFd fd(OpenRegularFile(file, O_RDONLY));
    if (!fd) return false;
    std::vector<uint8_t> bytes(start.size());
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd.Get(), bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return bytes == start;
}

// Whether `file` is still as the reader found it; true when there is nothing to hold it to.
bool StillAsRead(const fs::path& file, const FileStamp* read)
{
    if (Stall()) Stall()();
    if (read == nullptr) return true;
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return errno == ENOENT && !read->exists;
    return StampOfStat(st) == *read && BeginsWith(file, read->start);
}

// Writes the temporary file and renames it over `file`; Failed when the temporary file cannot be
// made, with errno telling why.
WriteOutcome ReplaceWithTemporary(const fs::path& file, const UniqueFd& existing, const std::vector<uint8_t>& bytes,
                                  const FileStamp* read)
{
    const fs::path temporary = TemporaryPathFor(file);
    // A leftover of a crashed run under the same process id is ours to replace; O_EXCL then makes
    // sure the file written is a fresh one of our own, never something a link points to.
    ::unlink(temporary.c_str());
    // Open, and locked, until it has taken the file's place: no other copy takes it for a leftover.
    const UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (!fd) return WriteOutcome::Failed;
    ::flock(fd.Get(), LOCK_EX | LOCK_NB);
    // The file keeps the mode the player gave it (a private file stays private).
    struct stat st {};
    if (existing && ::fstat(existing.Get(), &st) == 0) ::fchmod(fd.Get(), st.st_mode & 07777);
    // The new content is on the disk before the rename makes it the file's content.
    if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) {
        ::unlink(temporary.c_str());
        errno = EIO;
        return WriteOutcome::Failed;
    }
    if (!StillAsRead(file, read)) {
        ::unlink(temporary.c_str());
        return WriteOutcome::Changed;
    }
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        errno = EIO;
        return WriteOutcome::Failed;
    }
    SyncFolder(file.parent_path());
    return WriteOutcome::Written;
}

WriteOutcome WriteInPlaceIfUnchanged(const fs::path& path, int fd, const std::vector<uint8_t>& bytes,
                                     const FileStamp* read)
{
    if (Stall()) Stall()();
    if (read != nullptr && !(StampOf(fd) == *read && BeginsWith(path, read->start))) return WriteOutcome::Changed;
    // The new bytes go over the old ones before the file is cut to their length, so the file is
    // never empty or short in between: a reader finds the old records or the new ones.
    if (WriteAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0) {
        return WriteOutcome::Written;
    }
    // Once the new bytes are in, a reader finds them even when the cut or the flush after them
    // failed: the outcome is what the file now holds.
    return BeginsWith(path, bytes) ? WriteOutcome::Written : WriteOutcome::Failed;
}

bool HasOtherNames(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 && st.st_nlink > 1;
}

WriteOutcome Write(const fs::path& target, const std::vector<uint8_t>& bytes, const FileStamp* read)
{
    const std::optional<fs::path> file = FollowLinks(target);
    if (!file) return WriteOutcome::Failed;
    // An existing file is replaced only when it could be written as it is: a read-only file, a
    // FIFO or a folder in its place stays untouched.
    const UniqueFd existing(OpenRegularFile(*file, O_WRONLY | O_NOFOLLOW));
    if (!existing && errno != ENOENT) return WriteOutcome::Failed;
    // A rename would part a file's other names (a player's backup made with ln) from its content.
    if (existing && HasOtherNames(existing.Get())) return WriteInPlaceIfUnchanged(*file, existing.Get(), bytes, read);
    const WriteOutcome replaced = ReplaceWithTemporary(*file, existing, bytes, read);
    if (replaced != WriteOutcome::Failed) return replaced;
    // A folder the player made read-only still lets its writable files be written.
    const bool folderRefuses = errno == EACCES || errno == EPERM;
    if (!existing || !folderRefuses) return WriteOutcome::Failed;
    return WriteInPlaceIfUnchanged(*file, existing.Get(), bytes, read);
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

bool FileStamp::operator==(const FileStamp& other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
}

FileStamp StampOf(int fd)
{
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? StampOfStat(st) : FileStamp{};
}

bool WriteFileAtomically(const fs::path& target, const std::vector<uint8_t>& bytes)
{
    return Write(target, bytes, nullptr) == WriteOutcome::Written;
}

WriteOutcome WriteFileIfUnchanged(const fs::path& target, const std::vector<uint8_t>& bytes, const FileStamp& read)
{
    return Write(target, bytes, &read);
}

void SetStallBeforeReplace(std::function<void()> stall)
{
    Stall() = std::move(stall);
}

}  // namespace stats
