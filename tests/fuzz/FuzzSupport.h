#pragma once
// What the fuzz programs share: a private base folder for the game's files, byte-level access to
// them, an independent reading of the file format, and checks that end the run (libFuzzer then
// keeps the input) when a property fails.

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

// A property every input must keep.
#define FUZZ_CHECK(holds)                                                                       \
    do {                                                                                        \
        if (!(holds)) {                                                                         \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #holds);   \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)

namespace fuzz {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// A fresh folder for this run, in memory where there is such a file system: every write of the
// game's files is flushed to the disk. Removed when the run ends normally.
inline fs::path PrivateBase()
{
    std::error_code ec;
    const fs::path parent = fs::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                                ? fs::path("/dev/shm")
                                : fs::temp_directory_path();
    std::string pattern = (parent / "vantel-fuzz-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    static fs::path made = pattern;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(made, ignored);
    });
    return made;
}

// What a path holds, as far as the game can tell.
enum class Shape { Absent, Folder, File };

struct Place {
    Shape shape;
    Bytes bytes;
    bool operator==(const Place& o) const { return shape == o.shape && bytes == o.bytes; }
};

inline Place Look(const fs::path& path)
{
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(path, ec).type();
    if (type == fs::file_type::not_found) return {Shape::Absent, {}};
    if (type == fs::file_type::directory) return {Shape::Folder, {}};
    std::ifstream in(path, std::ios::binary);
    return {Shape::File, Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())};
}

inline void Make(const fs::path& path, const Place& place)
{
    std::error_code ec;
    fs::remove_all(path, ec);
    if (place.shape == Shape::Folder) fs::create_directories(path / "occupied", ec);
    if (place.shape != Shape::File) return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto length = static_cast<std::streamsize>(place.bytes.size());
    out.write(reinterpret_cast<const char*>(place.bytes.data()), length);
    FUZZ_CHECK(out.good());
}

// Starting over: an empty data folder.
inline void EmptyFolder(const fs::path& folder)
{
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder, ec);
    FUZZ_CHECK(!ec);
}

// Files in the data folder besides the game's own.
inline int Strays(const fs::path& folder, const std::vector<std::string>& own)
{
    int strays = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        bool known = false;
        for (const std::string& o : own) known |= name == o;
        strays += known ? 0 : 1;
    }
    return strays;
}

// The file format read as it is written down, independently of the game's own code: words are
// 16-bit two's complement, low byte first; counts are two words, value = low + 32768 * high.
inline int32_t Word(const uint8_t* p)
{
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | p[1] << 8));
}

struct Record {
    int32_t games;
    int32_t total;
    int32_t best;
    bool operator==(const Record& o) const { return games == o.games && total == o.total && best == o.best; }
};
using Records = std::array<Record, 3>;

constexpr size_t kRecordBytes = 10;
constexpr size_t kStatisticsBytes = 30;
constexpr int32_t kMaxCount = (1 << 30) - 1;

// The records a file shows: each one the file holds completely, the defaults for the rest.
inline Records Decode(const Bytes& bytes, Record defaults)
{
    Records records;
    records.fill(defaults);
    for (size_t v = 0; v < records.size() && bytes.size() >= kRecordBytes * (v + 1); ++v) {
        const uint8_t* p = bytes.data() + kRecordBytes * v;
        records[v] = {Word(p) + 32768 * Word(p + 2), Word(p + 4) + 32768 * Word(p + 6), Word(p + 8)};
    }
    return records;
}

}  // namespace fuzz
