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

quorvane_test(app_dialogs_e2e LABEL e2e
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/e2e/DialogsUnderXvfbTest.cpp)
target_compile_definitions(app_dialogs_e2e PRIVATE
    QUORVANE_DIALOGS_ON_SCREEN="$<TARGET_FILE:dialogs_on_screen>"
    QUORVANE_DIALOG_FORMS_ON_SCREEN="$<TARGET_FILE:dialog_forms_on_screen>"
    QUORVANE_DEFAULT_ARTIFACTS="${PROJECT_BINARY_DIR}/artifacts")
add_dependencies(app_dialogs_e2e dialogs_on_screen dialog_forms_on_screen)
