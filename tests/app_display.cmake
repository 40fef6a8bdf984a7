# What the main window shows: graph and text cycles against the meter emulator, offscreen,
# and (in app_e2e_tests) a screenshot of the built program under Xvfb.
quorvane_test(app_display_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/DisplayTest.cpp
    LIBS main_window_harness test_qt_main)
