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

const QStringList kXcbFiles = {"libqxcb.so"};
const QStringList kWaylandFiles = {"libqwayland-generic.so", "libqwayland-egl.so"};

// The plugins the operator named for Qt: -platform's value, else QT_QPA_PLATFORM's; a null
// string when neither is given.
QString NamedForQt(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? QString()
                                                          : qEnvironmentVariable("QT_QPA_PLATFORM");
}

// Qt tries each of "wayland;xcb" in turn, "xcb:options" with options. Plugins other than
// these two are taken to be there.
bool AnyNamedInstalled(const QString& names) {
    for (const QString& entry : names.split(';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(':', 0, 0);
        if (name == "xcb" ? PluginInstalled(kXcbFiles)
                          : !name.startsWith("wayland") || PluginInstalled(kWaylandFiles))
            return true;
    }
    return names.trimmed().isEmpty();
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
    session.xcbPlugin = PluginInstalled(kXcbFiles);
    session.waylandPlugin = PluginInstalled(kWaylandFiles);
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
