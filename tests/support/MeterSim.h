#pragma once
// Runs the meter emulator (the program named by QUORVANE_METER_SIM) on a pseudo-terminal
// whose slave is linked at a given path, for the length of a test.

#include <sys/types.h>

#include <string>

class MeterSim {
public:
    struct Options {
        std::string scenario = "clean";
        std::string followSink;  // the clean transmitter follows this sink's volume
        int knee = 0;            // its tops flatten above this drive; 0: the emulator's own
    };

    // Starts the emulator, whose firmware is 1.10, and waits until its line is up; throws
    // std::runtime_error when it cannot.
    MeterSim(const std::string& linkPath, const Options& options);
    // Ends the emulator the orderly way (it removes its link).
    ~MeterSim();
    MeterSim(const MeterSim&) = delete;
    MeterSim& operator=(const MeterSim&) = delete;

    // Takes effect from the next reply on.
    void SetScenario(const std::string& name);
    // How often `command` arrived so far.
    int CommandCount(char command) const;

    // Ends it at once, the way an unplugged meter vanishes: the line hangs up.
    void Kill();
    // Unplugs the meter (its line hangs up) or plugs it back in; waits for its device to follow.
    void Plug(bool in);

private:
    std::string linkPath_;
    std::string workDir_;
    pid_t pid_ = -1;
};
