#include "meter/SharedPortDecision.h"

namespace {
constexpr std::size_t kMaxTestedPathChars = 255;
}

bool SharedPortDecision::ShouldShare(Logger& log) {
    const std::string path = ExecutableDirectory(os_.ExecutablePath()) + "kestral.sys";
    // Outside the NT family the file is not even looked for.
    const bool share = (os_.VersionWord() & kVersionNotNtBit) == 0 &&
                       os_.FileExists(path.substr(0, kMaxTestedPathChars));
    log.Log(share ? "NT and " + path + " detected." : "OS is not NT or " + path + " not found.");
    return share;
}

std::unique_ptr<SerialPort> SharedPortDecision::HookComPort(const std::string& openName,
                                                            uint32_t& error) {
    return sharingDriver_.HookComPort(openName, error);
}
