#include "platform/linux/ConfigPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TempConfigHome.h"

namespace {

TEST(ConfigPaths, FollowXdgConfigHomeElseHome) {
    TempConfigHome home;  // puts XDG_CONFIG_HOME back when done
    EXPECT_EQ(QuorvaneConfigDir(), home.ConfigDir());
    EXPECT_EQ(SettingsFilePath(), home.SettingsPath());
    setenv("XDG_CONFIG_HOME", "/srv/config//", 1);
    EXPECT_EQ(SettingsFilePath(), "/srv/config/quorvane/quorvane.ini");

    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", "/home/op", 1);
    for (const char* relative : {"", "relative/config"}) {  // both ignored, as XDG says
        setenv("XDG_CONFIG_HOME", relative, 1);
        EXPECT_EQ(SettingsFilePath(), "/home/op/.config/quorvane/quorvane.ini") << relative;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(QuorvaneConfigDir(), "/home/op/.config/quorvane");
    unsetenv("HOME");  // then the password database knows
    EXPECT_TRUE(QuorvaneConfigDir().ends_with("/.config/quorvane")) << QuorvaneConfigDir();
    if (oldHome) setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
