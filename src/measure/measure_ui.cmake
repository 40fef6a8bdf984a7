# The chart the graph cycle draws on.
quorvane_library(measure_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EnvelopeChart.cpp
    LIBS measure_core Qt6::Widgets)
