#include "fakes/FakeDriverServices.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <sstream>

namespace {

constexpr uint32_t kErrorInvalidFunction = 1;
constexpr uint32_t kErrorGenFailure = 31;
constexpr uint32_t kErrorFileExists = 80;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kErrorEnvVarNotFound = 203;
constexpr uint32_t kErrorServiceDoesNotExist = 1060;
constexpr uint32_t kErrorServiceNotActive = 1062;
constexpr uint32_t kErrorServiceMarkedForDelete = 1072;
constexpr uint32_t kErrorServiceExists = 1073;

// The driver's own view of its interface, written out rather than taken from the code
// under test.
constexpr uint32_t kGetVersion = 0x83000000;
constexpr uint32_t kHookPort = 0x83000004;
constexpr uint32_t kQueryUnload = 0x8300000B;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string Hex(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

class FakePort final : public SerialPort {
public:
    bool getCommState(CommState&) override { return true; }
    bool setCommState(const CommState&) override { return true; }
    bool getCommTimeouts(CommTimeouts&) override { return true; }
    bool setCommTimeouts(const CommTimeouts&) override { return true; }
    bool read(uint8_t*, std::size_t, std::size_t& received) override {
        received = 0;
        return true;
    }
    bool readPending(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        return read(buffer, count, received);
    }
    bool write(const uint8_t*, std::size_t count, std::size_t& written) override {
        written = count;
        return true;
    }
    uint32_t lastError() const override { return 0; }
};

}  // namespace

class FakeDriverServices::Ports final : public SerialPorts {
public:
    explicit Ports(FakeDriverServices& host) : host_(host) {}

    std::unique_ptr<SerialPort> open(const std::string& name, uint32_t& error) override {
        host_.record("OpenPort(" + name + ")");
        const bool shared = name == "\\\\.\\RIGPORT" && host_.serviceRunning && host_.portHooked();
        if (shared || host_.directPorts.count(name) != 0) return std::make_unique<FakePort>();
        error = kErrorFileNotFound;
        return nullptr;
    }
    std::string errorText(uint32_t code) const override { return "error " + std::to_string(code); }

private:
    FakeDriverServices& host_;
};

FakeDriverServices::FakeDriverServices() : ports_(std::make_unique<Ports>(*this)) {}
FakeDriverServices::~FakeDriverServices() = default;

SerialPorts& FakeDriverServices::ports() {
    return *ports_;
}

void FakeDriverServices::addFile(const std::string& path) {
    files_.insert(Upper(path));
}
void FakeDriverServices::removeFile(const std::string& path) {
    files_.erase(Upper(path));
}
bool FakeDriverServices::hasFile(const std::string& path) const {
    return files_.count(Upper(path)) != 0;
}

void FakeDriverServices::leaveDriverRunning() {
    serviceInstalled = true;
    serviceRunning = true;
    serviceBinary = environment["SYSTEMROOT"] + "\\system32\\drivers\\KESTRAL.SYS";
}

void FakeDriverServices::record(std::string call) {
    calls.push_back(std::move(call));
}

bool FakeDriverServices::fail(uint32_t error) {
    lastError_ = error;
    return false;
}

OsHandle FakeDriverServices::newHandle(Kind kind) {
    const OsHandle handle = nextHandle_++;
    handles_[handle] = kind;
    return handle;
}

bool FakeDriverServices::isOpen(OsHandle handle, Kind kind) const {
    const auto found = handles_.find(handle);
    return found != handles_.end() && found->second == kind;
}

OsHandle FakeDriverServices::openSCManager(uint32_t desiredAccess) {
    record("OpenSCManager(" + Hex(desiredAccess) + ")");
    if (managerAccessDenied) {
        fail(kErrorAccessDenied);
        return kNullHandle;
    }
    return newHandle(Kind::Manager);
}

OsHandle FakeDriverServices::createService(OsHandle manager, const ServiceConfig& config) {
    record("CreateService(" + config.name + ", " + config.displayName + ", " +
           Hex(config.desiredAccess) + ", " + std::to_string(config.serviceType) + ", " +
           std::to_string(config.startType) + ", " + std::to_string(config.errorControl) + ", " +
           config.binaryPath + ")");
    if (!isOpen(manager, Kind::Manager)) {
        fail(kErrorInvalidHandle);
        return kNullHandle;
    }
    if (serviceInstalled) {
        fail(markedForDelete_ ? kErrorServiceMarkedForDelete : kErrorServiceExists);
        return kNullHandle;
    }
    serviceInstalled = true;
    serviceBinary = config.binaryPath;
    return newHandle(Kind::Service);
}

OsHandle FakeDriverServices::openService(OsHandle manager, const std::string& name,
                                         uint32_t desiredAccess) {
    record("OpenService(" + name + ", " + Hex(desiredAccess) + ")");
    if (!isOpen(manager, Kind::Manager)) {
        fail(kErrorInvalidHandle);
        return kNullHandle;
    }
    if (!serviceInstalled || name != "KESTRAL") {
        fail(kErrorServiceDoesNotExist);
        return kNullHandle;
    }
    return newHandle(Kind::Service);
}

bool FakeDriverServices::startService(OsHandle service) {
    record("StartService");
    if (!isOpen(service, Kind::Service)) return fail(kErrorInvalidHandle);
    if (!startErrors.empty()) {
        const uint32_t error = startErrors.front();
        startErrors.pop_front();
        return fail(error);
    }
    if (serviceRunning) return fail(kErrorServiceAlreadyRunning);
    if (!hasFile(serviceBinary)) return fail(kErrorFileNotFound);
    serviceRunning = true;
    return true;
}

bool FakeDriverServices::controlService(OsHandle service, uint32_t control) {
    record("ControlService(" + std::to_string(control) + ")");
    if (!isOpen(service, Kind::Service)) return fail(kErrorInvalidHandle);
    if (control != 1) return fail(kErrorInvalidFunction);
    if (!serviceRunning) return fail(kErrorServiceNotActive);
    serviceRunning = false;
    hookedTarget_.clear();
    if (markedForDelete_) {
        serviceInstalled = false;
        markedForDelete_ = false;
    }
    return true;
}

bool FakeDriverServices::deleteService(OsHandle service) {
    record("DeleteService");
    if (!isOpen(service, Kind::Service)) return fail(kErrorInvalidHandle);
    if (markedForDelete_) return fail(kErrorServiceMarkedForDelete);
    // A running service is only marked; it goes when it stops.
    if (serviceRunning) {
        markedForDelete_ = true;
    } else {
        serviceInstalled = false;
    }
    return true;
}

bool FakeDriverServices::closeServiceHandle(OsHandle handle) {
    record("CloseServiceHandle");
    if (!isOpen(handle, Kind::Manager) && !isOpen(handle, Kind::Service)) {
        return fail(kErrorInvalidHandle);
    }
    handles_.erase(handle);
    return true;
}

OsHandle FakeDriverServices::createFile(const std::string& name, uint32_t access,
                                        uint32_t shareMode, uint32_t creation,
                                        uint32_t attributes) {
    record("CreateFile(" + name + ", " + Hex(access) + ", " + std::to_string(shareMode) + ", " +
           std::to_string(creation) + ", " + Hex(attributes) + ")");
    // The driver names its device under Global only where the system has that namespace.
    const bool global = (version & 0xFF) >= 5;
    const std::string device = global ? "\\\\.\\Global\\KESTRAL" : "\\\\.\\KESTRAL";
    if (!serviceRunning || name != device) {
        fail(kErrorFileNotFound);
        return kInvalidHandle;
    }
    return newHandle(Kind::Device);
}

bool FakeDriverServices::closeHandle(OsHandle handle) {
    record("CloseHandle");
    if (!isOpen(handle, Kind::Device)) return fail(kErrorInvalidHandle);
    handles_.erase(handle);
    return true;
}

bool FakeDriverServices::deviceIoControl(OsHandle device, uint32_t code, const void* input,
                                         uint32_t inputSize, void* output, uint32_t outputSize,
                                         uint32_t& bytesReturned) {
    record("DeviceIoControl(" + Hex(code) + ", in " + std::to_string(inputSize) + ", out " +
           std::to_string(outputSize) + ")");
    bytesReturned = 0;
    if (!isOpen(device, Kind::Device) || !serviceRunning) return fail(kErrorInvalidHandle);
    switch (code) {
        case kGetVersion:
            if (output == nullptr || outputSize < sizeof driverVersion) {
                return fail(kErrorInsufficientBuffer);
            }
            std::memcpy(output, &driverVersion, sizeof driverVersion);
            bytesReturned = sizeof driverVersion;
            return true;
        case kHookPort: {
            const std::string bytes(static_cast<const char*>(input), inputSize);
            hookInputs.push_back(bytes);
            if (!hookSucceeds) return fail(kErrorGenFailure);
            hookedTarget_ = bytes.substr(0, bytes.find('\0'));
            return true;
        }
        case kQueryUnload:
            if (unloadQueryError != 0) return fail(unloadQueryError);
            bytesReturned = outstandingRequests;
            return true;
        default:
            return fail(kErrorInvalidFunction);
    }
}

uint32_t FakeDriverServices::queryDosDevice(const std::string& deviceName, char* target,
                                            uint32_t maxChars) {
    record("QueryDosDevice(" + deviceName + ", " + std::to_string(maxChars) + ")");
    const auto found = dosDevices.find(Upper(deviceName));
    if (found == dosDevices.end()) {
        fail(kErrorFileNotFound);
        return 0;
    }
    // One name, its NUL, and the NUL that closes the list.
    const std::string list = found->second + std::string(2, '\0');
    if (list.size() > maxChars) {
        fail(kErrorInsufficientBuffer);
        return 0;
    }
    std::memcpy(target, list.data(), list.size());
    return static_cast<uint32_t>(list.size());
}

bool FakeDriverServices::fileExists(const std::string& path) {
    record("FindFile(" + path + ")");
    return hasFile(path) || fail(kErrorFileNotFound);
}

bool FakeDriverServices::copyFile(const std::string& from, const std::string& to,
                                  bool failIfExists) {
    record("CopyFile(" + from + ", " + to + (failIfExists ? ", keep)" : ", overwrite)"));
    if (copyError != 0) return fail(copyError);
    if (!hasFile(from)) return fail(kErrorFileNotFound);
    if (failIfExists && hasFile(to)) return fail(kErrorFileExists);
    addFile(to);
    return true;
}

bool FakeDriverServices::setFileAttributes(const std::string& path, uint32_t attributes) {
    record("SetFileAttributes(" + path + ", " + Hex(attributes) + ")");
    return hasFile(path) || fail(kErrorFileNotFound);
}

bool FakeDriverServices::deleteFile(const std::string& path) {
    record("DeleteFile(" + path + ")");
    return files_.erase(Upper(path)) != 0 || fail(kErrorFileNotFound);
}

std::string FakeDriverServices::environmentVariable(const std::string& name) {
    record("GetEnvironmentVariable(" + name + ")");
    const auto found = environment.find(name);
    if (found == environment.end()) {
        fail(kErrorEnvVarNotFound);
        return {};
    }
    return found->second;
}

uint32_t FakeDriverServices::versionWord() {
    record("GetVersion");
    return version;
}

std::string FakeDriverServices::executablePath() {
    record("GetModuleFileName");
    return exePath;
}

void FakeDriverServices::sleep(uint32_t milliseconds) {
    record("Sleep(" + std::to_string(milliseconds) + ")");
}

MessageBoxAnswer FakeDriverServices::stopMessageBox(const std::string& caption,
                                                    const std::string& text,
                                                    MessageBoxButtons buttons) {
    record("MessageBox");
    boxes.push_back({caption, text, buttons, serviceInstalled});
    return buttons == MessageBoxButtons::Ok ? MessageBoxAnswer::Ok : boxAnswer;
}

void FakeDriverServices::postQuit() {
    record("PostQuit");
    ++quitRequests;
}
