// GoogleTest main for tests that create widgets: they need a QApplication, and it
// has to outlive every test. Built only into the test_qt_main library.
#ifdef QUORVANE_QT_TEST_MAIN

#include <gmock/gmock.h>

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleMock(&argc, argv);
    // Listing the tests (ctest's discovery) must work where no display is reachable.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    // Run directly on a machine without a display, the tests still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

#endif
