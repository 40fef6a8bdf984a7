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

    MessageAnswer ShowMessage(const std::string& caption, MessageKind kind,
                              const std::string& message) override {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() == app->thread())
            return gui_.ShowMessage(caption, kind, message);
        QMetaObject::invokeMethod(
            app, [&gui = gui_, caption, kind, message] { gui.ShowMessage(caption, kind, message); },
            Qt::QueuedConnection);
        return MessageAnswer::Closed;
    }

private:
    MessagePresenter& gui_;
};
