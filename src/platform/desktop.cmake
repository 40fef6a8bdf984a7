# The notification area through Qt, on every platform: Qt drives the Windows shell itself.
quorvane_library(platform_tray_qt
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/qt/QtTrayShell.cpp
    LIBS platform_api Qt6::Gui Qt6::Widgets)

# Shared memory and bring-forward requests for the single-instance guard.
if(WIN32)
    quorvane_library(platform_desktop_win32
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Win32SharedMemory.cpp
                ${CMAKE_CURRENT_LIST_DIR}/win32/Win32WindowActivation.cpp
        LIBS platform_api platform_tray_qt)
else()
    quorvane_library(platform_desktop_linux
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/InstanceFolder.cpp
                ${CMAKE_CURRENT_LIST_DIR}/linux/PosixSharedMemory.cpp
                ${CMAKE_CURRENT_LIST_DIR}/linux/LocalSocketActivation.cpp
        LIBS platform_api platform_tray_qt Qt6::Network)
endif()
