// Handing work between the GUI thread and the serial worker: a finished exchange is
// delivered once, and a note raised on the worker is shown on the GUI thread.
#include <gmock/gmock.h>

#include <QCoreApplication>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "app/ExchangeRunner.h"
#include "app/QueuedPresenter.h"

namespace {

TEST(WorkerHandOverTest, DeliveryQueuedForAnExchangeThatWaitDeliveredLeavesTheNextOneAlone) {
    QObject context;
    ExchangeRunner runner(&context);
    int firstDelivered = 0;
    runner.Start([] {}, [&] { ++firstDelivered; });
    runner.Wait();  // delivers at once; the worker's queued delivery is still pending
    ASSERT_EQ(firstDelivered, 1);

    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    int secondDelivered = 0;
    runner.Start([released] { released.wait(); }, [&] { ++secondDelivered; });
    QCoreApplication::processEvents();  // runs the stale delivery of the first exchange
    EXPECT_TRUE(runner.InFlight());
    EXPECT_EQ(secondDelivered, 0);
    EXPECT_EQ(firstDelivered, 1);

    release.set_value();
    runner.Wait();
    EXPECT_EQ(secondDelivered, 1);
    EXPECT_FALSE(runner.InFlight());
}

class RecordingPresenter : public MessagePresenter {
public:
    char ShowMessage(const std::string&, const std::string&, const std::string& message,
                     const std::string&) override {
        shown.push_back(message);
        return 'O';
    }
    std::vector<std::string> shown;
};

TEST(WorkerHandOverTest, NoteFromTheWorkerIsShownOnTheGuiThreadWithoutWaiting) {
    RecordingPresenter gui;
    QueuedPresenter queued(gui);
    EXPECT_EQ(queued.ShowMessage("Quorvane", "I", "on the GUI thread", "O"), 'O');
    char answer = 0;
    std::thread worker(
        [&] { answer = queued.ShowMessage("Quorvane", "E", "from the worker", "O"); });
    worker.join();
    EXPECT_EQ(answer, ' ');
    EXPECT_EQ(gui.shown, std::vector<std::string>{"on the GUI thread"});
    QCoreApplication::processEvents();
    EXPECT_EQ(gui.shown.back(), "from the worker");
}

}  // namespace
