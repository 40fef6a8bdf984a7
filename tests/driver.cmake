# Port-sharing driver control against a simulated Windows host.
quorvane_library(fake_driver
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeDriverServices.cpp
    LIBS platform_api)
target_include_directories(fake_driver PUBLIC ${CMAKE_CURRENT_LIST_DIR})

file(GLOB driver_unit_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/unit/driver/*.cpp)
quorvane_test(driver_unit_tests LABEL unit
    SOURCES ${driver_unit_sources}
    LIBS meter_driver_core platform_driver_linux fake_driver)
