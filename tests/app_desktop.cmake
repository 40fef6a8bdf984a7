# Desktop integration of the whole program: the About box and the tray menu on the real
# main window (integration), and the built program's single instance and tray menu (e2e).
find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(app_desktop_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/DesktopTest.cpp
    LIBS main_window_harness test_qt_main Qt6::Test)
target_compile_definitions(app_desktop_tests PRIVATE
    QUORVANE_PROJECT_VERSION="${PROJECT_VERSION}")

# The built program in private sandboxes, under Xvfb where a display is needed.
quorvane_test(desktop_e2e_tests LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DesktopProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/SingleInstanceTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/TrayMenuTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS test_support ALSA::ALSA)
target_compile_definitions(desktop_e2e_tests PRIVATE
    QUORVANE_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(desktop_e2e_tests quorvane meter-sim asound_module_ctl_qvtest)
