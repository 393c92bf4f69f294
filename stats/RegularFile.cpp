#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "UniqueFd.h"

namespace stats {

namespace {

// As many links as the system itself follows in one path before it gives up.
constexpr int kMaxLinks = 40;

}  // namespace

int OpenRegularFile(const std::filesystem::path& file, int flags)
{
    // O_NONBLOCK matters only to FIFOs and devices, which the fstat below turns away.
    UniqueFd fd(::open(file.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) return -1;
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0) return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    return fd.Release();
}

std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& file)
{
    std::filesystem::path at = file;
    for (int links = 0; links <= kMaxLinks; ++links) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        std::error_code ec;
        const std::filesystem::path to = std::filesystem::read_symlink(at, ec);
        if (ec) return {};
        at = to.is_absolute() ? to : at.parent_path() / to;
    }
    return {};
}

}  // namespace stats
