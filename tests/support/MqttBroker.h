#pragma once
// Debian's mosquitto broker on a free port of 127.0.0.1, taking only the login of its password
// file, and mosquitto_sub writing each message there as "<unix time> <retained> <topic> <payload>".

#include <fstream>

#include "support/ServerProcess.h"

struct MqttBroker : ServerProcess {
    // Started by root it would become the user "mosquitto", a stranger to `dir`.
    explicit MqttBroker(const std::string& dir)
        : ServerProcess(
              {"sh", "-c",
               "printf 'listener %s 127.0.0.1\\nallow_anonymous false\\npassword_file "
               "%s/passwords\\nuser %s\\nlog_dest none\\n' $1 $0 $(id -un) >$0/broker.conf && "
               "exec /usr/sbin/mosquitto -c $0/broker.conf",
               dir}) {
        Shell("mosquitto_passwd -b -c " + dir + "/passwords shack s3cret");
    }
};

struct MqttSubscriber {
    MqttSubscriber(const MqttBroker& broker, const std::string& topics, std::string into)
        : file(std::move(into)),
          pid(Spawn({"mosquitto_sub", "-h", "127.0.0.1", "-p", std::to_string(broker.port), "-u",
                     "shack", "-P", "s3cret", "-F", "%U %r %t %p", "-t", topics},
                    [this](posix_spawn_file_actions_t* a) {
                        posix_spawn_file_actions_addopen(a, 1, file.c_str(), O_WRONLY | O_CREAT,
                                                         0600);
                    })) {}
    ~MqttSubscriber() { EndChild(pid); }
    std::vector<std::string> Lines() const {
        std::ifstream in(file);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::string file;
    pid_t pid;
};
