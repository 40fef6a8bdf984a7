# Settings record, typed settings-file access and the debug log: plain C++ without Qt.
quorvane_library(app_settings_core
    SOURCES SettingsFile.cpp Settings.cpp LogFile.cpp
    LIBS platform_api)
