# The Mixer interface: the multimedia mixer on Windows, ALSA's simple mixer API on Linux.
if(WIN32)
    quorvane_library(platform_mixer_win32
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/win32/Win32Mixer.cpp
        LIBS platform_api winmm)
else()
    quorvane_library(platform_mixer_linux
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/AlsaMixer.cpp
        LIBS platform_api ALSA::ALSA)
endif()
