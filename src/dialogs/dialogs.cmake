# The settings dialogs: what their commands compute (no Qt) and the forms themselves.
quorvane_library(dialogs_commands_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/Commands.cpp
    LIBS dialogs_core measure_core)

quorvane_library(dialogs_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ufixeddialog.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ucomport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/urefresh.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ugain.cpp
            ${CMAKE_CURRENT_LIST_DIR}/uimd.cpp
            ${CMAKE_CURRENT_LIST_DIR}/noisform.cpp
            ${CMAKE_CURRENT_LIST_DIR}/upower.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ushowpower.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ucard.cpp
            ${CMAKE_CURRENT_LIST_DIR}/utestcard.cpp
            ${CMAKE_CURRENT_LIST_DIR}/about.cpp
    LIBS dialogs_commands_core dialogs_message_ui app_settings_core audio_core
         Qt6::Core Qt6::Gui Qt6::Widgets)
