#pragma once
// The meter's serial link: opening and configuring the COM port, the identification
// exchange and the per-cycle data exchange.
//
// Threads: a MeterLink is used by one thread at a time. The measurement cycles run their
// exchange (GraphExchange, TextExchange) on a worker thread so that the window stays
// responsive while a read waits; the GUI thread starts at most one exchange at a time and
// waits for it to finish before it touches the link itself (port change, About box,
// shutdown) or reads FirmwareVersion. Nothing here locks.

#include <functional>
#include <memory>
#include <string>

#include "base/Logger.h"
#include "base/MessagePresenter.h"
#include "meter/MeterProtocol.h"
#include "meter/PortSharing.h"
#include "platform/SerialPort.h"

// How one cycle asks for its frame.
struct ExchangeRequest {
    bool Psk63Checked = false;     // "S" instead of "s", whether or not the item is enabled
    bool FakeDataEnabled = false;  // the simulated meter supplies the frame
    // Makes the simulated frame; called (on the exchange's thread) only while
    // FakeDataEnabled, and without one the frame is read from the port. A worker-thread
    // caller hands in a frame made beforehand on the GUI thread, where the mixer lives.
    std::function<std::string()> FakeData;
};

// The meter's answer to a data command.
struct DataReply {
    bool IdentificationText = false;  // Reply: its first 31 bytes' printable text
    std::string Reply;                // otherwise the frame as received (any length)
};

using TextExchangeResult = DataReply;

struct GraphExchangeResult : DataReply {
    // The firmware query went to the meter: apply PskModeAfterFirmwareQuery on the GUI thread.
    bool FirmwareQueried = false;
    // The meter has not identified itself and no simulated meter stands in: the cycle
    // ends without touching the display, and Reply stays empty.
    bool NoFirmware = false;
};

class MeterLink {
public:
    // `sharing` may be null: the port is then always opened directly.
    MeterLink(SerialPorts& ports, Logger& log, MessagePresenter& presenter,
              PortSharing* sharing = nullptr);
    MeterLink(const MeterLink&) = delete;
    MeterLink& operator=(const MeterLink&) = delete;

    int ComPort = 1;
    // The four characters after "Version " in the last identification reply.
    std::string FirmwareVersion;

    // Opens and configures COM<ComPort>, logging each step. Afterwards Caption() holds
    // the caption the window is to show, whether or not the open worked, and a failure
    // leaves its reason in OpenFailure(). `quietRepeat`: a failure whose reason is the one
    // of the last failed open goes unlogged (retries while the meter is unplugged).
    bool OpenComPort(bool quietRepeat = false);
    const std::string& Caption() const { return caption_; }
    // "COMn: <reason>" of the last failed open, in the operator's words.
    const std::string& OpenFailure() const { return shownFailure_; }
    void ClosePort();
    bool IsOpen() const { return port_ != nullptr; }
    // The open port's device went away (unplugged): its reads and writes failed with a
    // hang-up, and the link tries no more of them until the port is closed.
    bool HungUp() const { return hungUp_; }

    void Send(const std::string& bytes);
    // Up to `count` bytes (at most 255); empty without a port, on a failed read or when
    // the read threw (the operator is told). `arrivedOnly` takes only what has arrived.
    std::string Receive(int count, bool arrivedOnly = false);

    // The identification exchange. Returns the text for the status line: the meter's
    // identification, "QUORVANE firmware not detected" or "Simulated Mode".
    std::string GetFirmwareInfo(bool fakeDataEnabled);

    // The exchanges of one graph cycle and one text cycle.
    GraphExchangeResult GraphExchange(const ExchangeRequest& request);
    TextExchangeResult TextExchange(const ExchangeRequest& request);

private:
    std::unique_ptr<SerialPort> OpenPort(const std::string& name, uint32_t& error);
    // Logs and shows why the port is not shared after all, when there is a reason.
    void TellSharingNote();
    bool ConfigurePort(const std::string& name);
    bool LogFailure(const std::string& call, const std::string& name);
    // Keeps the reason of a failed open; true when it is the same as the last one.
    bool NoteOpenFailure(const std::string& name, uint32_t error);
    void NoteIoFailure();
    std::string GetData(const ExchangeRequest& request);
    // Throws away what has arrived, 83 bytes a read, without waiting for more.
    void Flush();
    // Command, frame, and identification text cut and drained.
    DataReply QueryData(const ExchangeRequest& request);

    SerialPorts& ports_;
    Logger& log_;
    MessagePresenter& presenter_;
    PortSharing* sharing_;
    std::unique_ptr<SerialPort> port_;
    std::string caption_;
    std::string openFailure_;   // in English, for the log
    std::string shownFailure_;  // the same in the operator's language
    bool hungUp_ = false;
};
