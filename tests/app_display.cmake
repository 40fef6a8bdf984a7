# What the main window shows: graph and text cycles against the meter emulator, offscreen,
# and a screenshot of the built program under Xvfb.
quorvane_test(app_display_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/DisplayTest.cpp
    LIBS main_window_harness test_qt_main)

quorvane_test(app_display_e2e_tests LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DisplayScreenshotTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/DesktopProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS test_support Qt6::Gui ALSA::ALSA)
# The screenshot stays in the build tree as a test artefact unless QUORVANE_ARTIFACTS says
# where else.
target_compile_definitions(app_display_e2e_tests PRIVATE
    QUORVANE_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(app_display_e2e_tests quorvane meter-sim asound_module_ctl_qvtest)
