#include "meter/PortFailure.h"

#include <algorithm>
#include <cerrno>
#include <initializer_list>

#include "base/Translation.h"

namespace {

// Win32 error codes, as winerror.h numbers them.
namespace win32 {
constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kInvalidHandle = 6;
constexpr uint32_t kBadCommand = 22;
constexpr uint32_t kGenFailure = 31;
constexpr uint32_t kSharingViolation = 32;
constexpr uint32_t kDevNotExist = 55;
constexpr uint32_t kBusy = 170;
constexpr uint32_t kNoSuchDevice = 433;
constexpr uint32_t kOperationAborted = 995;
constexpr uint32_t kDeviceNotConnected = 1167;
constexpr uint32_t kDeviceRemoved = 1617;
}  // namespace win32

bool OneOf(uint32_t code, std::initializer_list<uint32_t> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

constexpr uint32_t Code(int code) {
    return static_cast<uint32_t>(code);
}

}  // namespace

OpenFailureKind ClassifyOpenFailure(ErrorCodeSet codes, uint32_t code) {
    if (codes == ErrorCodeSet::Win32) {
        using namespace win32;
        if (OneOf(code, {kFileNotFound, kPathNotFound, kDevNotExist, kNoSuchDevice,
                         kDeviceNotConnected, kDeviceRemoved}))
            return OpenFailureKind::NotPresent;
        // Windows refuses a COM port that another handle holds with "access denied".
        if (OneOf(code, {kAccessDenied, kSharingViolation, kBusy})) return OpenFailureKind::InUse;
        return OpenFailureKind::Other;
    }
    // A serial node without its hardware (ttyS of a missing UART) fails its open with EIO.
    if (OneOf(code, {Code(ENOENT), Code(ENODEV), Code(ENXIO), Code(EIO), Code(ENOTDIR)}))
        return OpenFailureKind::NotPresent;
    if (code == Code(EBUSY)) return OpenFailureKind::InUse;
    if (OneOf(code, {Code(EACCES), Code(EPERM)})) return OpenFailureKind::NoPermission;
    return OpenFailureKind::Other;
}

bool IsHangUpError(ErrorCodeSet codes, uint32_t code) {
    if (codes == ErrorCodeSet::Win32) {
        using namespace win32;
        // A removed USB adapter's handle answers with any of these, depending on its driver
        // (995: its I/O aborted, 6: the handle gone with the device, 433: no such device).
        return OneOf(code, {kAccessDenied, kInvalidHandle, kBadCommand, kGenFailure, kNoSuchDevice,
                            kOperationAborted, kDeviceNotConnected, kDeviceRemoved});
    }
    return OneOf(code, {Code(EIO), Code(ENXIO), Code(ENODEV)});
}

std::string OpenFailureReason(const std::string& portName, ErrorCodeSet codes, uint32_t code,
                              const PortDevice& device, const std::string& systemText,
                              bool english) {
    // %2 in the texts below: a blank and the device's path.
    const std::string where = device.Path.empty() ? "" : " " + device.Path;
    const auto text = [&](const char* pattern) {
        return TextIn(english, "PortFailure", pattern, {portName, where, device.Group});
    };
    switch (ClassifyOpenFailure(codes, code)) {
        case OpenFailureKind::NotPresent:
            return where.empty()
                       ? text(TRANSLATABLE("PortFailure", "%1: not present."))
                       : text(TRANSLATABLE("PortFailure", "%1: not present (no device at%2)."));
        case OpenFailureKind::InUse:
            return text(TRANSLATABLE("PortFailure", "%1: in use by another program."));
        case OpenFailureKind::NoPermission:
            // Membership of root's group is no fix, and a group without access none either.
            if (!device.Group.empty() && device.Group != "root" && device.GroupMayOpen)
                return text(TRANSLATABLE("PortFailure",
                                         "%1: no permission for%2, add your user to the %3 group: "
                                         "sudo usermod -aG %3 $USER, then log in again."));
            return text(TRANSLATABLE("PortFailure",
                                     "%1: no permission for%2, ask the "
                                     "administrator for read and write access "
                                     "to it."));
        case OpenFailureKind::Other:
            break;
    }
    return TextIn(english, "PortFailure", TRANSLATABLE("PortFailure", "%1: %2 (error %3)."),
                  {portName, systemText, std::to_string(code)});
}
