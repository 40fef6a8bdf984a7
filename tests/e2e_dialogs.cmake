# The dialogs on a real X server: two programs that the e2e test runs under Xvfb, one
# opening each dialog from the real main window's menu, one running the forms' own layout
# checks there rather than offscreen.
find_package(Qt6 REQUIRED COMPONENTS Test)

function(quorvane_screen_program name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_qt_main Qt6::Test)
    quorvane_warnings(${name})
endfunction()

quorvane_screen_program(dialogs_on_screen
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DialogsOnScreen.cpp
    LIBS main_window_harness)
quorvane_screen_program(dialog_forms_on_screen
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/dialogs/RenderTest.cpp
    LIBS dialogs_ui fake_profile fake_mixer)

# The X server comes from the desktop tests' sandbox code, which also needs the program and
# test mixer paths defined.
quorvane_test(app_dialogs_e2e LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DialogsUnderXvfbTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/e2e/DesktopProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS test_support ALSA::ALSA)
target_compile_definitions(app_dialogs_e2e PRIVATE
    QUORVANE_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_DIALOGS_ON_SCREEN="$<TARGET_FILE:dialogs_on_screen>"
    QUORVANE_DIALOG_FORMS_ON_SCREEN="$<TARGET_FILE:dialog_forms_on_screen>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(app_dialogs_e2e dialogs_on_screen dialog_forms_on_screen)
