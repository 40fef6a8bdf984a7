#pragma once
// Driving the settings dialogs as an operator would: act while the dialog's own modal loop
// runs, then close it with its close box.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/MessagePresenter.h"

// Schedules `act` to run once the dialog's modal loop is running, and the close box after it
// (also when an assertion in `act` gave up), so that the command under test returns.
inline void WhileOpen(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act = std::move(act)] {
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.isModal());
        act();
        dialog.close();
    });
}

// Replaces whatever the list shows by typed text.
inline void TypeInto(QComboBox* combo, const QString& text) {
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), text);
}

inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// A visible top-level window the dialogs place themselves against.
class MainWindowStandIn {
public:
    MainWindowStandIn() {
        window.move(240, 130);
        window.resize(447, 328);
        window.show();
    }
    QPoint DialogPosition() const { return window.pos() + QPoint(10, 10); }
    QWidget window;
};

class RecordingPresenter : public MessagePresenter {
public:
    struct Shown {
        std::string caption, type, message;
    };
    char MessageDialog(const std::string& caption, const std::string& type,
                       const std::string& message, const std::string&) override {
        shown.push_back({caption, type, message});
        return ' ';
    }
    std::vector<Shown> shown;
};

// The box offers only the close button and stays above the main window until closed.
inline void ExpectCloseBoxOnly(const QDialog& dialog) {
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(dialog.findChildren<QPushButton*>().isEmpty()) << "no OK or Cancel";
}
