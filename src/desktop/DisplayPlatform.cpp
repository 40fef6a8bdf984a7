#include "desktop/DisplayPlatform.h"

#include <cctype>

namespace {

std::string Normalized(const std::string& text) {
    std::string word;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word == "x11" ? "xcb" : word;
}

bool Runs(const DisplaySession& session, const std::string& platform) {
    if (platform == "xcb") return session.xDisplay && session.xcbPlugin;
    if (platform == "wayland") return session.waylandDisplay && session.waylandPlugin;
    return false;
}

// Why `platform` cannot run in `session`.
std::string Missing(const DisplaySession& session, const std::string& platform) {
    if (platform == "xcb")
        return session.xDisplay ? "Qt's xcb plugin is not installed" : "there is no X display";
    return session.waylandDisplay ? "Qt's Wayland plugin is not installed (package qt6-wayland)"
                                  : "there is no Wayland display";
}

}  // namespace

PlatformChoice ChooseDisplayPlatform(const DisplaySession& session, const std::string& asked) {
    PlatformChoice choice;
    const std::string wanted = Normalized(asked);
    if (wanted == "xcb" || wanted == "wayland") {
        if (Runs(session, wanted)) return {wanted, ""};
        choice.note = "quorvane: Platform=" + wanted + " cannot run: " + Missing(session, wanted);
    } else if (!wanted.empty()) {
        choice.note = "quorvane: Platform=" + asked + " is neither xcb nor wayland";
    }
    // XWayland first: X11 keeps the features that Qt's Wayland plugin cannot give.
    for (const char* platform : {"xcb", "wayland"})
        if (Runs(session, platform)) {
            choice.platform = platform;
            if (!choice.note.empty()) choice.note += "; running on " + choice.platform;
            return choice;
        }
    if (session.waylandDisplay)
        choice.note =
            "quorvane: cannot open a window: this Wayland session has no X display "
            "(XWayland) and " +
            Missing(session, "wayland");
    else
        choice.note =
            "quorvane: cannot open a window: " +
            (session.xDisplay ? Missing(session, "xcb")
                              : std::string("neither WAYLAND_DISPLAY nor DISPLAY is set"));
    return choice;
}
