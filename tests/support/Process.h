#pragma once
// Child processes of a test: started from PATH without a shell and ended again, or run
// through the shell for what they print.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Starts `command`, its standard streams set up by `redirect`; -1 if it cannot.
inline pid_t Spawn(std::vector<std::string> command,
                   const std::function<void(posix_spawn_file_actions_t*)>& redirect) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    redirect(&actions);
    std::vector<char*> argv;
    for (std::string& arg : command) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// Sends `signal` and reaps the child; one that is still there after 5 s is killed.
inline void EndChild(pid_t pid, int signal = SIGTERM) {
    if (pid <= 0) return;
    ::kill(pid, signal);
    for (int waited = 0; ::waitpid(pid, nullptr, WNOHANG) == 0; ++waited) {
        if (waited == 500) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return;
        }
        ::usleep(10'000);
    }
}

// What `command` prints (its errors go to the test's), and how it ended.
inline std::string Shell(const std::string& command, int* status = nullptr) {
    FILE* out = ::popen(command.c_str(), "r");
    std::string text;
    for (int c; out && (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    const int ended = out ? ::pclose(out) : -1;
    if (status) *status = WEXITSTATUS(ended);
    return text;
}
