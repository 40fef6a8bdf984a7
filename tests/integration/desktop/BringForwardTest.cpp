// Bring-forward requests over the real local socket.

#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <cstring>
#include <memory>

#include "desktop/QtOnlyOne.h"
#include "platform/linux/LocalSocketActivation.h"
#include "platform/linux/PosixSharedMemory.h"

namespace {

std::string UniqueTitle(const std::string& what) {
    return "quorvane-test-" + what + "-" + std::to_string(::getpid());
}

QString SocketPath(const std::string& title) {
    return QDir::tempPath() + QLatin1Char('/') + LocalSocketActivation::serverName(title);
}

// Leaves a socket file behind with nobody listening, as a crashed instance would.
void MakeStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    ASSERT_LT(static_cast<std::size_t>(bytes.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(BringForwardTest, RequestReachesTheRunningInstanceOverAStaleSocketFile) {
    const std::string title = UniqueTitle("socket");
    QFile::remove(SocketPath(title));
    MakeStaleSocket(SocketPath(title));

    LocalSocketActivation first;
    LocalSocketActivation later;
    EXPECT_FALSE(later.requestBringForward(title)) << "nobody listens yet";

    std::atomic<int> calls = 0;
    ASSERT_TRUE(first.listen(title, [&] { ++calls; }));
    const QFile::Permissions perms = QFile::permissions(SocketPath(title));
    EXPECT_FALSE(perms &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther))
        << "other users must not reach the socket";

    // The request blocks while it waits for the answer, so it runs off this thread.
    std::atomic<bool> answered = false;
    std::atomic<bool> finished = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        answered = later.requestBringForward(title);
        finished = true;
    }));
    thread->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.load() && calls.load() == 1; }, 30000));
    thread->wait();
    EXPECT_TRUE(answered);
    EXPECT_EQ(calls, 1);

    first.stopListening();
    EXPECT_FALSE(QFile::exists(SocketPath(title)));
}

TEST(BringForwardTest, SecondProcessRestoresTheFirstAndEnds) {
    const std::string title = UniqueTitle("process");
    struct Cleanup {
        std::string object;
        ~Cleanup() { ::shm_unlink(object.c_str()); }
    } cleanup{PosixSharedMemory::objectName(title)};

    QtOnlyOne guard(title);
    ASSERT_FALSE(guard.MustEnd());
    QWidget window;
    window.showMinimized();
    ASSERT_TRUE(window.isMinimized());
    guard.BringForward(&window);

    QProcess second;
    second.start(QStringLiteral(SECOND_INSTANCE), {QString::fromStdString(title)});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return second.state() == QProcess::NotRunning && !window.isMinimized(); }, 30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput().trimmed(), "second");
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
