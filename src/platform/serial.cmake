# Serial ports behind the SerialPorts interface: the Win32 communications calls, or termios.
if(WIN32)
    quorvane_library(platform_serial_win32
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Win32SerialPorts.cpp
                ${CMAKE_CURRENT_LIST_DIR}/win32/Win32Error.cpp
        LIBS platform_api)
else()
    quorvane_library(platform_serial_linux
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/LinuxSerialPorts.cpp
        LIBS platform_api platform_profile_linux)
endif()
