// meter-sim: a stand-in for the Quorvane meter on a pseudo-terminal, for demos and tests.
//
//   meter-sim [--help] [--link PATH] [--version V | --no-id] [--scenario NAME]
//             [--scenario-file PATH] [--command-log PATH] [--instant]
//             [--follow-sink SINK [--sink-poll-ms MS] [--knee PERCENT]] [--trailing N]
//
// --trailing N sends N stray bytes after each data frame, for the program's flush before
// the next command to throw away (scripts/soak).
// With --follow-sink the clean scenario is a transmitter whose arch follows the volume of
// the sound server's sink SINK (read with pactl every MS milliseconds, default 1000);
// --knee PERCENT (10 to 100, default 75) is the drive above which its tops flatten into
// splatter, so that a best-level sweep has a known answer to find.
// Prints "ready <slave path>" once the line is up, answers "v", "s" and "S" until
// SIGTERM or SIGINT, then removes its link.
// SIGUSR1 unplugs the meter: the pseudo-terminal is closed (the program's side hangs up)
// and the link left dangling, as a USB adapter pulled out; SIGUSR2 plugs it back in: a
// new pseudo-terminal, linked at the same path, and "ready <slave path>" again.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <string>
#include <thread>

#include "meter-sim/MeterScenarios.h"
#include "meter-sim/SinkFollower.h"

namespace fs = std::filesystem;

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t unplugRequested = 0;
volatile std::sig_atomic_t plugRequested = 0;
void RequestStop(int) {
    stopRequested = 1;
}
void RequestPlug(int signal) {
    (signal == SIGUSR1 ? unplugRequested : plugRequested) = 1;
}

struct Options {
    std::string link;
    std::string version = "1.10";
    bool answerIdentification = true;
    MeterScenario scenario = MeterScenario::Clean;
    std::string scenarioFile;
    std::string commandLog;
    bool instant = false;
    std::string followSink;
    int sinkPollMs = 1000;
    int kneePercent = kDefaultKneePercent;
    int trailing = 0;
};

[[noreturn]] void Usage(const std::string& problem) {
    std::ostream& out = problem.empty() ? std::cout : std::cerr;
    if (!problem.empty()) out << "meter-sim: " << problem << "\n";
    out << "usage: meter-sim [--link PATH] [--version V|none] [--no-id]"
           " [--scenario NAME] [--scenario-file PATH] [--command-log PATH] [--instant]"
           " [--follow-sink SINK [--sink-poll-ms MS] [--knee PERCENT]] [--trailing N]\n"
           "--knee: the drive, 10 to 100 %, above which the followed transmitter splatters"
           " (default 75)\n"
        << "scenarios:";
    for (auto name : MeterScenarioNames()) out << ' ' << name;
    out << "\nsignals: SIGUSR1 unplugs the meter (its line hangs up, its link dangles), SIGUSR2"
           " plugs it back in at the same link\n";
    std::exit(problem.empty() ? 0 : 2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) Usage(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            Usage("");
        } else if (arg == "--link") {
            options.link = value();
        } else if (arg == "--version") {
            options.version = value();
        } else if (arg == "--no-id") {
            options.answerIdentification = false;
        } else if (arg == "--scenario") {
            const std::string name = value();
            const auto scenario = MeterScenarioNamed(name);
            if (!scenario) Usage("unknown scenario " + name);
            options.scenario = *scenario;
        } else if (arg == "--scenario-file") {
            options.scenarioFile = value();
        } else if (arg == "--command-log") {
            options.commandLog = value();
        } else if (arg == "--instant") {
            options.instant = true;
        } else if (arg == "--follow-sink") {
            options.followSink = value();
        } else if (arg == "--sink-poll-ms") {
            options.sinkPollMs = std::atoi(value().c_str());
            if (options.sinkPollMs <= 0) Usage("--sink-poll-ms needs a positive number");
        } else if (arg == "--knee") {
            const std::string text = value();
            int knee = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), knee);
            if (error != std::errc{} || end != text.data() + text.size() || knee < 10 || knee > 100)
                Usage("--knee needs a percentage from 10 to 100");
            options.kneePercent = knee;
        } else if (arg == "--trailing") {
            options.trailing = std::atoi(value().c_str());
            if (options.trailing < 0) Usage("--trailing needs a number of bytes");
        } else {
            Usage("unknown option " + arg);
        }
    }
    return options;
}

// The file's first word, when it names a scenario, overrides the command line; tests
// switch scenarios this way while the emulator runs.
MeterScenario CurrentScenario(const Options& options) {
    if (options.scenarioFile.empty()) return options.scenario;
    std::ifstream file(options.scenarioFile);
    std::string word;
    if (!(file >> word)) return options.scenario;
    const auto scenario = MeterScenarioNamed(word);
    if (!scenario) {
        std::cerr << "meter-sim: unknown scenario " << word << " in " << options.scenarioFile
                  << "\n";
        return options.scenario;
    }
    return *scenario;
}

void LogCommand(const Options& options, unsigned char command) {
    if (options.commandLog.empty()) return;
    std::ofstream log(options.commandLog, std::ios::app);
    if (command >= 0x21 && command < 0x7F) {
        log << static_cast<char>(command) << '\n';
    } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02x", command);
        log << hex << '\n';
    }
}

// Writes a reply at the meter's 19200 baud (ten bit times a byte) unless told not to.
// Bytes the line cannot take right now are dropped, as a real receiver would lose them.
void SendReply(int master, const std::string& reply, bool instant) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kByteTime = std::chrono::nanoseconds(1'000'000'000LL * 10 / 19200);
    const auto start = Clock::now();
    for (std::size_t i = 0; i < reply.size(); ++i) {
        if (!instant) std::this_thread::sleep_until(start + kByteTime * (i + 1));
        if (::write(master, &reply[i], 1) < 0 && errno != EAGAIN && errno != EINTR) return;
    }
}

std::string DataReply(const Options& options, const SinkFollower* follower,
                      const std::string& identification, std::mt19937& random) {
    const MeterScenario scenario = CurrentScenario(options);
    // Without a reading of the sink no audio reaches the transmitter.
    if (follower && scenario == MeterScenario::Clean)
        return TransmitterFrame(follower->Volume().value_or(0), options.kneePercent);
    return MeterDataReply(scenario, identification, random);
}

void Answer(int master, const Options& options, const SinkFollower* follower, unsigned char command,
            std::mt19937& random) {
    LogCommand(options, command);
    const std::string identification = MeterIdentification(options.version);
    if (command == 'v') {
        if (options.answerIdentification) SendReply(master, identification, options.instant);
    } else if (command == 's' || command == 'S') {
        SendReply(master,
                  DataReply(options, follower, identification, random) +
                      std::string(static_cast<std::size_t>(options.trailing), '\0'),
                  options.instant);
    }
}

void MakeRaw(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B19200);
    ::cfsetospeed(&tio, B19200);
    ::tcsetattr(fd, TCSANOW, &tio);
}

bool PlaceLink(const std::string& link, const std::string& target) {
    std::error_code error;
    const fs::path path(link);
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), error);
    // Made aside and renamed over the old one (an earlier run's, or this run's before a
    // plug), so that the name is never missing meanwhile.
    const fs::path aside = link + ".new";
    fs::remove(aside, error);
    fs::create_symlink(target, aside, error);
    if (!error) fs::rename(aside, path, error);
    if (error) std::cerr << "meter-sim: cannot link " << link << ": " << error.message() << "\n";
    return !error;
}

void RemoveLink(const std::string& link, const std::string& target) {
    std::error_code error;
    // Leave it alone if another emulator has taken the name over since.
    if (fs::read_symlink(link, error) == fs::path(target)) fs::remove(link, error);
}

// One plug-in of the meter: the pseudo-terminal pair and the link to its slave.
struct Line {
    int master = -1;
    int slaveHold = -1;
    std::string slaveName;
};

// False, with the reason on stderr, when the line cannot be set up.
bool PlugIn(const Options& options, Line& line) {
    line.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (line.master < 0 || ::grantpt(line.master) != 0 || ::unlockpt(line.master) != 0) {
        std::perror("meter-sim: pseudo-terminal");
        return false;
    }
    char slaveName[128];
    if (::ptsname_r(line.master, slaveName, sizeof slaveName) != 0) {
        std::perror("meter-sim: ptsname");
        return false;
    }
    line.slaveName = slaveName;
    // Our own hold on the slave keeps the line up while the program closes and reopens it.
    line.slaveHold = ::open(slaveName, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (line.slaveHold < 0) {
        std::perror("meter-sim: slave");
        return false;
    }
    MakeRaw(line.slaveHold);
    if (!options.link.empty() && !PlaceLink(options.link, slaveName)) return false;
    std::cout << "ready " << slaveName << std::endl;
    return true;
}

// As a USB adapter pulled out: the line hangs up (the program's end of it sees POLLHUP
// and EIO) and its device node goes. The link stays, dangling, as a link to a removed
// adapter does; it points at a name no pseudo-terminal gets, so that another program's
// new terminal cannot stand in for the meter.
void Unplug(const Options& options, Line& line) {
    if (line.slaveHold >= 0) ::close(line.slaveHold);
    if (line.master >= 0) ::close(line.master);
    if (!options.link.empty()) PlaceLink(options.link, line.slaveName + ".unplugged");
    line.master = line.slaveHold = -1;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);

    // The stop and plug signals are only let through while waiting, so a reply is never
    // cut short.
    sigset_t blocked, waitMask;
    sigemptyset(&blocked);
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGUSR1, SIGUSR2}) sigaddset(&blocked, signal);
    sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    action.sa_handler = RequestPlug;
    sigaction(SIGUSR1, &action, nullptr);
    sigaction(SIGUSR2, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Line line;
    if (!PlugIn(options, line)) return 1;

    // Started with the signals blocked, so they reach the loop below, not this thread.
    std::unique_ptr<SinkFollower> follower;
    if (!options.followSink.empty())
        follower = std::make_unique<SinkFollower>(options.followSink,
                                                  std::chrono::milliseconds(options.sinkPollMs));

    std::mt19937 random(std::random_device{}());
    const timespec hangUpPause{0, 20'000'000};
    while (!stopRequested) {
        if (unplugRequested) {
            unplugRequested = 0;
            Unplug(options, line);
            std::cout << "unplugged" << std::endl;
        }
        if (plugRequested) {
            plugRequested = 0;
            if (line.master < 0 && !PlugIn(options, line)) return 1;
        }
        if (line.master < 0) {
            ::ppoll(nullptr, 0, nullptr, &waitMask);  // unplugged: only a signal wakes us
            continue;
        }
        pollfd pfd{line.master, POLLIN, 0};
        const int ready = ::ppoll(&pfd, 1, nullptr, &waitMask);
        if (ready < 0) continue;  // EINTR: the loop condition sees the stop request
        if ((pfd.revents & POLLIN) == 0) {
            // Nobody on the line (cannot last while we hold the slave): wait and look again.
            ::ppoll(nullptr, 0, &hangUpPause, &waitMask);
            continue;
        }
        unsigned char commands[64];
        const ssize_t got = ::read(line.master, commands, sizeof commands);
        if (got <= 0) {
            if (errno != EAGAIN && errno != EINTR) ::ppoll(nullptr, 0, &hangUpPause, &waitMask);
            continue;
        }
        for (ssize_t i = 0; i < got; ++i)
            Answer(line.master, options, follower.get(), commands[i], random);
    }

    Unplug(options, line);
    if (!options.link.empty()) RemoveLink(options.link, line.slaveName + ".unplugged");
    return 0;
}
