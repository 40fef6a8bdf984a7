#include "fakes/FakeSerialPorts.h"

#include <algorithm>
#include <cstring>

namespace {

class FakeSerialPort final : public SerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<FakePortLine> line) : line_(std::move(line)) {
        line_->isOpen = true;
    }
    ~FakeSerialPort() override {
        line_->isOpen = false;
        line_->transcript.push_back("close");
    }

    bool getCommState(CommState& state) override {
        line_->transcript.push_back("getCommState");
        if (line_->getCommStateError != 0) return Fail(line_->getCommStateError);
        state = line_->state;
        return true;
    }
    bool setCommState(const CommState& state) override {
        line_->transcript.push_back("setCommState");
        if (line_->setCommStateError != 0) return Fail(line_->setCommStateError);
        line_->statesSet.push_back(state);
        line_->state = state;
        return true;
    }
    bool getCommTimeouts(CommTimeouts& timeouts) override {
        line_->transcript.push_back("getCommTimeouts");
        if (line_->getCommTimeoutsError != 0) return Fail(line_->getCommTimeoutsError);
        timeouts = line_->timeouts;
        return true;
    }
    bool setCommTimeouts(const CommTimeouts& timeouts) override {
        line_->transcript.push_back("setCommTimeouts");
        if (line_->setCommTimeoutsError != 0) return Fail(line_->setCommTimeoutsError);
        line_->timeoutsSet.push_back(timeouts);
        line_->timeouts = timeouts;
        return true;
    }

    bool read(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        return Take("read ", buffer, count, received);
    }
    // The next entry counts as arrived already: it is taken the same way.
    bool readPending(uint8_t* buffer, std::size_t count, std::size_t& received) override {
        return Take("drain ", buffer, count, received);
    }

    bool write(const uint8_t* data, std::size_t count, std::size_t& written) override {
        std::string bytes(reinterpret_cast<const char*>(data), count);
        line_->transcript.push_back("write " + bytes);
        line_->writes.push_back(bytes);
        for (char command : bytes) {
            const auto answer = line_->answers.find(command);
            if (answer != line_->answers.end()) line_->replies.push_back(answer->second);
        }
        written = count;
        return true;
    }

    uint32_t lastError() const override { return lastError_; }

private:
    bool Take(const char* call, uint8_t* buffer, std::size_t count, std::size_t& received) {
        line_->transcript.push_back(call + std::to_string(count));
        line_->readCounts.push_back(count);
        received = 0;
        if (line_->readThrows) throw std::runtime_error("fake read failure");
        if (line_->readError != 0) return Fail(line_->readError);
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
    bool Fail(uint32_t code) {
        lastError_ = code;
        return false;
    }

    std::shared_ptr<FakePortLine> line_;
    uint32_t lastError_ = 0;
};

}  // namespace

std::unique_ptr<SerialPort> FakeSerialPorts::open(const std::string& name, uint32_t& error) {
    openedNames_.push_back(name);
    Line(name);  // makes sure the line exists
    const auto& line = lines_[name];
    line->transcript.push_back("open");
    if (line->openError != 0) {
        error = line->openError;
        return nullptr;
    }
    error = 0;
    return std::make_unique<FakeSerialPort>(line);
}
