# The settings dialogs: command arithmetic (unit) and the forms under offscreen Qt (integration).
quorvane_test(dialogs_commands_test LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/dialogs/CommandsTest.cpp
    LIBS dialogs_commands_core)
