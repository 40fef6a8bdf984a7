# Serial ports on Linux (termios), behind the SerialPorts interface.
quorvane_library(platform_serial_linux
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/LinuxSerialPorts.cpp
    LIBS platform_api platform_profile_linux)
