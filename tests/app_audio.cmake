# The main window's audio: the level control against a private sound server, the
# simulated meter, a machine without any sound device, and the closed loop with the
# emulated transmitter following the sink's volume.
quorvane_test(transmitter_shape_tests LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/meter/TransmitterShapeTest.cpp
    LIBS meter_sim_scenarios measure_core)
