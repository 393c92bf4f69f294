#pragma once
// A second process that records games and stores the variant in a loop (RecordLoop.cpp), with the
// writes it has finished read back from its reports as they come.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>

class RecorderProcess {
public:
    // Starts recording games of `variant` with `total` into the files under `base`.
    RecorderProcess(const std::filesystem::path& base, int variant, int total);
    // Kills it if it still runs.
    ~RecorderProcess();
    RecorderProcess(const RecorderProcess&) = delete;
    RecorderProcess& operator=(const RecorderProcess&) = delete;

    bool Started() const { return m_pid > 0; }

    // Takes in its reports until `deadline`, or until at least `games` recordings have returned.
    void ReadReports(std::chrono::steady_clock::time_point deadline, int games = -1);
    // SIGKILL, then every report it made before it died. True when the kill is what ended it.
    bool Kill();

    int GamesRecorded() const { return m_games; }
    int VariantsStored() const { return m_variants; }
    // The variant of the last SaveActiveVariant that returned, or -1.
    int LastVariantStored() const { return m_lastVariant; }

private:
    // Takes in what is there now, waiting at most `timeoutMs`; false once the process has closed
    // its end.
    bool ReadOnce(int timeoutMs);

    pid_t m_pid = -1;
    int m_reports = -1;
    int m_games = 0;
    int m_variants = 0;
    int m_lastVariant = -1;
};
