# Port-sharing driver services: real on Windows; on Linux the layer only says "not NT"
# and fails the rest.
if(WIN32)
    quorvane_library(platform_driver_win32
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Win32DriverServices.cpp
        LIBS platform_api)
else()
    quorvane_library(platform_driver_linux
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/LinuxDriverServices.cpp
        LIBS platform_api)
endif()
