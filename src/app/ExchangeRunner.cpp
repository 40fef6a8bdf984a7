#include "app/ExchangeRunner.h"

#include <QMetaObject>

ExchangeRunner::ExchangeRunner(QObject* context)
    : context_(context), worker_([this] { WorkerLoop(); }) {}

ExchangeRunner::~ExchangeRunner() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    worker_.join();
}

void ExchangeRunner::Start(std::function<void()> work, std::function<void()> deliver) {
    {
        std::lock_guard lock(mutex_);
        work_ = std::move(work);
        deliver_ = std::move(deliver);
        workDone_ = false;
        inFlight_ = true;
    }
    wake_.notify_all();
}

void ExchangeRunner::Wait() {
    // Delivering may open an event loop (a note to the operator) in which a tick starts
    // the next exchange: wait until nothing is in flight at all.
    while (inFlight_) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return workDone_; });
        }
        Deliver();
    }
}

void ExchangeRunner::Deliver() {
    std::function<void()> deliver;
    {
        std::lock_guard lock(mutex_);
        if (!inFlight_ || !workDone_) return;  // already delivered by Wait()
        deliver = std::move(deliver_);
        deliver_ = nullptr;
        inFlight_ = false;
    }
    if (deliver) deliver();
}

void ExchangeRunner::WorkerLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || work_; });
        if (stopping_) return;
        std::function<void()> work = std::move(work_);
        work_ = nullptr;
        lock.unlock();
        try {
            work();
        } catch (...) {
            // Nothing on the wire may end the program; the cycle then shows what the
            // result holds, an empty reply.
        }
        lock.lock();
        workDone_ = true;
        wake_.notify_all();
        QMetaObject::invokeMethod(
            context_, [this] { Deliver(); }, Qt::QueuedConnection);
    }
}
