# Desktop integration of the whole program: the About box and the tray menu on the real
# main window (integration), and the built program's single instance and tray menu (e2e).
quorvane_test(app_desktop_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/DesktopTest.cpp
    LIBS main_window_harness test_qt_main)
target_compile_definitions(app_desktop_tests PRIVATE
    QUORVANE_PROJECT_VERSION="${PROJECT_VERSION}")
