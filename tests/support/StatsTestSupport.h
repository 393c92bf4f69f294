#pragma once
// A fresh base folder per test, and byte-level access to the files the game leaves in it.

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "StatsFiles.h"

using Bytes = std::vector<uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes `bytes` as the whole file, making its folders first.
inline void WriteBytes(const std::filesystem::path& file, const Bytes& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The exit code of a child that could not give up root's rights.
inline constexpr int kNoPlayer = 77;
// An ordinary user every Linux system has: nobody.
inline constexpr uid_t kPlayerId = 65534;

// Runs `body` in a child process and gives its exit code, or -1 when the child did not end by
// itself: a watchdog ends a child that blocks (on a FIFO, on a lock), so such a fault fails the
// test instead of hanging the suite. With `asPlayer`, a suite run as root runs `body` as the
// user nobody, since root ignores file permissions; kNoPlayer when that is impossible.
inline int InChild(const std::function<int()>& body, bool asPlayer = false)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(30);
        const bool dropped = !asPlayer || ::geteuid() != 0 ||
                             (::setgroups(0, nullptr) == 0 &&
                              ::setresgid(kPlayerId, kPlayerId, kPlayerId) == 0 &&
                              ::setresuid(kPlayerId, kPlayerId, kPlayerId) == 0);
        ::_exit(dropped ? body() : kNoPlayer);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The id of a process that has ended: a temporary file named after it is a killed copy's leftover.
inline pid_t GoneProcess()
{
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

// A file's permission bits, and a folder's names in order.
inline mode_t ModeOf(const std::filesystem::path& file)
{
    struct stat st {};
    ::lstat(file.c_str(), &st);
    return st.st_mode & 07777;
}

inline void SetMode(const std::filesystem::path& path, mode_t mode)
{
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

inline std::vector<std::string> Names(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}


class TempBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantel-stats-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        base = root;
    }
    void TearDown() override
    {
        // A test may have made folders read-only; an ordinary user could not empty them.
        std::error_code ignored;
        for (auto it = std::filesystem::recursive_directory_iterator(root, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
                std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                             std::filesystem::perm_options::add, ignored);
            }
        }
        std::filesystem::remove_all(root, ignored);
    }

    // Hands everything under the test's folder to the user that InChild(..., true) runs as, as
    // a player's own files are theirs; a suite run by an ordinary user owns them already.
    void GiveToPlayer() const
    {
        if (::geteuid() != 0) return;
        ASSERT_EQ(::lchown(root.c_str(), kPlayerId, kPlayerId), 0);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            ASSERT_EQ(::lchown(entry.path().c_str(), kPlayerId, kPlayerId), 0) << entry.path();
        }
    }

    std::filesystem::path Data() const { return stats::DataFolder(base); }
    std::filesystem::path Hsc() const { return Data() / stats::kStatisticsFileName; }
    std::filesystem::path Cfg() const { return Data() / stats::kConfigurationFileName; }

    // Everything in the data folder except the two files the game means to keep: a lock file or
    // a temporary file is a leftover once no write is under way.
    std::vector<std::string> Leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Data())) {
            const std::string name = entry.path().filename().string();
            if (name != stats::kStatisticsFileName && name != stats::kConfigurationFileName) {
                names.push_back(name);
            }
        }
        return names;
    }

    std::filesystem::path root;   // removed after the test, whatever it made of `base`
    std::filesystem::path base;
};

// The file after a first game of total 37 in variant 1 from no file.
inline const Bytes kFirstGame37 = {
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE7, 0x03,
    0x01, 0x00, 0x00, 0x00, 0x25, 0x00, 0x00, 0x00, 0x25, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE7, 0x03,
};

namespace stats {
inline bool operator==(const stats::StatsRecord& a, const stats::StatsRecord& b)
{
    return a.gamesPlayed == b.gamesPlayed && a.totalScore == b.totalScore && a.bestScore == b.bestScore;
}

inline std::ostream& operator<<(std::ostream& os, const stats::StatsRecord& r)
{
    return os << r.gamesPlayed << "/" << r.totalScore << "/" << r.bestScore;
}
}  // namespace stats
