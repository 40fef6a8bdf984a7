# The Mixer interface over ALSA's simple mixer API.
quorvane_library(platform_mixer_linux
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/linux/AlsaMixer.cpp
    LIBS platform_api ALSA::ALSA)
