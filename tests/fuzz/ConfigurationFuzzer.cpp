// Any bytes as the configuration file, beside any statistics file. A game start takes the variant
// only when the file's first word is 0, 1 or 2 and keeps its own otherwise; the High Scores window
// shows that variant or variant 1; storing a variant writes exactly its word, and nothing else is
// ever written.
//
// Input: the statistics file's bytes, then the configuration file's bytes; read from the end:
// whether the configuration file is there, a folder or a file, the statistics file's length, the
// variant the game holds and the variant to store.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzSupport.h"
#include "StatsFiles.h"

namespace {

using namespace fuzz;

bool IsVariant(int32_t v) { return v >= 0 && v <= 2; }

// The variant a configuration file names, if any.
int32_t Named(const Place& cfg, int32_t otherwise)
{
    if (cfg.shape != Shape::File || cfg.bytes.size() < 2) return otherwise;
    const int32_t v = Word(cfg.bytes.data());
    return IsVariant(v) ? v : otherwise;
}

int Pick(FuzzedDataProvider& input)
{
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-1, 3) : input.ConsumeIntegral<int>();
}

struct Files {
    fs::path base;
    fs::path cfg;
    fs::path hsc;
};

void CheckRead(const Files& f, const Place& cfg, const Place& hsc, int32_t held)
{
    int32_t variant = held;
    stats::LoadActiveVariant(f.base, variant);
    FUZZ_CHECK(variant == Named(cfg, held));

    const stats::HighScoresSnapshot shown = stats::ReadHighScores(f.base);
    FUZZ_CHECK(shown.activeVariant == Named(cfg, 1));
    const Records records = Decode(hsc.bytes, Record{0, 0, 0});
    for (size_t v = 0; v < records.size(); ++v) {
        const stats::StatsRecord& r = shown.records[v];
        FUZZ_CHECK((Record{r.gamesPlayed, r.totalScore, r.bestScore} == records[v]));
    }
    FUZZ_CHECK(Look(f.cfg) == cfg && Look(f.hsc) == hsc);   // reading never writes
}

void CheckStored(const Files& f, const Place& cfg, const Place& hsc, int32_t held, int store)
{
    const bool saved = stats::SaveActiveVariant(f.base, store);
    const Place after = Look(f.cfg);
    // A folder in the file's place stays; so does the file when the value names no variant.
    const bool written = IsVariant(store) && cfg.shape != Shape::Folder;
    FUZZ_CHECK(saved == written);
    if (written) {
        FUZZ_CHECK((after == Place{Shape::File, {static_cast<uint8_t>(store), 0}}));
    } else {
        FUZZ_CHECK(after == cfg);
    }
    FUZZ_CHECK(Look(f.hsc) == hsc);
    int32_t variant = held;
    stats::LoadActiveVariant(f.base, variant);
    FUZZ_CHECK(variant == (written ? store : Named(cfg, held)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fs::path base = PrivateBase();
    static const fs::path folder = stats::DataFolder(base);
    static const Files files{base, folder / stats::kConfigurationFileName,
                             folder / stats::kStatisticsFileName};

    FuzzedDataProvider input(data, size);
    const int shape = input.ConsumeIntegralInRange(0, 7);
    const size_t hscLength = input.ConsumeIntegralInRange<size_t>(0, 40);
    const int32_t held = Pick(input);
    const int store = Pick(input);
    const Bytes hscBytes = input.ConsumeBytes<uint8_t>(hscLength);
    const Place hsc{hscLength == 0 ? Shape::Absent : Shape::File, hscBytes};
    const Place cfg{shape == 0 ? Shape::Absent : shape == 1 ? Shape::Folder : Shape::File,
                    shape > 1 ? input.ConsumeRemainingBytes<uint8_t>() : Bytes{}};

    EmptyFolder(folder);
    Make(files.hsc, hsc);
    Make(files.cfg, cfg);
    CheckRead(files, cfg, hsc, held);
    CheckStored(files, cfg, hsc, held, store);
    // No lock or temporary file stays.
    FUZZ_CHECK(Strays(folder, {stats::kStatisticsFileName, stats::kConfigurationFileName}) == 0);
    return 0;
}
