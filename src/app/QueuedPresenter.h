#pragma once
// Notes raised on the serial worker thread are shown on the GUI thread without waiting
// for the operator: the GUI thread may itself be waiting for that worker, and the
// callers never use the answer.

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include "base/MessagePresenter.h"

class QueuedPresenter final : public MessagePresenter {
public:
    explicit QueuedPresenter(MessagePresenter& gui) : gui_(gui) {}

    char ShowMessage(const std::string& caption, const std::string& type,
                     const std::string& message, const std::string& buttons) override {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() == app->thread())
            return gui_.ShowMessage(caption, type, message, buttons);
        QMetaObject::invokeMethod(
            app,
            [&gui = gui_, caption, type, message, buttons] {
                gui.ShowMessage(caption, type, message, buttons);
            },
            Qt::QueuedConnection);
        return ' ';
    }

private:
    MessagePresenter& gui_;
};
