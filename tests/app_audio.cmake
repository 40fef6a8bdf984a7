# The main window's audio: the level control against a private sound server, the
# simulated meter, a machine without any sound device, and the closed loop with the
# emulated transmitter following the sink's volume.
find_package(Qt6 REQUIRED COMPONENTS Test)

quorvane_test(transmitter_shape_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/meter/TransmitterShapeTest.cpp
    LIBS meter_sim_scenarios measure_core)

quorvane_test(app_audio_tests LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/app/AudioTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/support/alsa/AlsaTestConfig.cpp
    LIBS main_window_harness test_qt_main platform_mixer_linux meter_sim_scenarios measure_core
         ALSA::ALSA Qt6::Test)
target_compile_definitions(app_audio_tests PRIVATE
    QUORVANE_SOUND_SERVER="${PROJECT_SOURCE_DIR}/scripts/sound-server")
