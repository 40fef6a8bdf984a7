# Port-sharing driver control: service helpers, driver load/hook/unload, the sharing decision.
quorvane_library(meter_driver_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Instdrv.cpp
            ${CMAKE_CURRENT_LIST_DIR}/rig_port.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SharedPortDecision.cpp
    LIBS platform_api)
