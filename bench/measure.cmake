# Frame analysis speed; the target is well under 2 microseconds a frame.
add_executable(bench_analysis ${CMAKE_CURRENT_LIST_DIR}/bench_measure_analysis.cpp)
target_link_libraries(bench_analysis PRIVATE measure_core benchmark::benchmark_main)
quorvane_warnings(bench_analysis)
