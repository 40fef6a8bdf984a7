# Tray icon and single-instance guard.
quorvane_library(fake_desktop
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeTrayShell.cpp
            ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeSharedMemory.cpp
    LIBS desktop_core platform_api)
target_include_directories(fake_desktop PUBLIC ${CMAKE_CURRENT_LIST_DIR})

quorvane_test(desktop_unit_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/desktop/SpTrayIcTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/desktop/SpOnly1Test.cpp
    LIBS desktop_core fake_desktop)

# A later instance of the program, reduced to its single-instance guard.
add_executable(desktop_second_instance ${CMAKE_CURRENT_LIST_DIR}/integration/desktop/SecondInstance.cpp)
target_link_libraries(desktop_second_instance PRIVATE desktop_ui)
quorvane_warnings(desktop_second_instance)

# Forks test processes, so it stays free of Qt's threads.
quorvane_test(desktop_shm_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/desktop/SharedMemoryRaceTest.cpp
    LIBS desktop_core platform_desktop_linux fake_desktop)

find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(desktop_integration_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/desktop/BringForwardTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/integration/desktop/TrayShellTest.cpp
    LIBS desktop_ui fake_desktop test_qt_main Qt6::Widgets Qt6::Test)
target_compile_definitions(desktop_integration_tests PRIVATE
    SECOND_INSTANCE="$<TARGET_FILE:desktop_second_instance>")
add_dependencies(desktop_integration_tests desktop_second_instance)
