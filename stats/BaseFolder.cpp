#include "BaseFolder.h"

namespace stats {

namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

}  // namespace

std::filesystem::path BaseFolderFromEnvironment(const char* xdgDataHome, const char* home)
{
    if (IsAbsolute(xdgDataHome)) return std::filesystem::path(xdgDataHome);
    if (IsAbsolute(home)) return std::filesystem::path(home) / ".local" / "share";
    return {};
}

}  // namespace stats
