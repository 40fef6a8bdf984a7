#pragma once
// Checks shared by the main-window tests.

#include <gtest/gtest.h>

#include <string>

#include "support/app/MainWindowHarness.h"

inline void ExpectMessage(const MessageRequest& shown, const std::string& caption,
                          const std::string& type, const std::string& message) {
    EXPECT_EQ(shown.caption, caption);
    EXPECT_EQ(shown.type, type);
    EXPECT_EQ(shown.message, message);
}

inline std::string Title(MainWindowHarness& h) {
    return h.Form().windowTitle().toStdString();
}
