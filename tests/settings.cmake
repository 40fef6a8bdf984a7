# Settings file, log and system information.
quorvane_library(fake_profile SOURCES fakes/FakeProfileFile.cpp LIBS platform_api)
target_include_directories(fake_profile PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

quorvane_test(settings_core_tests LABEL unit
    SOURCES unit/settings/SettingsFileTest.cpp unit/settings/SettingsTest.cpp
            unit/settings/LogFileTest.cpp
    LIBS app_settings_core fake_profile Threads::Threads)

quorvane_test(settings_linux_tests LABEL unit
    SOURCES unit/settings/LinuxProfileFileTest.cpp unit/settings/ConfigPathsTest.cpp
            unit/settings/LinuxSystemInfoTest.cpp
    LIBS platform_profile_linux app_settings_core test_support)
