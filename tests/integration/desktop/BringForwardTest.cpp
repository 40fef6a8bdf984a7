// A bring-forward request from a later start over the real local socket.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QThread>
#include <atomic>
#include <cstring>
#include <memory>

#include "platform/linux/LocalSocketActivation.h"

namespace {

// A crashed instance left its socket file behind, with nobody listening.
TEST(BringForwardTest, RequestReachesTheRunningInstanceOverAStaleSocketFile) {
    const std::string title = "quorvane-test-socket-" + std::to_string(::getpid());
    const QString path = LocalSocketActivation::ServerPath(title);
    QFile::remove(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(static_cast<std::size_t>(bytes.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(stale);

    LocalSocketActivation first;
    LocalSocketActivation later;
    EXPECT_FALSE(later.RequestBringForward(title)) << "nobody listens yet";
    std::atomic<int> calls = 0;
    ASSERT_TRUE(first.Listen(title, [&] { ++calls; }));
    EXPECT_FALSE(QFile::permissions(path) &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther))
        << "other users must not reach the socket";

    // The request blocks until it is answered, so it comes from another thread.
    std::atomic<bool> answered = false, finished = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        answered = later.RequestBringForward(title);
        finished = true;
    }));
    thread->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.load() && calls.load() == 1; }, 30000));
    thread->wait();
    EXPECT_TRUE(answered);

    first.StopListening();
    EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
