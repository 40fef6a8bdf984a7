# The settings file, the config folder and system information on Linux.
quorvane_library(platform_profile_linux
    SOURCES linux/ConfigPaths.cpp linux/LinuxProfileFile.cpp linux/LinuxSystemInfo.cpp
    LIBS platform_api Qt6::Core)

# The About box shows the project version as a.b.c.d; parts the version leaves out are 0.
foreach(part MAJOR MINOR PATCH TWEAK)
    set(version_part "${PROJECT_VERSION_${part}}")
    if(version_part STREQUAL "")
        set(version_part 0)
    endif()
    target_compile_definitions(platform_profile_linux PRIVATE QUORVANE_VERSION_${part}=${version_part})
endforeach()
