#pragma once
// A server a test runs on a free port of this machine (fldigi-sim, rigctld, rig-sim), and one
// line sent to it as another client would send it.

#include <QTcpServer>
#include <QTcpSocket>
#include <string>
#include <utility>
#include <vector>

#include "support/Process.h"

struct ServerProcess {
    // `command` takes the port as its last argument.
    explicit ServerProcess(std::vector<std::string> server) : command(std::move(server)) {
        QTcpServer probe;
        port = probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
        command.push_back(std::to_string(port));
    }
    ~ServerProcess() { Kill(); }
    // Starts it, or again on the same port, and waits until it takes connections.
    void Start() {
        pid = Spawn(command, [](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0);
        });
        for (int tries = 0; tries < 500; ++tries, ::usleep(10'000))
            if (QTcpSocket socket; Connect(socket)) break;
    }
    void Kill() { EndChild(std::exchange(pid, -1), SIGKILL); }
    // The first line of the answer to `line`; empty when nothing listens or answers.
    std::string Ask(const std::string& line) const {
        QTcpSocket socket;
        if (!Connect(socket)) return {};
        socket.write(QByteArray::fromStdString(line + "\n"));
        while (!socket.canReadLine() && socket.waitForReadyRead(1000)) {
        }
        return socket.readLine().trimmed().toStdString();
    }

    std::vector<std::string> command;
    int port = 0;
    pid_t pid = -1;

private:
    bool Connect(QTcpSocket& socket) const {
        socket.connectToHost("127.0.0.1", quint16(port));
        return socket.waitForConnected(1000);
    }
};
