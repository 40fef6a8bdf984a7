# The main window and the program entry.
quorvane_library(app_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/umain.cpp
            ${CMAKE_CURRENT_LIST_DIR}/umain_cycle.cpp
            ${CMAKE_CURRENT_LIST_DIR}/umain_commands.cpp
            ${CMAKE_CURRENT_LIST_DIR}/StatusPanel.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ExchangeRunner.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TerminationSignals.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Program.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
    LIBS app_settings_core meter_core meter_driver_core measure_core measure_ui audio_core desktop_ui
         dialogs_ui dialogs_message_ui dialogs_core platform_native
         Qt6::Widgets Threads::Threads)
