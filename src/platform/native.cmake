# The real platform of the system being built for: what the program itself links.
add_library(platform_native INTERFACE)
if(WIN32)
    target_link_libraries(platform_native INTERFACE
        platform_profile_win32 platform_serial_win32 platform_mixer_win32
        platform_desktop_win32 platform_driver_win32)
else()
    target_link_libraries(platform_native INTERFACE
        platform_profile_linux platform_serial_linux platform_mixer_linux
        platform_desktop_linux platform_driver_linux)
endif()
