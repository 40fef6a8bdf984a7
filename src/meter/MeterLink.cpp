#include "meter/MeterLink.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/Translation.h"
#include "meter/PortFailure.h"

namespace {

constexpr std::size_t kReceiveBufferBytes = 255;

}  // namespace

MeterLink::MeterLink(SerialPorts& ports, Logger& log, MessagePresenter& presenter,
                     PortSharing* sharing)
    : ports_(ports), log_(log), presenter_(presenter), sharing_(sharing) {}

bool MeterLink::OpenComPort(bool quietRepeat) {
    const std::string name = ComPortName(ComPort);
    caption_ = MonitoringCaption(false, ComPort);
    hungUp_ = false;

    uint32_t error = 0;
    port_ = OpenPort(name, error);
    if (!port_) {
        if (NoteOpenFailure(name, error) && quietRepeat) return false;
        log_.Log("CreateFile on port " + name + " failed with error " + std::to_string(error));
        log_.Log(ports_.ErrorText(error));
        log_.Log(openFailure_);
        return false;
    }
    log_.Log("CreateFile on port " + name + " returned with valid handle.");

    if (!ConfigurePort(name)) {
        NoteOpenFailure(name, port_->LastError());
        // The callers go on to open another port; don't keep this one locked meanwhile.
        port_.reset();
        return false;
    }
    openFailure_.clear();
    shownFailure_.clear();
    log_.Log("Comport " + name + " successfully opened.");
    return true;
}

bool MeterLink::NoteOpenFailure(const std::string& name, uint32_t error) {
    const PortDevice device = ports_.Device(name);
    const std::string systemText = ports_.ErrorText(error);
    std::string reason = OpenFailureReason(name, ports_.Codes(), error, device, systemText, true);
    const bool repeated = reason == openFailure_;
    openFailure_ = std::move(reason);
    shownFailure_ = OpenFailureReason(name, ports_.Codes(), error, device, systemText);
    return repeated;
}

void MeterLink::NoteIoFailure() {
    if (IsHangUpError(ports_.Codes(), port_->LastError())) hungUp_ = true;
}

std::unique_ptr<SerialPort> MeterLink::OpenPort(const std::string& name, uint32_t& error) {
    const std::string openName = ComPortOpenName(ComPort);
    if (sharing_ != nullptr && sharing_->ShouldShare(log_)) {
        log_.Log("Calling HookComPort for " + name);
        auto port = sharing_->HookComPort(openName, error);
        log_.Log("Returned from HookComPort");
        TellSharingNote();
        return port;
    }
    TellSharingNote();
    return ports_.Open(openName, error);
}

void MeterLink::TellSharingNote() {
    const std::string note = sharing_ != nullptr ? sharing_->TakeNote() : std::string();
    if (note.empty()) return;
    log_.Log(note);
    presenter_.ShowMessage(Translated("Message", "Information"), MessageKind::Information,
                           Translated("Message", note.c_str()));
}

bool MeterLink::LogFailure(const std::string& call, const std::string& name) {
    log_.Log(call + " on port " + name + " failed with error " +
             std::to_string(port_->LastError()));
    return false;
}

bool MeterLink::ConfigurePort(const std::string& name) {
    CommState dcb;
    if (!port_->GetCommState(dcb)) return LogFailure("GetCommState", name);
    dcb.BaudRate = kMeterBaudRate;
    dcb.ByteSize = 8;
    dcb.Parity = 0;
    dcb.StopBits = 0;
    log_.Log("dcb.Flags going in = " + std::to_string(dcb.Flags));
    // Binary mode only: no parity check, no flow control, DTR and RTS disabled.
    dcb.Flags = 1;
    log_.Log("dcb.DCBLength = " + std::to_string(dcb.DCBlength));
    log_.Log("dcb.Flags about to be set to " + std::to_string(dcb.Flags));
    if (!port_->SetCommState(dcb)) return LogFailure("SetCommState", name);

    CommTimeouts timeouts;
    if (!port_->GetCommTimeouts(timeouts)) return LogFailure("GetCommTimeOuts", name);
    timeouts.ReadIntervalTimeout = 0;
    timeouts.ReadTotalTimeoutMultiplier = kReadMsPerByte;
    timeouts.ReadTotalTimeoutConstant = 0;
    if (!port_->SetCommTimeouts(timeouts)) return LogFailure("SetCommTimeOuts", name);
    return true;
}

void MeterLink::ClosePort() {
    port_.reset();
    hungUp_ = false;
}

void MeterLink::Send(const std::string& bytes) {
    if (!port_ || hungUp_) return;
    std::size_t written = 0;
    // A failed write is not reported by itself: it shows up as a missing reply.
    if (!port_->Write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), written))
        NoteIoFailure();
}

std::string MeterLink::Receive(int count, bool arrivedOnly) {
    if (!port_ || hungUp_ || count <= 0) return {};
    std::array<uint8_t, kReceiveBufferBytes> buffer{};
    const std::size_t wanted =
        std::min<std::size_t>(static_cast<std::size_t>(count), buffer.size());
    std::size_t received = 0;
    try {
        if (!(arrivedOnly ? port_->ReadPending(buffer.data(), wanted, received)
                          : port_->Read(buffer.data(), wanted, received))) {
            NoteIoFailure();
            return {};
        }
    } catch (...) {
        presenter_.ShowMessage(
            Translated("Message", "Error"), MessageKind::Error,
            Translated("Message", "An exception was raised attempting to read from the com port."));
        return {};
    }
    return std::string(reinterpret_cast<const char*>(buffer.data()), std::min(received, wanted));
}

std::string MeterLink::GetFirmwareInfo(bool fakeDataEnabled) {
    if (fakeDataEnabled) return kSimulatedModeText;

    Flush();
    Send(std::string(1, kFirmwareCommand));
    const std::string reply = Receive(kIdentificationBytes);
    FirmwareVersion = FirmwareVersionIn(reply);
    Flush();
    const std::string shown = PrintableText(reply);
    return shown.empty() ? kFirmwareNotDetected : shown;
}

void MeterLink::Flush() {
    // Stray bytes left in the buffer would be read as the next frame, cycle after cycle.
    for (std::size_t drained = 0; drained < static_cast<std::size_t>(kMaxFlushBytes);) {
        const std::size_t got = Receive(kFlushBytes, true).size();
        if (got == 0) break;
        drained += got;
    }
}

std::string MeterLink::GetData(const ExchangeRequest& request) {
    if (request.FakeDataEnabled && request.FakeData) return request.FakeData();
    return Receive(kFrameBytes);
}

DataReply MeterLink::QueryData(const ExchangeRequest& request) {
    Send(std::string(1, request.Psk63Checked ? kPsk63DataCommand : kPsk31DataCommand));
    DataReply data;
    data.Reply = GetData(request);
    if (IsIdentificationText(data.Reply)) {
        data.IdentificationText = true;
        data.Reply = PrintableText(data.Reply.substr(0, kIdentificationBytes));
        Flush();
    }
    return data;
}

GraphExchangeResult MeterLink::GraphExchange(const ExchangeRequest& request) {
    GraphExchangeResult result;
    if (FirmwareVersion.empty()) {
        GetFirmwareInfo(request.FakeDataEnabled);
        result.FirmwareQueried = !request.FakeDataEnabled;
        if (FirmwareVersion.empty() && !request.FakeDataEnabled) {
            result.NoFirmware = true;
            return result;
        }
    }
    Flush();
    static_cast<DataReply&>(result) = QueryData(request);
    return result;
}

TextExchangeResult MeterLink::TextExchange(const ExchangeRequest& request) {
    return QueryData(request);
}
