# The chart the graph cycle draws on.
quorvane_library(measure_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EnvelopeChart.cpp
    LIBS Qt6::Widgets Qt6::Charts)
