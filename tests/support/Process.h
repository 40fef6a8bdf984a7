#pragma once
// Child processes of a test: started from PATH without a shell, their output read back,
// ended again.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs `command` to its end and returns its standard output, with its standard error too
// when `withErrors`; its exit status (-1 if it did not run or exit) goes to `status`.
inline std::string Capture(const std::vector<std::string>& command, int* status = nullptr,
                           bool withErrors = false) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return "";
    const pid_t pid = Spawn(command, [&](posix_spawn_file_actions_t* actions) {
        posix_spawn_file_actions_adddup2(actions, out[1], 1);
        if (withErrors)
            posix_spawn_file_actions_adddup2(actions, out[1], 2);
        else
            posix_spawn_file_actions_addopen(actions, 2, "/dev/null", O_WRONLY, 0);
    });
    ::close(out[1]);
    std::string text;
    char chunk[512];
    for (ssize_t got; (got = ::read(out[0], chunk, sizeof chunk)) > 0;)
        text.append(chunk, static_cast<std::size_t>(got));
    ::close(out[0]);
    int raw = 0;
    const bool exited = pid > 0 && ::waitpid(pid, &raw, 0) == pid && WIFEXITED(raw);
    if (status) *status = exited ? WEXITSTATUS(raw) : -1;
    return text;
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
