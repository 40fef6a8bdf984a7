#include "platform/linux/LinuxSerialPorts.h"

#include "platform/linux/ConfigPaths.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace {

// DCB flag bits, as the Win32 record lays them out.
constexpr uint32_t kBinary = 0x0001;
constexpr uint32_t kParityCheck = 0x0002;
constexpr uint32_t kOutxCtsFlow = 0x0004;
constexpr uint32_t kOutX = 0x0100;
constexpr uint32_t kInX = 0x0200;
constexpr int kDtrShift = 4;
constexpr int kRtsShift = 12;
constexpr uint32_t kLineControlMask = 0x3;
constexpr uint32_t kControlDisable = 0;
constexpr uint32_t kControlEnable = 1;
constexpr uint32_t kRtsHandshake = 2;
// Bits with no termios counterpart: DSR flow and sensitivity, continue-on-XOFF,
// error-character replacement, null stripping, abort-on-error. Kept so that what was
// set reads back.
constexpr uint32_t kKeptBits = 0x0008 | 0x0040 | 0x0080 | 0x0400 | 0x0800 | 0x4000;

constexpr uint32_t kMaxDword = 0xFFFFFFFF;

struct BaudSpeed {
    uint32_t baud;
    speed_t speed;
};
constexpr BaudSpeed kBaudRates[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

std::optional<speed_t> SpeedFor(uint32_t baud) {
    for (const auto& rate : kBaudRates)
        if (rate.baud == baud) return rate.speed;
    return std::nullopt;
}

uint32_t BaudFor(speed_t speed) {
    for (const auto& rate : kBaudRates)
        if (rate.speed == speed) return rate.baud;
    return 0;
}

// The port number of "COMn" (any case), or 0 when the name is something else.
unsigned PortNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 12) return 0;
    for (std::size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    unsigned number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        number = number * 10 + static_cast<unsigned>(name[i] - '0');
    }
    return number;
}

std::string DefaultDevice(unsigned n) {
    if (n >= 5 && n <= 12) return "/dev/ttyUSB" + std::to_string(n - 5);
    if (n >= 13 && n <= 16) return "/dev/ttyACM" + std::to_string(n - 13);
    return "/dev/ttyS" + std::to_string(n - 1);
}

// Milliseconds to wait for `left`, rounded up so a wait never ends before its deadline.
int CeilMs(std::chrono::steady_clock::duration left) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    const long long ms = (ns + 999'999) / 1'000'000;
    return static_cast<int>(std::clamp<long long>(ms, 0, INT_MAX));
}

class LinuxSerialPort final : public SerialPort {
public:
    LinuxSerialPort(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~LinuxSerialPort() override {
        // The exclusive flag outlives the descriptor on a pseudo-terminal whose other end
        // stays open, which would lock us out of our own port on the next open.
        ::ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }
    LinuxSerialPort(const LinuxSerialPort&) = delete;
    LinuxSerialPort& operator=(const LinuxSerialPort&) = delete;

    bool GetCommState(CommState& state) override;
    bool SetCommState(const CommState& state) override;
    bool GetCommTimeouts(CommTimeouts& timeouts) override {
        timeouts = timeouts_;
        return true;
    }
    bool SetCommTimeouts(const CommTimeouts& timeouts) override {
        timeouts_ = timeouts;
        return true;
    }
    bool Read(uint8_t* buffer, std::size_t count, std::size_t& received) override;
    bool ReadPending(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        received = 0;
        int queued = 0;
        if (::ioctl(fd_, TIOCINQ, &queued) != 0) return Fail(errno);
        if (queued <= 0) {
            pollfd input{fd_, POLLIN, 0};
            if (::poll(&input, 1, kQuietGapMs) < 0 && errno != EINTR) return Fail(errno);
            if (::ioctl(fd_, TIOCINQ, &queued) != 0) return Fail(errno);
        }
        // Bytes already queued are there for the taking: the read cannot wait.
        return Read(buffer, std::min(count, static_cast<std::size_t>(std::max(queued, 0))),
                    received);
    }
    bool Write(const uint8_t* data, std::size_t count, std::size_t& written) override;
    uint32_t LastError() const override { return lastError_; }

private:
    bool Fail(int error) {
        lastError_ = static_cast<uint32_t>(error);
        return false;
    }
    bool SetModemLine(int line, bool raise);

    // A device whose node went without a hang-up (a driver that only removes it) is gone
    // all the same: a read that ran out of time looks for it.
    bool NodeGone() const {
        struct stat node {};
        return ::stat(path_.c_str(), &node) != 0 && errno == ENOENT;
    }

    int fd_;
    std::string path_;
    uint32_t lastError_ = 0;
    CommTimeouts timeouts_;
    uint32_t dcbLength_ = CommState{}.DCBlength;
    uint32_t keptFlags_ = 0;
    // The kernel raises DTR and RTS when a port opens.
    uint32_t dtrControl_ = kControlEnable;
    uint32_t rtsControl_ = kControlEnable;
};

bool LinuxSerialPort::GetCommState(CommState& state) {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return Fail(errno);
    state.DCBlength = dcbLength_;
    state.BaudRate = BaudFor(::cfgetospeed(&tio));
    switch (tio.c_cflag & CSIZE) {
        case CS5:
            state.ByteSize = 5;
            break;
        case CS6:
            state.ByteSize = 6;
            break;
        case CS7:
            state.ByteSize = 7;
            break;
        default:
            state.ByteSize = 8;
            break;
    }
    if ((tio.c_cflag & PARENB) == 0)
        state.Parity = 0;
    else if (tio.c_cflag & CMSPAR)
        state.Parity = (tio.c_cflag & PARODD) ? 3 : 4;  // mark : space
    else
        state.Parity = (tio.c_cflag & PARODD) ? 1 : 2;  // odd : even
    state.StopBits = (tio.c_cflag & CSTOPB) ? 2 : 0;

    const bool hardwareFlow = (tio.c_cflag & CRTSCTS) != 0;
    uint32_t flags = kBinary | keptFlags_;
    if (tio.c_iflag & INPCK) flags |= kParityCheck;
    if (hardwareFlow) flags |= kOutxCtsFlow;
    if (tio.c_iflag & IXON) flags |= kOutX;
    if (tio.c_iflag & IXOFF) flags |= kInX;
    flags |= dtrControl_ << kDtrShift;
    flags |= (hardwareFlow ? kRtsHandshake : rtsControl_) << kRtsShift;
    state.Flags = flags;
    return true;
}

bool LinuxSerialPort::SetCommState(const CommState& state) {
    termios tio{};
    if (::tcgetattr(fd_, &tio) != 0) return Fail(errno);
    if (!TermiosFromCommState(state, tio)) return Fail(EINVAL);
    const uint32_t dtr = (state.Flags >> kDtrShift) & kLineControlMask;
    const uint32_t rts = (state.Flags >> kRtsShift) & kLineControlMask;
    if (::tcsetattr(fd_, TCSANOW, &tio) != 0) return Fail(errno);

    // Handshake modes of DTR and toggle mode of RTS have no Linux form: the line stays up.
    if (!SetModemLine(TIOCM_DTR, dtr != kControlDisable)) return false;
    if (rts != kRtsHandshake && !SetModemLine(TIOCM_RTS, rts != kControlDisable)) return false;

    dcbLength_ = state.DCBlength;
    keptFlags_ = state.Flags & kKeptBits;
    dtrControl_ = dtr;
    rtsControl_ = rts;
    return true;
}

bool LinuxSerialPort::SetModemLine(int line, bool raise) {
    if (::ioctl(fd_, raise ? TIOCMBIS : TIOCMBIC, &line) == 0) return true;
    // Pseudo-terminals and some adapters have no modem lines: nothing to set.
    if (errno == ENOTTY || errno == EINVAL) return true;
    return Fail(errno);
}

bool LinuxSerialPort::Read(uint8_t* buffer, std::size_t count, std::size_t& received) {
    using Clock = std::chrono::steady_clock;
    received = 0;
    if (count == 0) return true;

    const auto& t = timeouts_;
    // Win32's "return at once with what is there".
    const bool immediate = t.ReadIntervalTimeout == kMaxDword &&
                           t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
    const unsigned long long totalMs =
        static_cast<unsigned long long>(t.ReadTotalTimeoutMultiplier) * count +
        t.ReadTotalTimeoutConstant;
    const bool useInterval = t.ReadIntervalTimeout != 0 && t.ReadIntervalTimeout != kMaxDword;
    const auto start = Clock::now();
    const auto deadline = start + std::chrono::milliseconds(totalMs);
    auto lastByte = start;

    while (received < count) {
        int waitMs = -1;  // no time-out configured: wait for all bytes
        if (immediate) {
            waitMs = 0;
        } else {
            std::optional<Clock::time_point> until;
            if (totalMs > 0) until = deadline;
            if (useInterval && received > 0) {
                const auto gapEnd = lastByte + std::chrono::milliseconds(t.ReadIntervalTimeout);
                until = until ? std::min(*until, gapEnd) : gapEnd;
            }
            if (until) {
                const auto now = Clock::now();
                if (now >= *until) break;
                waitMs = CeilMs(*until - now);
            }
        }

        pollfd pfd{fd_, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, waitMs);
        if (ready < 0) {
            if (errno == EINTR) continue;
            return Fail(errno);
        }
        if (ready == 0) {
            if (immediate) break;
            continue;  // the loop checks the deadline again
        }
        if (pfd.revents & POLLIN) {
            const ssize_t got = ::read(fd_, buffer + received, count - received);
            if (got > 0) {
                received += static_cast<std::size_t>(got);
                lastByte = Clock::now();
                continue;
            }
            if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
            // Readable yet nothing to read: the other end hung up.
            return Fail(got == 0 ? EIO : errno);
        }
        // Hang-up or error without data: the device is gone (USB unplugged).
        return Fail((pfd.revents & POLLNVAL) ? EBADF : EIO);
    }
    if (received < count && !immediate && NodeGone()) return Fail(ENODEV);
    return true;
}

bool LinuxSerialPort::Write(const uint8_t* data, std::size_t count, std::size_t& written) {
    // Without flow control the kernel drains its buffer at the line rate, so a blocking
    // write cannot stall for long; the write time-outs are kept but not needed.
    written = 0;
    while (written < count) {
        const ssize_t put = ::write(fd_, data + written, count - written);
        if (put > 0) {
            written += static_cast<std::size_t>(put);
        } else if (put < 0 && errno == EINTR) {
            continue;
        } else {
            return Fail(put < 0 ? errno : EIO);
        }
    }
    return true;
}

bool Refuse(int fd, int error, uint32_t& out) {
    ::close(fd);
    out = static_cast<uint32_t>(error);
    return false;
}

// Exclusive use, blocking reads and raw 8N1 without flow control.
bool PreparePort(int fd, uint32_t& error) {
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) != 0) return Refuse(fd, errno, error);
    // The kernel lets a privileged user through an exclusive port; we don't.
    if (exclusive != 0) return Refuse(fd, EBUSY, error);
    if (::ioctl(fd, TIOCEXCL) != 0) return Refuse(fd, errno, error);

    const int fileFlags = ::fcntl(fd, F_GETFL);
    if (fileFlags < 0 || ::fcntl(fd, F_SETFL, fileFlags & ~O_NONBLOCK) != 0)
        return Refuse(fd, errno, error);

    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return Refuse(fd, errno, error);
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~(CRTSCTS | CSTOPB | PARENB | PARODD | CMSPAR);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return Refuse(fd, errno, error);
    return true;
}

}  // namespace

bool TermiosFromCommState(const CommState& state, termios& tio) {
    const auto speed = SpeedFor(state.BaudRate);
    if (!speed) return false;
    ::cfsetispeed(&tio, *speed);
    ::cfsetospeed(&tio, *speed);

    tcflag_t size = 0;
    switch (state.ByteSize) {
        case 5:
            size = CS5;
            break;
        case 6:
            size = CS6;
            break;
        case 7:
            size = CS7;
            break;
        case 8:
            size = CS8;
            break;
        default:
            return false;
    }
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | size;

    tio.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (state.Parity) {
        case 0:
            break;
        case 1:
            tio.c_cflag |= PARENB | PARODD;
            break;
        case 2:
            tio.c_cflag |= PARENB;
            break;
        case 3:
            tio.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case 4:
            tio.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            return false;
    }
    // Linux has no one-and-a-half stop bits.
    if (state.StopBits == 0)
        tio.c_cflag &= ~CSTOPB;
    else if (state.StopBits == 2)
        tio.c_cflag |= CSTOPB;
    else
        return false;

    const uint32_t rts = (state.Flags >> kRtsShift) & kLineControlMask;
    auto setIf = [](tcflag_t& field, tcflag_t bit, bool on) {
        field = on ? (field | bit) : (field & ~bit);
    };
    setIf(tio.c_iflag, INPCK, state.Flags & kParityCheck);
    setIf(tio.c_cflag, CRTSCTS, (state.Flags & kOutxCtsFlow) || rts == kRtsHandshake);
    setIf(tio.c_iflag, IXON, state.Flags & kOutX);
    setIf(tio.c_iflag, IXOFF, state.Flags & kInX);
    return true;
}

std::string ComDevicePath(const std::string& name) {
    static const std::string devicePrefix = "\\\\.\\";
    const std::string bare =
        name.starts_with(devicePrefix) ? name.substr(devicePrefix.size()) : name;
    const unsigned n = PortNumber(bare);
    if (n == 0) return {};

    const std::string link = QuorvaneConfigDir() + "/dosdevices/com" + std::to_string(n);
    struct stat entry {};
    // The link itself counts: a dangling one means the configured device is unplugged.
    if (::lstat(link.c_str(), &entry) == 0) return link;
    return DefaultDevice(n);
}

std::unique_ptr<SerialPort> LinuxSerialPorts::Open(const std::string& name, uint32_t& error) {
    const std::string path = ComDevicePath(name);
    if (path.empty()) {
        error = ENOENT;
        return nullptr;
    }
    // Non-blocking so that a modem line without carrier cannot hold up the open.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = static_cast<uint32_t>(errno);
        return nullptr;
    }
    if (!PreparePort(fd, error)) return nullptr;
    error = 0;
    return std::make_unique<LinuxSerialPort>(fd, path);
}

std::string LinuxSerialPorts::ErrorText(uint32_t code) const {
    char buffer[256];
    return ::strerror_r(static_cast<int>(code), buffer, sizeof buffer);
}

PortDevice LinuxSerialPorts::Device(const std::string& name) const {
    PortDevice device;
    device.Path = ComDevicePath(name);
    std::vector<char> target(PATH_MAX);
    const ssize_t length = ::readlink(device.Path.c_str(), target.data(), target.size());
    const std::string node = device.Path;
    if (length > 0) device.Path.assign(target.data(), static_cast<std::size_t>(length));
    struct stat status {};
    if (node.empty() || ::stat(node.c_str(), &status) != 0) return device;
    device.GroupMayOpen = (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    std::vector<char> buffer(4096);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(status.st_gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        device.Group = found->gr_name;
    return device;
}
