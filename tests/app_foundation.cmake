# Start-up, settings, the meter link and shutdown: the real main window offscreen against
# the emulator, and the built program as a process under Xvfb.
quorvane_test(app_foundation_tests LABEL integration
    SOURCES integration/app/FoundationTest.cpp
    LIBS main_window_harness meter_sim_scenarios test_qt_main)

# The built program in private sandboxes, under Xvfb, given the test ALSA control device
# (from the audio tests) as its mixer; it also runs the dialog programs of e2e_dialogs.cmake.
quorvane_test(app_e2e_tests LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DesktopProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/ProgramTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/DialogsUnderXvfbTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/CommandLineTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS platform_profile_linux platform_desktop_linux test_support Qt6::Gui ALSA::ALSA)
target_compile_definitions(app_e2e_tests PRIVATE
    QUORVANE_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_DIALOGS_ON_SCREEN="$<TARGET_FILE:dialogs_on_screen>"
    QUORVANE_DIALOG_FORMS_ON_SCREEN="$<TARGET_FILE:dialog_forms_on_screen>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(app_e2e_tests quorvane meter-sim asound_module_ctl_qvtest
    dialogs_on_screen dialog_forms_on_screen)
