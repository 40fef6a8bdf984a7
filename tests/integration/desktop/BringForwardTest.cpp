// Bring-forward requests over the real local socket.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/linux/LocalSocketActivation.h"

namespace {

std::string UniqueTitle(const std::string& what) {
    return "quorvane-test-" + what + "-" + std::to_string(::getpid());
}

QString SocketPath(const std::string& title) {
    return LocalSocketActivation::ServerPath(title);
}

sockaddr_un Address(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    std::memcpy(address.sun_path, bytes.constData(),
                std::min(sizeof address.sun_path - 1, static_cast<std::size_t>(bytes.size())));
    return address;
}

int Connect(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = Address(path);
    EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

// Whether the listener has closed this client's connection.
bool Dropped(int fd) {
    char buffer[64];
    ssize_t got;
    while ((got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
    }
    return got == 0 || (got < 0 && errno == ECONNRESET);
}

// A request from another thread, as it blocks while it waits for the answer.
bool RequestAnswered(LocalSocketActivation& later, const std::string& title,
                     const std::atomic<int>& calls, int expectedCalls) {
    std::atomic<bool> answered = false;
    std::atomic<bool> finished = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        answered = later.RequestBringForward(title);
        finished = true;
    }));
    thread->start();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return finished.load() && calls.load() == expectedCalls; }, 30000));
    thread->wait();
    return answered;
}

// Leaves a socket file behind with nobody listening, as a crashed instance would.
void MakeStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = Address(path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

TEST(BringForwardTest, RequestReachesTheRunningInstanceOverAStaleSocketFile) {
    const std::string title = UniqueTitle("socket");
    QFile::remove(SocketPath(title));
    MakeStaleSocket(SocketPath(title));

    LocalSocketActivation first;
    LocalSocketActivation later;
    EXPECT_FALSE(later.RequestBringForward(title)) << "nobody listens yet";

    std::atomic<int> calls = 0;
    ASSERT_TRUE(first.Listen(title, [&] { ++calls; }));
    const QFile::Permissions perms = QFile::permissions(SocketPath(title));
    EXPECT_FALSE(perms &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther))
        << "other users must not reach the socket";

    EXPECT_TRUE(RequestAnswered(later, title, calls, 1));
    EXPECT_EQ(calls, 1);

    first.StopListening();
    EXPECT_FALSE(QFile::exists(SocketPath(title)));
}

// Only the user reaches the socket, but even so a client cannot hold it: an overlong line,
// silence, and clients beyond the bound are dropped, and running out of descriptors
// only interrupts the listening.
TEST(BringForwardTest, DropsClientsThatHoldTheSocketAndOutlivesRunningOutOfDescriptors) {
    const std::string title = UniqueTitle("bounds");
    LocalSocketActivation first;
    LocalSocketActivation later;
    std::atomic<int> calls = 0;
    ASSERT_TRUE(first.Listen(title, [&] { ++calls; }));
    const QString path = SocketPath(title);

    for (const std::string& sent : {std::string(300, 'r'), std::string()}) {
        const int fd = Connect(path);
        ASSERT_EQ(::send(fd, sent.data(), sent.size(), 0), static_cast<ssize_t>(sent.size()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return Dropped(fd); }, 30000)) << sent.size();
        ::close(fd);
    }

    // The client beyond the bound goes at once; the others stay until their time is up.
    std::vector<int> held;
    for (int i = 0; i <= LocalSocketActivation::kMaxConnections; ++i) held.push_back(Connect(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Dropped(held.back()); }, 30000));
    for (std::size_t i = 0; i + 1 < held.size(); ++i) EXPECT_FALSE(Dropped(held[i])) << i;
    for (const int fd : held) ::close(fd);

    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit lowered = limit;
    lowered.rlim_cur = 512;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> fillers{::open("/dev/null", O_RDONLY)};
    for (int fd; (fd = ::dup(fillers[0])) >= 0;) fillers.push_back(fd);
    ::close(fillers.back());
    fillers.back() = Connect(path);  // nothing left to accept it with
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(path); }, 30000));
    for (const int fd : fillers) ::close(fd);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 30000));
    EXPECT_TRUE(RequestAnswered(later, title, calls, 1));
}

}  // namespace
