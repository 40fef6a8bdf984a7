# The settings file and system information. On Windows the program version comes from the
# executable's version resource; on Linux it is compiled in.
if(WIN32)
    quorvane_library(platform_profile_win32
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Win32ProfileFile.cpp
                ${CMAKE_CURRENT_LIST_DIR}/win32/Win32SystemInfo.cpp
        LIBS platform_api version)
else()
    # The INI text itself has no I/O: the fuzz targets use it on its own.
    quorvane_library(platform_ini SOURCES IniDocument.cpp LIBS platform_api)
    quorvane_library(platform_profile_linux
        SOURCES linux/ConfigPaths.cpp linux/LinuxProfileFile.cpp linux/LinuxSystemInfo.cpp
        LIBS platform_ini Qt6::Core)
    foreach(part MAJOR MINOR PATCH TWEAK)
        target_compile_definitions(platform_profile_linux
            PRIVATE QUORVANE_VERSION_${part}=${QUORVANE_VERSION_${part}})
    endforeach()
endif()
