# Meter link: the scriptable serial fake, unit tests of the link, the protocol rules and the
# COM-name map, the emulator's scenarios, and the link against the emulator on a real
# pseudo-terminal (MeterSim lives in the shared test_support library).
quorvane_library(fake_serial
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeSerialPorts.cpp
    LIBS platform_api)
target_include_directories(fake_serial PUBLIC ${CMAKE_CURRENT_LIST_DIR})

quorvane_test(meter_unit_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/meter/MeterLinkTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/meter/MeterProtocolTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/meter/ComDevicePathTest.cpp
    LIBS meter_core fake_serial platform_serial_linux test_support)

quorvane_test(meter_sim_scenarios_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/meter/MeterScenariosTest.cpp
    LIBS meter_sim_scenarios measure_core)

file(GLOB meter_integration_sources CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/integration/meter/*.cpp)
quorvane_test(meter_integration_tests LABEL integration
    SOURCES ${meter_integration_sources}
    LIBS meter_core platform_serial_linux meter_sim_scenarios test_support)
add_dependencies(meter_integration_tests meter-sim)
# ctest passes QUORVANE_METER_SIM; running the binary by hand still finds the emulator.
target_compile_definitions(meter_integration_tests PRIVATE
    QUORVANE_BUILT_METER_SIM="$<TARGET_FILE:meter-sim>")
