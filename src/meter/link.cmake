# The meter's serial link and protocol: port opening, identification and data exchanges.
quorvane_library(meter_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MeterLink.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MeterProtocol.cpp
    LIBS platform_api)
