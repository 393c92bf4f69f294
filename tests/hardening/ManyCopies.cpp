// Many running copies of the game finishing games at once, on whatever load the machine carries:
// each copy records its games back to back, and afterwards the statistics file must hold exactly
// the games the copies were told were recorded. Not one of the suite's tests, as it takes
// minutes on a slow disk; docs/reliability.md records its figures.
//
//   vantel_many_copies [copies] [games each] [base folder]
//
// Without a base folder it uses a fresh one under the temporary folder. The exit code is 0 when
// every game reported recorded is on file and no other.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "StatsFiles.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kVariant = 1;
constexpr int kTotal = 10;

struct Report {
    bool recorded;
    int64_t microseconds;   // how long the call took, the wait for the lock included
};

void RecordGames(const fs::path& base, int games, int out)
{
    for (int g = 0; g < games; ++g) {
        const Clock::time_point start = Clock::now();
        const bool recorded = stats::RecordFinishedGame(base, kVariant, kTotal);
        const auto took = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
        const Report report{recorded, took.count()};
        if (::write(out, &report, sizeof report) != sizeof report) ::_exit(2);
    }
    ::_exit(0);
}

std::string LoadAverage()
{
    std::string one, five, fifteen;
    std::ifstream("/proc/loadavg") >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

}  // namespace

int main(int argc, char** argv)
{
    const int copies = argc > 1 ? std::atoi(argv[1]) : 16;
    const int games = argc > 2 ? std::atoi(argv[2]) : 50;
    fs::path base;
    if (argc > 3) {
        base = argv[3];
    } else {
        std::string pattern = (fs::temp_directory_path() / "vantel-copies-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return 2;
        base = pattern;
    }
    int reports[2];
    if (copies < 1 || games < 1 || ::pipe(reports) != 0) return 2;
    std::printf("%d copies x %d games, load before: %s\n", copies, games, LoadAverage().c_str());
    const Clock::time_point start = Clock::now();
    for (int c = 0; c < copies; ++c) {
        const pid_t pid = ::fork();
        if (pid < 0) return 2;
        if (pid == 0) {
            ::close(reports[0]);
            RecordGames(base, games, reports[1]);
        }
    }
    ::close(reports[1]);
    std::vector<Report> all;
    Report report{};
    while (::read(reports[0], &report, sizeof report) == sizeof report) all.push_back(report);
    while (::wait(nullptr) > 0) {
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    stats::StatsTable records = stats::FilledWith(stats::kRecordingDefaults);
    stats::ReadStatistics(stats::DataFolder(base) / stats::kStatisticsFileName, records);
    const stats::StatsRecord& onFile = records[kVariant];
    const auto recorded = std::count_if(all.begin(), all.end(), [](const Report& r) { return r.recorded; });
    std::vector<int64_t> took;
    for (const Report& r : all) took.push_back(r.microseconds);
    std::sort(took.begin(), took.end());
    const auto ms = [&](size_t at) { return took.empty() ? 0.0 : took[std::min(at, took.size() - 1)] / 1000.0; };
    std::printf("calls returned: %zu of %d; reported recorded: %ld, not recorded: %ld\n", all.size(),
                copies * games, static_cast<long>(recorded), static_cast<long>(all.size() - recorded));
    std::printf("on file: %d games, total %d (reported recorded x %d: %ld)\n", onFile.gamesPlayed,
                onFile.totalScore, kTotal, static_cast<long>(recorded * kTotal));
    std::printf("one call: median %.1f ms, 99th percentile %.1f ms, longest %.1f ms; all in %.1f s; load after: %s\n",
                ms(took.size() / 2), ms(took.size() * 99 / 100), ms(took.size() - 1), seconds,
                LoadAverage().c_str());
    const bool exact = onFile.gamesPlayed == recorded && onFile.totalScore == recorded * kTotal;
    std::printf("%s\n", exact ? "every game reported recorded is on file, and no other"
                              : "THE FILE DOES NOT HOLD WHAT THE COPIES WERE TOLD");
    if (argc <= 3) fs::remove_all(base);
    return exact ? 0 : 1;
}
