# Tray icon and single-instance guard: the logic in plain C++, the pictures and the
# guard's wiring to the real platform in Qt.
quorvane_library(desktop_core
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/SpTrayIc.cpp ${CMAKE_CURRENT_LIST_DIR}/SpOnly1.cpp
    LIBS platform_api)

quorvane_library(desktop_ui
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LedIconImages.cpp ${CMAKE_CURRENT_LIST_DIR}/QtOnlyOne.cpp
    LIBS desktop_core platform_native Qt6::Gui Qt6::Widgets)
