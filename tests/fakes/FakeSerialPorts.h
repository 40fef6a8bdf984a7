#pragma once
// Scriptable serial ports for tests: per port name, what opening and each call does, the
// replies the reads return, and a record of everything the code under test did.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/SerialPort.h"

// Script and record of one port name, shared by every port opened under that name.
struct FakePortLine {
    // --- script
    // Calls that fail, by name ("open", "GetCommState", ...), with their error code.
    std::map<std::string, uint32_t> failures;
    CommState state;        // what GetCommState reports, and the last one set
    CommTimeouts timeouts;  // likewise for the time-outs
    // One entry per read call (pending or not), oldest first. A read returns at most the count it
    // asks for; the rest of the entry stays for the next read. No entry left: nothing arrives.
    std::deque<std::string> replies;
    // Replies queued on writing a command byte, as a meter answers it.
    std::map<char, std::string> answers;

    // --- record: every call in order: "open", "write v", "read 64", "drain 83" (a read of
    // what arrived), "GetCommState", ..., "close".
    std::vector<std::string> transcript;

    void QueueReplies(const std::string& reply, int n = 1) {
        replies.insert(replies.end(), n, reply);
    }
};

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
        const std::string bytes(reinterpret_cast<const char*>(data), written = count);
        line_->transcript.push_back("write " + bytes);
        for (char command : bytes)
            if (line_->answers.contains(command)) line_->replies.push_back(line_->answers[command]);
        return true;
    }
    uint32_t LastError() const override { return lastError_; }

private:
    bool Take(const char* call, uint8_t* buffer, std::size_t count, std::size_t& received) {
        received = 0;
        line_->transcript.push_back(call + std::to_string(count));
        if (line_->replies.empty()) return true;
        std::string& reply = line_->replies.front();
        received = std::min(count, reply.size());
        std::memcpy(buffer, reply.data(), received);
        reply.erase(0, received);
        if (reply.empty()) line_->replies.pop_front();
        return true;
    }
    // Records the call; false, with its error, when the script makes it fail.
    bool Call(const std::string& name) {
        line_->transcript.push_back(name);
        lastError_ = line_->failures.contains(name) ? line_->failures[name] : 0;
        return lastError_ == 0;
    }

    std::shared_ptr<FakePortLine> line_;
    uint32_t lastError_ = 0;
};

class FakeSerialPorts final : public SerialPorts {
public:
    // The line that `name` opens, as the code under test spells it ("COM3", "\\.\COM12").
    FakePortLine& Line(const std::string& name) {
        auto& line = lines_[name];
        if (!line) line = std::make_shared<FakePortLine>();
        return *line;
    }

    std::unique_ptr<SerialPort> Open(const std::string& name, uint32_t& error) override {
        Line(name).transcript.push_back("open");
        error = Line(name).failures["open"];
        return error != 0 ? nullptr : std::make_unique<FakeSerialPort>(lines_[name]);
    }
    std::string ErrorText(uint32_t code) const override {
        return "error text " + std::to_string(code);
    }

private:
    std::map<std::string, std::shared_ptr<FakePortLine>> lines_;
};
