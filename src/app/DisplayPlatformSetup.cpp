#include "app/DisplayPlatformSetup.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <cstdio>
#include <cstring>

#include "desktop/DisplayPlatform.h"

namespace {

bool selected = false;

// Where Qt looks for platform plugins: its own folder, QT_PLUGIN_PATH and
// QT_QPA_PLATFORM_PLUGIN_PATH. Qt knows a plugin by its metadata; the installed files
// are named after it.
bool PluginInstalled(const QStringList& files) {
    QStringList folders = {QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms"};
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts))
        folders << path + "/platforms";
    folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& folder : folders)
        for (const QString& file : files)
            if (!folder.isEmpty() && QDir(folder).exists(file)) return true;
    return false;
}

bool AskedOnCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

}  // namespace

bool SelectDisplayPlatform(int argc, char** argv, const std::string& asked) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || AskedOnCommandLine(argc, argv))
        return true;
    DisplaySession session;
    session.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    session.xDisplay = !qEnvironmentVariableIsEmpty("DISPLAY");
    session.xcbPlugin = PluginInstalled({"libqxcb.so"});
    session.waylandPlugin = PluginInstalled({"libqwayland-generic.so", "libqwayland-egl.so"});
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
