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
#include "fakes/RecordingPresenter.h"

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

TEST(WorkerHandOverTest, NoteFromTheWorkerIsShownOnTheGuiThreadWithoutWaiting) {
    RecordingPresenter gui;
    QueuedPresenter queued(gui);
    EXPECT_EQ(queued.ShowMessage("Quorvane", MessageKind::Information, "on the GUI thread"),
              MessageAnswer::Ok);
    MessageAnswer answer = MessageAnswer::Ok;
    std::thread worker(
        [&] { answer = queued.ShowMessage("Quorvane", MessageKind::Error, "from the worker"); });
    worker.join();
    EXPECT_EQ(answer, MessageAnswer::Closed);
    EXPECT_EQ(gui.Messages(), std::vector<std::string>{"on the GUI thread"});
    QCoreApplication::processEvents();
    EXPECT_EQ(gui.Messages().back(), "from the worker");
}

}  // namespace
