# The main window's pop-up menu commands, driven through their dialogs against the emulator.
find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(app_commands_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/CommandsTest.cpp
    LIBS main_window_harness test_qt_main Qt6::Test)
