# Lenient number conversion and the message dialog's layout: plain C++, no widgets.
quorvane_library(dialogs_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/NumberConversion.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MessageLayout.cpp)

# The message dialog and the masked numeric edit.
quorvane_library(dialogs_message_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/oxdialog.cpp
            ${CMAKE_CURRENT_LIST_DIR}/aoxmask.cpp
    LIBS dialogs_core Qt6::Core Qt6::Gui Qt6::Widgets)
