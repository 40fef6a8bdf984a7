# A GoogleTest main that creates the QApplication that widget tests need. The source
# sits in support/, whose general glob builds it empty; only this target defines the
# switch that gives it a main.
add_library(test_qt_main STATIC ${CMAKE_CURRENT_LIST_DIR}/support/QtTestMain.cpp)
target_compile_definitions(test_qt_main PRIVATE QUORVANE_QT_TEST_MAIN)
target_link_libraries(test_qt_main PUBLIC GTest::gmock GTest::gtest Qt6::Widgets)
quorvane_warnings(test_qt_main)

quorvane_test(dialogs_base_unit LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/unit/dialogs_base/NumberConversionTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/unit/dialogs_base/MessageLayoutTest.cpp
    LIBS dialogs_core)

find_package(Qt6 REQUIRED COMPONENTS Test)
quorvane_test(dialogs_base_widgets LABEL integration
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/integration/dialogs_base/OxDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/integration/dialogs_base/AoxMaskTest.cpp
    LIBS dialogs_message_ui test_qt_main Qt6::Test)
