# The real main window driven offscreen against the meter emulator.
quorvane_library(main_window_harness
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/support/app/MainWindowHarness.cpp
    LIBS app_ui fake_mixer fake_profile test_support GTest::gtest)
target_include_directories(main_window_harness PUBLIC ${CMAKE_CURRENT_LIST_DIR})
