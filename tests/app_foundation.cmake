# Start-up, settings, the meter link and shutdown: the real main window offscreen against
# the emulator, and the built program as a process under Xvfb.
quorvane_test(app_foundation_tests LABEL integration
    SOURCES integration/app/FoundationTest.cpp
    LIBS main_window_harness meter_sim_scenarios test_qt_main)

# The program is given the test ALSA control device (from the audio tests) as its mixer.
# The X server and sandbox come from the desktop tests' support code.
quorvane_test(app_e2e_tests LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/ProgramTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/DesktopProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS platform_profile_linux test_support ALSA::ALSA)
target_compile_definitions(app_e2e_tests PRIVATE
    QUORVANE_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(app_e2e_tests quorvane meter-sim asound_module_ctl_qvtest)
