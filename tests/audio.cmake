# Mixer access and level control: the core over a table-driven fake mixer (unit), and
# AlsaMixer over a test ALSA control device, a private PulseAudio and an empty ALSA
# configuration (integration).
quorvane_library(fake_mixer SOURCES ${CMAKE_CURRENT_LIST_DIR}/fakes/FakeMixer.cpp LIBS platform_api)
target_include_directories(fake_mixer PUBLIC ${CMAKE_CURRENT_LIST_DIR})

quorvane_test(audio_unit_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/audio/usoundTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/audio/LevelControlTest.cpp
    LIBS audio_core fake_mixer)

# A test ALSA control device; ALSA loads it by path from a configuration the tests write.
add_library(asound_module_ctl_qvtest MODULE ${CMAKE_CURRENT_LIST_DIR}/support/alsa/ctl_qvtest.c)
target_compile_definitions(asound_module_ctl_qvtest PRIVATE PIC)
target_link_libraries(asound_module_ctl_qvtest PRIVATE ALSA::ALSA)
set_target_properties(asound_module_ctl_qvtest PROPERTIES AUTOMOC OFF)
# C, so the shared warning set (which has C++-only flags) is spelled out here.
target_compile_options(asound_module_ctl_qvtest PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    $<$<BOOL:${QUORVANE_WERROR}>:-Werror>)

quorvane_test(audio_integration_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/audio/AlsaMixerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/SoundServer.cpp
    LIBS audio_core platform_mixer_linux ALSA::ALSA)
target_compile_definitions(audio_integration_tests PRIVATE
    QUORVANE_ALSA_TEST_PLUGIN="$<TARGET_FILE:asound_module_ctl_qvtest>"
    QUORVANE_SOUND_SERVER="${PROJECT_SOURCE_DIR}/scripts/sound-server")
add_dependencies(audio_integration_tests asound_module_ctl_qvtest)
