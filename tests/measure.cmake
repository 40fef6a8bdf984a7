# Unit tests of the frame analysis, the graph and text cycles, the simulated meter and the
# plots' scales.
quorvane_test(measure_core_tests LABEL unit
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/MeasureTestMain.cpp
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/AnalysisTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/GraphCycleTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/TextCycleTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/FakeDataTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/unit/measure/PlotScaleTest.cpp
    LIBS measure_core)
