# Frame analysis, the graph and text cycles, the simulated meter and the plots' scales:
# plain C++, no Qt.
quorvane_library(measure_core
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/HarmonicTables.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Analysis.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FixedFormat.cpp
        ${CMAKE_CURRENT_LIST_DIR}/GraphCycle.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TextCycle.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FakeData.cpp
        ${CMAKE_CURRENT_LIST_DIR}/PlotScale.cpp)
