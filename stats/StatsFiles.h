#pragma once
// The statistics file "vantel.hsc" and the configuration file "vantel.cfg" in the data folder
// "Tarnwick Software/Vantel/" under a base folder: the player's local data folder, supplied by
// the platform layer. An empty base folder means it could not be found: nothing is read or written.
// Nothing here speaks to the player: defaults stay, a write that cannot be made is skipped (and
// reported to the caller), and a file is only ever replaced whole.

#include <cstdint>
#include <filesystem>
#include <optional>

#include "AtomicFile.h"
#include "FileLock.h"
#include "StatsFormat.h"

namespace stats {

inline constexpr char kCompanyFolderName[] = "Tarnwick Software";
inline constexpr char kDataFolderName[] = "Vantel";
inline constexpr char kStatisticsFileName[] = "vantel.hsc";
inline constexpr char kConfigurationFileName[] = "vantel.cfg";
inline constexpr char kLockFileName[] = "vantel.lock";

enum class ReadOutcome {
    Read,         // the file's complete records were taken
    Absent,       // no such file: the caller's defaults stand
    Unreadable,   // the file exists but cannot be read: the caller's defaults stand
};

// The data folder under `base`, without touching the disk.
std::filesystem::path DataFolder(const std::filesystem::path& base);

// Creates the company and data folders when missing (a failure shows when the file is opened) and
// gives the path of `fileName` in the data folder; nothing when `base` is empty.
std::optional<std::filesystem::path> PrepareDataFolder(const std::filesystem::path& base,
                                                       const char* fileName);

// Reads the statistics file into `records`, which the caller has preset to its defaults; anything
// but a regular file in its place is Unreadable. Complete records only: a short file leaves the rest
// at the defaults; bytes past the third record are ignored. `stamp`, when given, tells which file
// was read (no file, unless Read).
ReadOutcome ReadStatistics(const std::filesystem::path& statisticsFile, StatsTable& records,
                           FileStamp* stamp = nullptr);

// Adds a finished game to its variant's record and writes all three records back. Records nothing
// for a variant outside 0 to 2, a total outside 0 to kMaxGameTotal, or a statistics file that exists
// but cannot be read (writing defaults would wipe the other variants). Writes only under the lock,
// waiting up to kRecordPatience for another copy that holds it, through `wait`. A file another
// writer changed after this copy read it is never replaced: the game goes into the newer record
// (a few times at most). True when the file now holds the game; false when it does not (no data
// folder, an unreadable, read-only, FIFO or folder file, a full disk, a file that kept changing,
// a lock held past the patience).
bool RecordFinishedGame(const std::filesystem::path& base, int variant, int total, const LockWait& wait = {});

// Takes the stored variant into `variant`; leaves it unchanged when there is no configuration file,
// it is no regular file, it holds fewer than 2 bytes, or its value is not a variant. As every game
// starts here, this is also where a killed copy's lock and temporary files are cleared away.
void LoadActiveVariant(const std::filesystem::path& base, int32_t& variant);

// Stores `variant` (0 to 2; anything else is not written). True when the configuration file now
// holds it; false when nothing could be stored (no data folder, a read-only file or folder, a full
// disk, a lock held past kChoicePatience, a configuration file that is the statistics file), and
// then the file keeps what it held.
bool SaveActiveVariant(const std::filesystem::path& base, int variant);

// What the High Scores dialog shows when it opens: both files read afresh, with the dialog's own
// defaults (0 games, total 0, best 0; variant 1) for whatever cannot be read.
struct HighScoresSnapshot {
    StatsTable records;
    int32_t activeVariant;
};
HighScoresSnapshot ReadHighScores(const std::filesystem::path& base);

}  // namespace stats
