# Mixer access and level control: the core over a table-driven fake mixer (unit), and
# AlsaMixer over a test ALSA control device, a private PulseAudio and an empty ALSA
# configuration (integration).
quorvane_library(fake_mixer SOURCES ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeMixer.cpp LIBS platform_api)
target_include_directories(fake_mixer PUBLIC ${CMAKE_CURRENT_LIST_DIR})

quorvane_test(audio_unit_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/audio/usoundTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/audio/LevelControlTest.cpp
    LIBS audio_core fake_mixer)
