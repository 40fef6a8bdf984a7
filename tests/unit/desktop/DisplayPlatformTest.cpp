// Which window-system plugin the program runs on, from what the session offers and the
// "Platform" key (the end-to-end test runs the usual choices in mutter).
#include <gtest/gtest.h>

#include <tuple>

#include "desktop/DisplayPlatform.h"

TEST(DisplayPlatform, TheKeyWhereItCanRunElseXWaylandFirstAndOneLineWhereNothingCan) {
    // Wayland display, X display, xcb plugin, wayland plugin; the key; the choice; its note.
    // clang-format off
    const std::tuple<DisplaySession, const char*, const char*, const char*> cases[] = {
        {{true, true, true, true}, " X11 ", "xcb", ""},
        {{true, false, true, true}, "xcb", "wayland",
         "quorvane: Platform=xcb cannot run: there is no X display; running on wayland"},
        {{true, true, true, true}, "gtk", "xcb",
         "quorvane: Platform=gtk is neither xcb nor wayland; running on xcb"},
        {{false, false, true, true}, "", "",
         "quorvane: cannot open a window: neither WAYLAND_DISPLAY nor DISPLAY is set"}};
    // clang-format on
    for (const auto& [session, asked, platform, note] : cases) {
        const PlatformChoice choice = ChooseDisplayPlatform(session, asked);
        EXPECT_EQ(choice.platform + " " + choice.note, std::string(platform) + " " + note);
    }
}
