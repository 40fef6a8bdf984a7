# Settings file start-up and shutdown: the largest file accepted well under 100 ms, an
# oversized one refused at once.
add_executable(bench_settings ${CMAKE_CURRENT_LIST_DIR}/bench_settings.cpp)
target_link_libraries(bench_settings PRIVATE app_settings_core platform_profile_linux
    benchmark::benchmark_main)
quorvane_warnings(bench_settings)
