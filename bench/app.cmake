# The main window against the meter emulator: display cost, GUI stalls, polling cost.
# It drives the window through the test harness, so it needs the tests built too.
if(TARGET main_window_harness)
    add_executable(bench_app
        ${CMAKE_CURRENT_LIST_DIR}/bench_app_main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bench_app_display.cpp
        ${CMAKE_CURRENT_LIST_DIR}/bench_app_polling.cpp)
    target_include_directories(bench_app PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(bench_app PRIVATE main_window_harness meter_sim_scenarios)
    add_dependencies(bench_app meter-sim)
    quorvane_warnings(bench_app)
endif()
