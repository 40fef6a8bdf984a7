# Notification area, shared memory and bring-forward requests on Linux.
quorvane_library(platform_desktop_linux
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/QtTrayShell.cpp
            ${CMAKE_CURRENT_LIST_DIR}/linux/PosixSharedMemory.cpp
            ${CMAKE_CURRENT_LIST_DIR}/linux/LocalSocketActivation.cpp
    LIBS platform_api Qt6::Gui Qt6::Widgets Qt6::Network)
