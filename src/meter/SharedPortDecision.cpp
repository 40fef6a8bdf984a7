#include "meter/SharedPortDecision.h"

#include <utility>

#include "base/Translation.h"

namespace {
constexpr std::size_t kMaxTestedPathChars = 255;
}

bool SharedPortDecision::ShouldShare(Logger& log) {
    const std::string path = ExecutableDirectory(os_.ExecutablePath()) + "kestral.sys";
    // Outside the NT family the file is not even looked for.
    const bool present = (os_.VersionWord() & kVersionNotNtBit) == 0 &&
                         os_.FileExists(path.substr(0, kMaxTestedPathChars));
    if (present && os_.RunsOn64BitWindows()) {
        log.Log(path + " detected, but 64-bit Windows cannot load it.");
        if (!toldNoDriver_) {
            toldNoDriver_ = true;
            note_ = TRANSLATABLE("Message",
                                 "KESTRAL.SYS lies beside the program, but 64-bit Windows cannot "
                                 "load this 32-bit driver. The port is opened directly, not "
                                 "shared.");
        }
        return false;
    }
    log.Log(present ? "NT and " + path + " detected." : "OS is not NT or " + path + " not found.");
    return present;
}

std::unique_ptr<SerialPort> SharedPortDecision::HookComPort(const std::string& openName,
                                                            uint32_t& error) {
    return sharingDriver_.HookComPort(openName, error);
}

std::string SharedPortDecision::TakeNote() {
    std::string note = std::exchange(note_, std::string());
    const std::string driverNote = sharingDriver_.TakeNote();
    if (!driverNote.empty()) note = driverNote + " The port is opened directly, not shared.";
    return note;
}
