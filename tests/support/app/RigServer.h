#pragma once
// A rig server for the tests, Hamlib's rigctld or tools/rig-sim, on a free port of this
// machine, and a second client's commands to it.

#include <QTcpServer>
#include <QTcpSocket>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/Process.h"

// One command as a second client of the rig server would send it; its answer line.
inline std::string AskRig(int port, const std::string& command) {
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", quint16(port));
    if (!socket.waitForConnected(1000)) return {};
    socket.write(QByteArray::fromStdString(command + "\n"));
    while (!socket.canReadLine() && socket.waitForReadyRead(1000)) {
    }
    return socket.readLine().trimmed().toStdString();
}

// A rig server (`command` and its port option) on a free port, up once it answers "t".
struct RigServer {
    explicit RigServer(std::vector<std::string> server) : command(std::move(server)) {
        QTcpServer probe;  // a free port
        port = probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
        command.push_back(std::to_string(port));
    }
    ~RigServer() { Kill(); }
    void Start() {
        pid = Spawn(command, [](posix_spawn_file_actions_t* actions) {
            posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0);
        });
        for (int tries = 0; tries < 500 && AskRig(port, "t").empty(); ++tries) ::usleep(10'000);
    }
    void Kill() { EndChild(std::exchange(pid, -1), SIGKILL); }
    void Set(const std::string& line) { ASSERT_EQ(AskRig(port, line), "RPRT 0"); }
    std::vector<std::string> command;
    int port = 0;
    pid_t pid = -1;
};
