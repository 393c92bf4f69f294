#pragma once
// The player's local data folder on systems that follow the XDG base-directory rules, taken from
// the raw bytes of the environment: a folder name need not be valid text (a home folder named in
// Latin-1), and no conversion may change a single byte of it.

#include <filesystem>

namespace stats {

// An absolute `xdgDataHome`; otherwise `home`/.local/share for an absolute `home`; otherwise
// nothing (empty), so that no file is ever written under the current folder or the root. A
// relative or empty XDG_DATA_HOME is ignored, as the rules say. Either argument may be null.
std::filesystem::path BaseFolderFromEnvironment(const char* xdgDataHome, const char* home);

}  // namespace stats
