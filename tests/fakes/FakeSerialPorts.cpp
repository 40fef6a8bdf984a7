#include "fakes/FakeSerialPorts.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

class FakeSerialPort final : public SerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<FakePortLine> line) : line_(std::move(line)) {}
    ~FakeSerialPort() override { line_->transcript.push_back("close"); }

    bool GetCommState(CommState& state) override {
        return Call("GetCommState") && (state = line_->state, true);
    }
    bool SetCommState(const CommState& state) override {
        return Call("SetCommState") && (line_->state = state, true);
    }
    bool GetCommTimeouts(CommTimeouts& timeouts) override {
        return Call("GetCommTimeouts") && (timeouts = line_->timeouts, true);
    }
    bool SetCommTimeouts(const CommTimeouts& timeouts) override {
        return Call("SetCommTimeouts") && (line_->timeouts = timeouts, true);
    }
    bool Read(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        return Take("read ", buffer, count, received);
    }
    // The next entry counts as arrived already: it is taken the same way.
    bool ReadPending(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        return Take("drain ", buffer, count, received);
    }
    bool Write(const uint8_t* data, std::size_t count, std::size_t& written) override {
        const std::string bytes(reinterpret_cast<const char*>(data), count);
        line_->transcript.push_back("write " + bytes);
        for (char command : bytes) {
            const auto answer = line_->answers.find(command);
            if (answer != line_->answers.end()) line_->replies.push_back(answer->second);
        }
        written = count;
        return true;
    }
    uint32_t LastError() const override { return lastError_; }

private:
    // A read of either kind; a scripted "read" failure fails both.
    bool Take(const char* call, uint8_t* buffer, std::size_t count, std::size_t& received) {
        received = 0;
        if (!Call("read", call + std::to_string(count))) return false;
        if (line_->readThrows) throw std::runtime_error("fake read failure");
        if (line_->replies.empty()) return true;
        std::string& reply = line_->replies.front();
        received = std::min(count, reply.size());
        std::memcpy(buffer, reply.data(), received);
        if (received < reply.size())
            reply.erase(0, received);
        else
            line_->replies.pop_front();
        return true;
    }
    // Records the call; false, with its error, when the script makes it fail.
    bool Call(const std::string& name, const std::string& recorded = "") {
        line_->transcript.push_back(recorded.empty() ? name : recorded);
        const auto failure = line_->failures.find(name);
        lastError_ = failure == line_->failures.end() ? 0 : failure->second;
        return lastError_ == 0;
    }

    std::shared_ptr<FakePortLine> line_;
    uint32_t lastError_ = 0;
};

}  // namespace

std::unique_ptr<SerialPort> FakeSerialPorts::Open(const std::string& name, uint32_t& error) {
    FakePortLine& line = Line(name);
    line.transcript.push_back("open");
    error = line.openError;
    return error != 0 ? nullptr : std::make_unique<FakeSerialPort>(lines_[name]);
}
