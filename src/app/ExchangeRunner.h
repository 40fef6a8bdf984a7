#pragma once
// Runs the meter exchange of one measurement cycle off the GUI thread, so the window
// never freezes while a read waits, and hands the result back to the GUI thread.
// One exchange is in flight at a time.

#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class ExchangeRunner {
public:
    // `context` is the GUI-thread object the results are delivered through; results
    // for a context that is gone are dropped.
    explicit ExchangeRunner(QObject* context);
    ~ExchangeRunner();
    ExchangeRunner(const ExchangeRunner&) = delete;
    ExchangeRunner& operator=(const ExchangeRunner&) = delete;

    // True from Start until `deliver` has run on the GUI thread.
    bool InFlight() const { return inFlight_; }

    // Runs `work` on the worker thread; then `deliver` on the GUI thread.
    void Start(std::function<void()> work, std::function<void()> deliver);

    // Blocks until the work in flight is done on the wire, then delivers its result at
    // once, so that the caller may use the port and sees the cycle's effects.
    void Wait();

private:
    void WorkerLoop();
    void Deliver();

    QObject* context_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::function<void()> work_;
    std::function<void()> deliver_;
    bool workDone_ = false;
    bool stopping_ = false;
    bool inFlight_ = false;
    // Last: the thread starts at once and uses everything above.
    std::thread worker_;
};
