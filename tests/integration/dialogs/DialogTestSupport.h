#pragma once
// Driving the settings dialogs as an operator would: act while the dialog's own modal loop
// runs, then close it with its close box.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <string>
#include <vector>

#include "support/MixerRig.h"

// Runs `act` once the dialog's modal loop is running, then closes the dialog (also when an
// assertion in `act` gave up), so that the command under test returns.
inline void WhileOpen(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act = std::move(act)] {
        act();
        dialog.close();
    });
}

// Replaces whatever the field shows by typed text.
inline void TypeInto(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
inline void TypeInto(QComboBox* combo, const QString& text) {
    TypeInto(combo->lineEdit(), text);
}

// A visible top-level window the dialogs place themselves against.
struct MainWindowStandIn {
    MainWindowStandIn() {
        window.move(240, 130);
        window.resize(447, 328);
        window.show();
    }
    QWidget window;
};

// A card named `name` whose "Volume Control" has a "Wave" source unless told otherwise.
inline FakeDevice Card(const std::string& name, bool withWaveLine = true) {
    std::vector<FakeLine> sources;
    if (withWaveLine) sources.push_back(FakeLineOf("Wave", component::kSrcWaveOut, {FakeVolume()}));
    FakeDevice device = PlaybackCard({FakeVolume()}, std::move(sources));
    device.ProductName = name;
    return device;
}
