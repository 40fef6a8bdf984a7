#pragma once
// Debian's mosquitto broker for a test, on a free port of 127.0.0.1, taking only the one
// login of its password file; and its mosquitto_sub as a subscriber writing to a file.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/Process.h"

class MqttBroker {
public:
    static constexpr char kUser[] = "shack";
    static constexpr char kPassword[] = "s3cret";

    explicit MqttBroker(const std::string& dir) : config_(dir + "/broker.conf") {
        port = Listen(0);
        std::ofstream(config_) << "listener " << port << " 127.0.0.1\nallow_anonymous false\n"
                               << "password_file " << dir
                               << "/passwords\npersistence false\n"
                               // Started by root it would become "mosquitto", a stranger to `dir`.
                               << "user " << ::getpwuid(::geteuid())->pw_name << "\n";
        Shell("mosquitto_passwd -b -c " + dir + "/passwords " + kUser + " " + kPassword);
    }
    ~MqttBroker() { Stop(); }
    // Starts it, or again on the same port, and waits until it takes connections.
    void Start() {
        pid_ = Spawn({"/usr/sbin/mosquitto", "-c", config_}, [](posix_spawn_file_actions_t* a) {
            posix_spawn_file_actions_addopen(a, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_addopen(a, 2, "/dev/null", O_WRONLY, 0);
        });
        for (int tries = 0; tries < 500 && !Listening(); ++tries) ::usleep(10'000);
    }
    // Killed: it says nothing to its clients.
    void Stop() { EndChild(std::exchange(pid_, -1), SIGKILL); }
    // mosquitto_sub on `topics` with this broker's address and login.
    std::vector<std::string> SubscribeCommand(const std::string& topics) const {
        return {"mosquitto_sub", "-h", "127.0.0.1", "-p", std::to_string(port), "-u",
                kUser,           "-P", kPassword,   "-F", "%U %r %t %p",        "-t",
                topics};
    }
    // A socket listening on a free port of 127.0.0.1 (its number), or with `port` given,
    // whether something answers there.
    static int Listen(int port, int* socket = nullptr) {
        const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{AF_INET, htons(std::uint16_t(port)), {htonl(INADDR_LOOPBACK)}, {}};
        socklen_t size = sizeof address;
        const bool bound = ::bind(s, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                           ::listen(s, 4) == 0 &&
                           ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0;
        if (socket && bound) return *socket = s, ntohs(address.sin_port);
        ::close(s);
        return bound ? ntohs(address.sin_port) : 0;
    }

    int port = 0;

private:
    bool Listening() const {
        const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{AF_INET, htons(std::uint16_t(port)), {htonl(INADDR_LOOPBACK)}, {}};
        const bool up = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(s);
        return up;
    }

    std::string config_;
    pid_t pid_ = -1;
};

// Every message on `topics` as a line "<unix time> <retained 0/1> <topic> <payload>".
class MqttSubscriber {
public:
    MqttSubscriber(const MqttBroker& broker, const std::string& topics, const std::string& file)
        : file_(file) {
        pid_ = Spawn(broker.SubscribeCommand(topics), [&](posix_spawn_file_actions_t* a) {
            posix_spawn_file_actions_addopen(a, 1, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                             0600);
        });
    }
    ~MqttSubscriber() { EndChild(pid_); }
    std::vector<std::string> Lines() const {
        std::ifstream in(file_);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

private:
    std::string file_;
    pid_t pid_ = -1;
};
