// Any bytes as the statistics file. The High Scores window shows the file's complete records, the
// defaults for the rest; a finished game recorded on top adds exactly one game to its variant's
// record when the file could be read, keeps the other records, and changes nothing otherwise.
//
// Input: the file's bytes, then (read from the end) whether the file is there, a folder or a file,
// the variant and the game total.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "FuzzSupport.h"
#include "StatsFiles.h"

namespace {

using namespace fuzz;

constexpr Record kRecordingDefaults{0, 0, 999};
constexpr Record kShownDefaults{0, 0, 0};

bool Same(const stats::StatsTable& game, const Records& want)
{
    for (size_t v = 0; v < want.size(); ++v) {
        const stats::StatsRecord& r = game[v];
        if (!(Record{r.gamesPlayed, r.totalScore, r.bestScore} == want[v])) return false;
    }
    return true;
}

void PutWord(Bytes& out, int32_t w)
{
    out.push_back(static_cast<uint8_t>(w & 0xFF));
    out.push_back(static_cast<uint8_t>((w >> 8) & 0xFF));
}

// Counts are written within 0 to 2^30 - 1, the range that reads back unchanged.
void PutCount(Bytes& out, int32_t v)
{
    v = std::clamp(v, 0, kMaxCount);
    PutWord(out, v & 0x7FFF);
    PutWord(out, v >> 15);
}

Bytes Encode(const Records& records)
{
    Bytes out;
    for (const Record& r : records) {
        PutCount(out, r.games);
        PutCount(out, r.total);
        PutWord(out, r.best);
    }
    return out;
}

// One more game of total t. A negative count or best, which only damage can produce, starts afresh;
// the first game of a record without one is its best.
Record AfterGame(const Record& r, int32_t t)
{
    const int64_t games = std::max(r.games, 0) + int64_t{1};
    const int64_t total = std::max(r.total, 0) + int64_t{t};
    return {static_cast<int32_t>(std::min<int64_t>(games, kMaxCount)),
            static_cast<int32_t>(std::min<int64_t>(total, kMaxCount)),
            r.games <= 0 || r.best < 0 || t < r.best ? t : r.best};
}

// Both counts' words within 0 to 32767: the record reads back to the very same bytes.
bool WellFormed(const Bytes& bytes, size_t v)
{
    if (bytes.size() < kRecordBytes * (v + 1)) return false;
    for (size_t hi = 1; hi < 8; hi += 2)
        if (bytes[kRecordBytes * v + hi] & 0x80) return false;
    return true;
}

// Mostly what a game can hand over, sometimes any number at all.
int Pick(FuzzedDataProvider& input, int low, int high)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(low, high) : input.ConsumeIntegral<int>();
}

void CheckShown(const fs::path& base, const fs::path& file, const Place& place)
{
    const bool isFile = place.shape == Shape::File;
    stats::StatsTable records = stats::FilledWith(stats::kRecordingDefaults);
    const stats::ReadOutcome outcome = stats::ReadStatistics(file, records);
    FUZZ_CHECK(outcome == (isFile                        ? stats::ReadOutcome::Read
                           : place.shape == Shape::Absent ? stats::ReadOutcome::Absent
                                                          : stats::ReadOutcome::Unreadable));
    FUZZ_CHECK(Same(records, Decode(isFile ? place.bytes : Bytes{}, kRecordingDefaults)));

    const stats::HighScoresSnapshot shown = stats::ReadHighScores(base);
    FUZZ_CHECK(Same(shown.records, Decode(isFile ? place.bytes : Bytes{}, kShownDefaults)));
    FUZZ_CHECK(shown.activeVariant == 1);   // no configuration file
    FUZZ_CHECK(Look(file) == place);        // reading never writes
}

void CheckRecorded(const fs::path& base, const fs::path& file, const Place& place, int variant, int total)
{
    stats::RecordFinishedGame(base, variant, total);
    const Place after = Look(file);
    // Only a variant's game with a total a best score can hold is recorded, and only over a file
    // that can be read; otherwise nothing changes.
    const bool recordable = variant >= 0 && variant <= 2 && total >= 0 && total <= 32767;
    if (!recordable || place.shape == Shape::Folder) {
        FUZZ_CHECK(after == place);
        return;
    }
    const Records before = Decode(place.shape == Shape::File ? place.bytes : Bytes{}, kRecordingDefaults);
    Records want = before;
    want[variant] = AfterGame(before[variant], total);
    FUZZ_CHECK(after.shape == Shape::File && after.bytes.size() == kStatisticsBytes);
    FUZZ_CHECK(after.bytes == Encode(want));
    const Record now = Decode(after.bytes, kRecordingDefaults)[variant];
    if (before[variant].games >= 0 && before[variant].games < kMaxCount) {
        FUZZ_CHECK(now.games == before[variant].games + 1);
    }
    for (size_t v = 0; v < 3; ++v) {
        if (static_cast<int>(v) == variant || !WellFormed(place.bytes, v)) continue;
        const auto record = [&](const Bytes& b) { return b.begin() + static_cast<long>(kRecordBytes * v); };
        FUZZ_CHECK(std::equal(record(after.bytes), record(after.bytes) + kRecordBytes, record(place.bytes)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fs::path base = PrivateBase();
    static const fs::path folder = stats::DataFolder(base);
    static const fs::path file = folder / stats::kStatisticsFileName;

    FuzzedDataProvider input(data, size);
    const int shape = input.ConsumeIntegralInRange(0, 7);
    const int variant = Pick(input, -1, 3);
    const int total = Pick(input, 0, 192);
    const Place place{shape == 0 ? Shape::Absent : shape == 1 ? Shape::Folder : Shape::File,
                      shape > 1 ? input.ConsumeRemainingBytes<uint8_t>() : Bytes{}};

    EmptyFolder(folder);
    Make(file, place);
    CheckShown(base, file, place);
    CheckRecorded(base, file, place, variant, total);
    FUZZ_CHECK(Strays(folder, {stats::kStatisticsFileName}) == 0);   // no lock or temporary file stays
    return 0;
}
