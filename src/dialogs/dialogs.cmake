# The settings dialogs: what their commands compute (no Qt) and the forms themselves.
quorvane_library(dialogs_commands_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Commands.cpp
    LIBS dialogs_core measure_core)
