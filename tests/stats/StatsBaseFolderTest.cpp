// Where the player's data folder is: from the environment's own bytes, by the XDG rules.
#include <gtest/gtest.h>

#include "BaseFolder.h"

using namespace stats;

TEST(StatsBaseFolder, ComesFromTheEnvironmentsBytesAndNeverFromARelativeFolder)
{
    struct Case {
        const char* xdgDataHome;
        const char* home;
        const char* base;
    };
    const Case cases[] = {
        {"/data/xdg", "/home/ann", "/data/xdg"},
        {nullptr, "/home/ann", "/home/ann/.local/share"},
        {"", "/home/ann", "/home/ann/.local/share"},
        {"relative/xdg", "/home/ann", "/home/ann/.local/share"},
        {"/data/xdg", nullptr, "/data/xdg"},
        {nullptr, "/home/Jos\xe9", "/home/Jos\xe9/.local/share"},
        {"/data/Jos\xe9", "/home/ann", "/data/Jos\xe9"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
        {"relative/xdg", "home/ann", ""},
        {"", ".", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BaseFolderFromEnvironment(c.xdgDataHome, c.home).native(), c.base)
            << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
}
