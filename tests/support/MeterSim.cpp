#include "support/MeterSim.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int kStartTimeoutMs = 10'000;
constexpr auto kStopTimeout = std::chrono::seconds(5);

std::string MakeWorkDir() {
    std::string pattern = (fs::temp_directory_path() / "meter-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    return pattern;
}

// Reads the emulator's first line ("ready <slave>") or gives up when it exits or stalls.
std::string ReadReadyLine(int fd) {
    std::string line;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd pfd{fd, POLLIN, 0};
        if (poll(&pfd, 1, static_cast<int>(left.count())) <= 0) continue;
        char chunk[128];
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got <= 0) break;
        line.append(chunk, static_cast<std::size_t>(got));
    }
    return line.substr(0, line.find('\n'));
}

}  // namespace

MeterSim::MeterSim(const std::string& linkPath, const Options& options)
    : linkPath_(linkPath), workDir_(MakeWorkDir()) {
    const char* program = std::getenv("QUORVANE_METER_SIM");
    // ctest names the emulator; a test binary run by hand falls back to the one built with it.
    if (program == nullptr || *program == '\0') program = QUORVANE_BUILT_METER_SIM;
    SetScenario(options.scenario);

    std::vector<std::string> args = {program, "--link", linkPath, "--scenario", options.scenario};
    args.insert(args.end(), {"--scenario-file", workDir_ + "/scenario", "--command-log",
                             workDir_ + "/commands", "--version", options.version});
    if (!options.answerIdentification) args.push_back("--no-id");
    if (!options.followSink.empty()) {
        args.insert(args.end(), {"--follow-sink", options.followSink});
        if (options.sinkPollMs > 0)
            args.insert(args.end(), {"--sink-poll-ms", std::to_string(options.sinkPollMs)});
    }
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    const int spawned = posix_spawn(&pid_, program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        pid_ = -1;
        throw std::runtime_error(std::string("cannot start ") + program);
    }
    const std::string ready = ReadReadyLine(out[0]);
    close(out[0]);
    const std::string prefix = "ready ";
    if (!ready.starts_with(prefix)) {
        Kill();
        throw std::runtime_error("meter emulator did not come up: " + ready);
    }
    slavePath_ = ready.substr(prefix.size());
}

MeterSim::~MeterSim() {
    End(SIGTERM);
    std::error_code error;
    fs::remove_all(workDir_, error);
}

void MeterSim::SetScenario(const std::string& name) {
    // Written aside and renamed, so the emulator never reads half a word.
    const std::string path = workDir_ + "/scenario";
    {
        std::ofstream file(path + ".new", std::ios::trunc);
        file << name << '\n';
    }
    fs::rename(path + ".new", path);
}

std::string MeterSim::CommandsReceived() const {
    std::ifstream log(workDir_ + "/commands");
    std::string commands, line;
    while (std::getline(log, line))
        commands += line.size() == 1 ? line[0] : static_cast<char>(std::stoi(line, nullptr, 16));
    return commands;
}

int MeterSim::CommandCount(char command) const {
    const std::string commands = CommandsReceived();
    return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

void MeterSim::Kill() {
    End(SIGKILL);
}

void MeterSim::End(int signal) {
    if (pid_ <= 0) return;
    kill(pid_, signal);
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    while (waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    pid_ = -1;
}
