#include "app/DisplayPlatformSetup.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "desktop/DisplayPlatform.h"

namespace {

bool selected = false;

// The file of the plugin Qt knows by `name` (the key in its metadata): "" for plugins other
// than these, which are taken to be there.
QString PluginFile(const QString& name) {
    if (name == "xcb") return "libqxcb.so";
    if (name == "wayland") return "libqwayland-generic.so";
    if (name == "wayland-egl") return "libqwayland-egl.so";
    return {};
}

// Where Qt looks for platform plugins: its own folder, QT_PLUGIN_PATH and
// QT_QPA_PLATFORM_PLUGIN_PATH.
bool PluginInstalled(const QString& name) {
    const QString file = PluginFile(name);
    if (file.isEmpty()) return true;
    QStringList folders = {QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms",
                           qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")};
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts))
        folders << path + "/platforms";
    return std::any_of(folders.begin(), folders.end(), [&](const QString& folder) {
        return !folder.isEmpty() && QDir(folder).exists(file);
    });
}

// The plugins the operator named for Qt: -platform's value, else QT_QPA_PLATFORM's; a null
// string when neither is given.
QString NamedForQt(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QString()
                                                          : qEnvironmentVariable("QT_QPA_PLATFORM");
}

// Qt tries each of "wayland;xcb" in turn, "xcb:options" with its options.
bool AnyNamedInstalled(const QString& names) {
    const QStringList entries = names.split(';', Qt::SkipEmptyParts);
    return entries.isEmpty() || std::any_of(entries.begin(), entries.end(), [](const QString& e) {
               return PluginInstalled(e.section(':', 0, 0).trimmed());
           });
}

}  // namespace

bool SelectDisplayPlatform(int argc, char** argv, const std::string& asked) {
    if (const QString named = NamedForQt(argc, argv); !named.isNull()) {
        if (AnyNamedInstalled(named)) return true;
        std::fprintf(stderr, "quorvane: Qt's %s plugin is not installed\n", qPrintable(named));
        return false;
    }
    DisplaySession session;
    session.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    session.xDisplay = !qEnvironmentVariableIsEmpty("DISPLAY");
    session.xcbPlugin = PluginInstalled("xcb");
    session.waylandPlugin = PluginInstalled("wayland");
    const PlatformChoice choice = ChooseDisplayPlatform(session, asked);
    if (!choice.note.empty()) std::fprintf(stderr, "%s\n", choice.note.c_str());
    if (choice.platform.empty()) return false;
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(choice.platform));
    selected = true;
    return true;
}

void ForgetSelectedPlatform() {
    if (selected) qunsetenv("QT_QPA_PLATFORM");
}

bool RunsNativelyOnWayland() {
    return QGuiApplication::platformName().startsWith("wayland");
}
