// Which window-system plugin the program runs on, from what the session offers and the
// "Platform" key.
#include <gtest/gtest.h>

#include "desktop/DisplayPlatform.h"

namespace {

TEST(DisplayPlatform, XWaylandFirstTheKeyWhereItCanRunAndOneLineWhereNothingCan) {
    // Wayland display, X display, xcb plugin, wayland plugin.
    const DisplaySession full{true, true, true, true}, noXWayland{true, false, true, true},
        noWaylandPlugin{true, true, true, false}, waylandAlone{true, false, true, false},
        x11{false, true, true, true}, none{false, false, true, true};
    const struct {
        DisplaySession session;
        const char* asked;
        const char* platform;
        const char* note;  // part of it; "" for none
    } cases[] = {
        {full, "", "xcb", ""},
        {noXWayland, "", "wayland", ""},
        {full, " Wayland ", "wayland", ""},
        {x11, "X11", "xcb", ""},
        {full, "xcb", "xcb", ""},
        {noWaylandPlugin, "wayland", "xcb", "(package qt6-wayland); running on xcb"},
        {noXWayland, "xcb", "wayland", "no X display; running on wayland"},
        {full, "gtk", "xcb", "Platform=gtk is neither xcb nor wayland"},
        {waylandAlone, "", "", "no X display (XWayland) and Qt's Wayland plugin is not installed"},
        {none, "", "", "neither WAYLAND_DISPLAY nor DISPLAY"},
    };
    for (const auto& c : cases) {
        const PlatformChoice choice = ChooseDisplayPlatform(c.session, c.asked);
        SCOPED_TRACE(std::string(c.asked) + " -> " + choice.platform + ": " + choice.note);
        EXPECT_EQ(choice.platform, c.platform);
        if (*c.note == '\0')
            EXPECT_EQ(choice.note, "");
        else
            EXPECT_NE(choice.note.find(c.note), std::string::npos);
        EXPECT_EQ(choice.note.find('\n'), std::string::npos);
    }
}

}  // namespace
