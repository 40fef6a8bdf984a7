#include "support/MeterSim.h"

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "support/Process.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStartTimeoutMs = 10'000;

std::string MakeWorkDir() {
    std::string pattern = (fs::temp_directory_path() / "meter-sim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    return pattern;
}

// Reads the emulator's first line ("ready <slave>"), or what came before it exited or stalled.
std::string ReadReadyLine(int fd) {
    std::string line;
    char chunk[128];
    pollfd pfd{fd, POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&pfd, 1, kStartTimeoutMs) > 0) {
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

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("cannot make a pipe");
    pid_ = Spawn(args, [&](posix_spawn_file_actions_t* actions) {
        posix_spawn_file_actions_adddup2(actions, out[1], STDOUT_FILENO);
    });
    close(out[1]);
    if (pid_ <= 0) {
        close(out[0]);
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
    EndChild(pid_);
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
    EndChild(pid_, SIGKILL);
    pid_ = -1;
}
