# Desktop integration of the whole program: the About box and the tray menu on the real
# main window. The built program's are in app_e2e_tests.
find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(app_desktop_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/DesktopTest.cpp
    LIBS main_window_harness test_qt_main Qt6::Test)
target_compile_definitions(app_desktop_tests PRIVATE
    QUORVANE_PROJECT_VERSION="${PROJECT_VERSION}")
