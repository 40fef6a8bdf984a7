# The dialogs on a real X server: two programs that app_e2e_tests runs under Xvfb, one
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
