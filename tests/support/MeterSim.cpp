#include "support/MeterSim.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "support/Process.h"

namespace fs = std::filesystem;

MeterSim::MeterSim(const std::string& linkPath, const Options& options) : linkPath_(linkPath) {
    workDir_ = (fs::temp_directory_path() / "meter-sim-XXXXXX").string();
    if (mkdtemp(workDir_.data()) == nullptr) throw std::runtime_error("cannot create " + workDir_);
    const char* program = std::getenv("QUORVANE_METER_SIM");
    // ctest names the emulator; a test binary run by hand falls back to the one built with it.
    if (program == nullptr || *program == '\0') program = QUORVANE_BUILT_METER_SIM;
    SetScenario(options.scenario);
    std::vector<std::string> args{program, "--link", linkPath, "--scenario-file"};
    args.insert(args.end(), {workDir_ + "/scenario", "--command-log", workDir_ + "/commands"});
    if (!options.followSink.empty())
        args.insert(args.end(), {"--follow-sink", options.followSink, "--sink-poll-ms", "50"});
    if (options.knee > 0) args.insert(args.end(), {"--knee", std::to_string(options.knee)});
    pid_ = Spawn(args, [](posix_spawn_file_actions_t* actions) {
        posix_spawn_file_actions_addopen(actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    });
    // The emulator links its line once the line is up.
    for (int polls = 0; pid_ > 0 && !fs::is_symlink(linkPath) && polls < 1000; ++polls) {
        if (::waitpid(pid_, nullptr, WNOHANG) != 0) pid_ = -1;
        ::usleep(10'000);
    }
    if (pid_ <= 0 || !fs::is_symlink(linkPath)) {
        Kill();
        throw std::runtime_error(std::string("meter emulator did not come up: ") + program);
    }
}

MeterSim::~MeterSim() {
    EndChild(pid_);
    std::error_code error;
    fs::remove_all(workDir_, error);
}

void MeterSim::SetScenario(const std::string& name) {
    // Written aside and renamed, so the emulator never reads half a word.
    const std::string path = workDir_ + "/scenario";
    std::ofstream(path + ".new", std::ios::trunc) << name << '\n';
    fs::rename(path + ".new", path);
}

int MeterSim::CommandCount(char command) const {
    std::ifstream log(workDir_ + "/commands");
    int count = 0;
    for (std::string line; std::getline(log, line);)
        count += (line.size() == 1 ? line[0] : static_cast<char>(std::stoi(line, nullptr, 16))) ==
                 command;
    return count;
}

void MeterSim::Kill() {
    EndChild(pid_, SIGKILL);
    pid_ = -1;
}

void MeterSim::Plug(bool in) {
    ::kill(pid_, in ? SIGUSR2 : SIGUSR1);
    for (int polls = 0; fs::exists(linkPath_) != in && polls < 1000; ++polls) ::usleep(10'000);
}
