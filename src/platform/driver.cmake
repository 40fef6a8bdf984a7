# Port-sharing driver services; the Linux build only says "not NT" and fails the rest.
quorvane_library(platform_driver_linux
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/LinuxDriverServices.cpp
    LIBS platform_api)
