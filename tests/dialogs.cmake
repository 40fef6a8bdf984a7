# The settings dialogs: command arithmetic (unit) and the forms under offscreen Qt (integration).
quorvane_test(dialogs_commands_test LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/dialogs/CommandsTest.cpp
    LIBS dialogs_commands_core)

find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(dialogs_forms_test LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/dialogs/FormsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/integration/dialogs/RenderTest.cpp
    LIBS dialogs_ui fake_profile fake_mixer test_qt_main Qt6::Test)
