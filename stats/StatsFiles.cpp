#include "StatsFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <vector>

#include "AtomicFile.h"
#include "FileLock.h"
#include "RegularFile.h"
#include "UniqueFd.h"

namespace stats {

namespace {

namespace fs = std::filesystem;

// How often a game is applied to a newer record that another copy wrote in the meantime; each
// try needs that copy to write again within one read and one write of ours.
constexpr int kRecordAttempts = 8;

bool IsAbsent(const fs::path& file)
{
    std::error_code ec;
    return fs::status(file, ec).type() == fs::file_type::not_found;
}

// Reads at most `limit` bytes from the start of `file`. Anything but a regular file (a folder, a
// FIFO, a device in the file's place) and a read error (a failing disk) are told apart from the
// end of a short file. `stamp`, when given, tells which file was read.
ReadOutcome ReadFileStart(const fs::path& file, size_t limit, std::vector<uint8_t>& bytes,
                          FileStamp* stamp = nullptr)
{
    const UniqueFd fd(OpenRegularFile(file, O_RDONLY));
    if (!fd) return IsAbsent(file) ? ReadOutcome::Absent : ReadOutcome::Unreadable;
    if (stamp != nullptr) *stamp = StampOf(fd.Get());
    bytes.resize(limit);
    size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::read(fd.Get(), bytes.data() + done, limit - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return ReadOutcome::Unreadable;
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    if (stamp != nullptr) stamp->start = bytes;
    return ReadOutcome::Read;
}

// The stored variant, if the configuration file holds a whole word naming one.
std::optional<int32_t> ReadConfiguredVariant(const fs::path& configurationFile)
{
    std::vector<uint8_t> bytes;
    if (ReadFileStart(configurationFile, kConfigurationBytes, bytes) != ReadOutcome::Read) return {};
    if (bytes.size() < kConfigurationBytes) return {};
    const int32_t variant = DecodeWord(bytes.data());
    if (!IsVariant(variant)) return {};
    return variant;
}

// Whether both names lead to one file, links followed.
bool IsSameFile(const fs::path& a, const fs::path& b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool IsRegularFile(const fs::path& file)
{
    struct stat st {};
    return ::lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A copy killed while it held the lock or wrote a file left its lock file and temporary file
// behind; the next game start removes them, unless another copy is writing at that moment. In a
// tidy folder nothing is made or removed.
void RemoveKilledCopysLeftovers(const fs::path& folder)
{
    const fs::path hsc = folder / kStatisticsFileName;
    const fs::path cfg = folder / kConfigurationFileName;
    if (!IsRegularFile(folder / kLockFileName) && !HasLeftoverTemporaries(hsc) &&
        !HasLeftoverTemporaries(cfg)) {
        return;
    }
    const FileLock lock(folder / kLockFileName, std::chrono::milliseconds(0));
    if (!lock.IsHeld()) return;
    RemoveLeftoverTemporaries(hsc);
    RemoveLeftoverTemporaries(cfg);
}

}  // namespace

fs::path DataFolder(const fs::path& base)
{
    return base / kCompanyFolderName / kDataFolderName;
}

std::optional<fs::path> PrepareDataFolder(const fs::path& base, const char* fileName)
{
    if (base.empty()) return {};
    // The base folder itself may be missing on a fresh account, so the whole chain is made.
    std::error_code ignored;
    fs::create_directories(DataFolder(base), ignored);
    return DataFolder(base) / fileName;
}

ReadOutcome ReadStatistics(const fs::path& statisticsFile, StatsTable& records, FileStamp* stamp)
{
    std::vector<uint8_t> bytes;
    if (stamp != nullptr) *stamp = FileStamp{};
    const ReadOutcome outcome = ReadFileStart(statisticsFile, kStatisticsBytes, bytes, stamp);
    if (outcome == ReadOutcome::Read) DecodeStatistics(bytes, records);
    return outcome;
}

bool RecordFinishedGame(const fs::path& base, int variant, int total, const LockWait& wait)
{
    if (!IsVariant(variant) || total < 0 || total > kMaxGameTotal) return false;
    const std::optional<fs::path> file = PrepareDataFolder(base, kStatisticsFileName);
    if (!file) return false;
    // Held until the new file is in place: a copy that cannot have it in time writes nothing. Where
    // no copy can take it (something else in its place, a folder or file system that refuses it),
    // every copy writes without it, and a write that finds the file changed since it was read
    // reads the newer record and adds the game to that instead.
    const FileLock lock(file->parent_path() / kLockFileName, kRecordPatience, wait);
    if (lock.IsBusy()) return false;
    if (lock.IsHeld()) RemoveLeftoverTemporaries(*file);
    for (int attempt = 0; attempt < kRecordAttempts; ++attempt) {
        StatsTable records = FilledWith(kRecordingDefaults);
        FileStamp read;
        if (ReadStatistics(*file, records, &read) == ReadOutcome::Unreadable) return false;
        AddFinishedGame(records[static_cast<size_t>(variant)], total);
        const WriteOutcome written = WriteFileIfUnchanged(*file, EncodeStatistics(records), read);
        if (written != WriteOutcome::Changed) return written == WriteOutcome::Written;
    }
    return false;
}

void LoadActiveVariant(const fs::path& base, int32_t& variant)
{
    const std::optional<fs::path> file = PrepareDataFolder(base, kConfigurationFileName);
    if (!file) return;
    RemoveKilledCopysLeftovers(file->parent_path());
    if (const std::optional<int32_t> stored = ReadConfiguredVariant(*file)) variant = *stored;
}

bool SaveActiveVariant(const fs::path& base, int variant)
{
    if (!IsVariant(variant)) return false;
    const std::optional<fs::path> file = PrepareDataFolder(base, kConfigurationFileName);
    if (!file) return false;
    const fs::path folder = file->parent_path();
    const FileLock lock(folder / kLockFileName, kChoicePatience);
    if (lock.IsBusy()) return false;
    // A configuration file that is the statistics file under a second name (a link the player
    // made) would have the statistics cut to one word.
    if (IsSameFile(*file, folder / kStatisticsFileName)) return false;
    if (lock.IsHeld()) RemoveLeftoverTemporaries(*file);
    return WriteFileAtomically(*file, EncodeVariant(variant));
}

HighScoresSnapshot ReadHighScores(const fs::path& base)
{
    HighScoresSnapshot shown{FilledWith(kDialogDefaults), kDialogDefaultVariant};
    const std::optional<fs::path> file = PrepareDataFolder(base, kStatisticsFileName);
    if (!file) return shown;
    ReadStatistics(*file, shown.records);
    if (const std::optional<int32_t> stored =
            ReadConfiguredVariant(file->parent_path() / kConfigurationFileName)) {
        shown.activeVariant = *stored;
    }
    return shown;
}

}  // namespace stats
