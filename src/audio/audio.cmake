# Mixer inventory and the level-control actuator: plain C++ over the Mixer interface.
quorvane_library(audio_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/usound.cpp ${CMAKE_CURRENT_LIST_DIR}/LevelControl.cpp
    LIBS platform_api)
