#pragma once
// A fresh base folder per test, and byte-level access to the files the game leaves in it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::filesystem::path Data() const { return stats::DataFolder(base); }
    std::filesystem::path Hsc() const { return Data() / stats::kStatisticsFileName; }
    std::filesystem::path Cfg() const { return Data() / stats::kConfigurationFileName; }

    // Everything in the data folder except the files the game means to keep.
    std::vector<std::string> Leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Data())) {
            const std::string name = entry.path().filename().string();
            if (name != stats::kStatisticsFileName && name != stats::kConfigurationFileName &&
                name != stats::kLockFileName) {
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
